#include "launcher/EightBitDisplay.h"

#include <QGuiApplication>
#include <QLibrary>
#include <QPlatformSurfaceEvent>
#include <QString>
#include <QWindow>
#include <QtGui/qguiapplication_platform.h>

#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

// The parts of the X11 protocol read here, laid out as libxcb hands them
// over (the wire format, in the client's byte order). They are declared
// here rather than taken from libxcb's headers, which a machine with Qt's
// development files need not have.
struct Cookie
{
    unsigned int sequence;
};

struct ColourItem
{
    std::uint32_t pixel;
    std::uint16_t red;
    std::uint16_t green;
    std::uint16_t blue;
    std::uint8_t flags;
    std::uint8_t pad;
};
static_assert(sizeof(ColourItem) == 12);

constexpr std::uint8_t kVisualClassGrayScale = 1;
constexpr std::uint8_t kDoRedGreenBlue = 0x07;
constexpr std::uint8_t kGreyDepth = 8;
// Where the setup's fields and the screens' and replies' fields lie.
constexpr std::size_t kSetupHeader = 40;
constexpr std::size_t kScreenSize = 40;
constexpr std::size_t kDepthSize = 8;
constexpr std::size_t kVisualSize = 24;
constexpr std::size_t kAttributesColourMap = 28;
constexpr std::size_t kCellsPixelCount = 8;
constexpr std::size_t kCellsPixels = 32;

struct Connection;

// The few libxcb functions used, resolved at run time.
struct Xcb
{
    Connection* (*connect)(const char*, int*) = nullptr;
    int (*hasError)(Connection*) = nullptr;
    const void* (*getSetup)(Connection*) = nullptr;
    void (*disconnect)(Connection*) = nullptr;
    Cookie (*getWindowAttributes)(Connection*, std::uint32_t) = nullptr;
    void* (*getWindowAttributesReply)(Connection*, Cookie, void**) = nullptr;
    Cookie (*allocColourCells)(Connection*, std::uint8_t, std::uint32_t, std::uint16_t,
                               std::uint16_t) = nullptr;
    void* (*allocColourCellsReply)(Connection*, Cookie, void**) = nullptr;
    Cookie (*storeColours)(Connection*, std::uint32_t, std::uint32_t, const ColourItem*) = nullptr;
    Cookie (*installColourMap)(Connection*, std::uint32_t) = nullptr;
    int (*flush)(Connection*) = nullptr;

    static const Xcb* load()
    {
        static const Xcb xcb = [] {
            Xcb loaded;
            QLibrary library(QStringLiteral("xcb"), 1);
            if (!library.load())
                return loaded;
            auto take = [&library](auto& function, const char* name) {
                function =
                    reinterpret_cast<std::remove_reference_t<decltype(function)>>(library.resolve(name));
                return function != nullptr;
            };
            const bool complete =
                take(loaded.connect, "xcb_connect") && take(loaded.hasError, "xcb_connection_has_error") &&
                take(loaded.getSetup, "xcb_get_setup") && take(loaded.disconnect, "xcb_disconnect") &&
                take(loaded.getWindowAttributes, "xcb_get_window_attributes") &&
                take(loaded.getWindowAttributesReply, "xcb_get_window_attributes_reply") &&
                take(loaded.allocColourCells, "xcb_alloc_color_cells") &&
                take(loaded.allocColourCellsReply, "xcb_alloc_color_cells_reply") &&
                take(loaded.storeColours, "xcb_store_colors") &&
                take(loaded.installColourMap, "xcb_install_colormap") && take(loaded.flush, "xcb_flush");
            if (!complete)
                loaded.connect = nullptr;
            return loaded;
        }();
        return xcb.connect ? &xcb : nullptr;
    }
};

template <typename T>
T readAt(const unsigned char* bytes, std::size_t at)
{
    T value;
    std::memcpy(&value, bytes + at, sizeof value);
    return value;
}

// The GrayScale visual of depth 8 of screen `screenNumber`, when that
// screen's root has 8 bits per pixel. Walks the setup within its length.
std::optional<std::uint32_t> greyVisualOf(const unsigned char* setup, int screenNumber)
{
    const std::size_t size = 8 + 4 * std::size_t(readAt<std::uint16_t>(setup, 6));
    if (size < kSetupHeader)
        return std::nullopt;
    const std::size_t vendorLength = readAt<std::uint16_t>(setup, 24);
    const std::size_t screens = setup[28];
    const std::size_t formats = setup[29];
    std::size_t at = kSetupHeader + (vendorLength + 3) / 4 * 4 + 8 * formats;
    for (std::size_t screen = 0; screen < screens; ++screen) {
        if (at + kScreenSize > size)
            return std::nullopt;
        const std::uint8_t rootDepth = setup[at + 38];
        const std::size_t depths = setup[at + 39];
        const bool wanted = int(screen) == screenNumber && rootDepth == kGreyDepth;
        at += kScreenSize;
        for (std::size_t depth = 0; depth < depths; ++depth) {
            if (at + kDepthSize > size)
                return std::nullopt;
            const std::uint8_t bits = setup[at];
            const std::size_t visuals = readAt<std::uint16_t>(setup, at + 2);
            at += kDepthSize;
            if (at + visuals * kVisualSize > size)
                return std::nullopt;
            for (std::size_t visual = 0; visual < visuals; ++visual, at += kVisualSize) {
                if (wanted && bits == kGreyDepth && setup[at + 4] == kVisualClassGrayScale)
                    return readAt<std::uint32_t>(setup, at);
            }
        }
        if (int(screen) == screenNumber)
            return std::nullopt;
    }
    return std::nullopt;
}

bool aboutToUseX()
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    return !qEnvironmentVariableIsEmpty("DISPLAY") && (platform.isEmpty() || platform.startsWith("xcb"));
}

// Allocates every cell of the colour map and gives pixel value n grey n.
bool fillGreyRamp(const Xcb& xcb, Connection* connection, std::uint32_t window)
{
    void* attributes =
        xcb.getWindowAttributesReply(connection, xcb.getWindowAttributes(connection, window), nullptr);
    if (!attributes)
        return false;
    const auto colourMap =
        readAt<std::uint32_t>(static_cast<const unsigned char*>(attributes), kAttributesColourMap);
    std::free(attributes);

    void* cells = xcb.allocColourCellsReply(connection,
                                            xcb.allocColourCells(connection, 1, colourMap, 256, 0), nullptr);
    if (!cells)
        return false;
    const auto* reply = static_cast<const unsigned char*>(cells);
    const std::uint16_t count = readAt<std::uint16_t>(reply, kCellsPixelCount);
    std::vector<ColourItem> items;
    for (std::uint16_t i = 0; i < count; ++i) {
        const auto pixel = readAt<std::uint32_t>(reply, kCellsPixels + 4 * std::size_t(i));
        const auto grey = static_cast<std::uint16_t>((pixel & 0xff) * 0x101);
        items.push_back(ColourItem{pixel, grey, grey, grey, kDoRedGreenBlue, 0});
    }
    std::free(cells);
    if (items.empty())
        return false;
    xcb.storeColours(connection, colourMap, std::uint32_t(items.size()), items.data());
    // A window manager installs the colour map of the window in focus;
    // without one, nobody else would.
    xcb.installColourMap(connection, colourMap);
    xcb.flush(connection);
    return true;
}

} // namespace

namespace EightBitDisplay {

std::optional<std::uint32_t> greyVisual()
{
    if (!aboutToUseX())
        return std::nullopt;
    const Xcb* xcb = Xcb::load();
    if (!xcb)
        return std::nullopt;
    int screen = 0;
    Connection* connection = xcb->connect(nullptr, &screen);
    if (!connection)
        return std::nullopt;
    std::optional<std::uint32_t> visual;
    if (xcb->hasError(connection) == 0) {
        if (const void* setup = xcb->getSetup(connection))
            visual = greyVisualOf(static_cast<const unsigned char*>(setup), screen);
    }
    xcb->disconnect(connection);
    return visual;
}

QString visualArgument(std::uint32_t visual)
{
    return QStringLiteral("0x") + QString::number(visual, 16);
}

GreyRamp::GreyRamp(QObject* parent) : QObject(parent) {}

bool GreyRamp::eventFilter(QObject* watched, QEvent* event)
{
    if (!filled_ && event->type() == QEvent::PlatformSurface &&
        static_cast<QPlatformSurfaceEvent*>(event)->surfaceEventType() ==
            QPlatformSurfaceEvent::SurfaceCreated) {
        auto* window = qobject_cast<QWindow*>(watched);
        auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
        const Xcb* xcb = Xcb::load();
        if (window && x11 && xcb) {
            filled_ = fillGreyRamp(*xcb, reinterpret_cast<Connection*>(x11->connection()),
                                   static_cast<std::uint32_t>(window->winId()));
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace EightBitDisplay
