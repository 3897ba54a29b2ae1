// The launcher as built, started on a real X server (Xvfb) of 8 and of 24
// bits per pixel, and what that server shows: Xvfb keeps its screen in a
// file in the layout of xwd, which is read back here.
#include "LauncherTestFiles.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <optional>

namespace {

// The screen in an xwd file of 8 bits per pixel with its colour map, or of
// 32 bits per pixel in true colour; nothing for anything else.
std::optional<QImage> readXwd(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    constexpr qsizetype kFields = 25;
    if (bytes.size() < kFields * 4)
        return std::nullopt;
    auto field = [&bytes](int i) { return qFromBigEndian<quint32>(bytes.constData() + 4 * i); };
    const quint32 headerSize = field(0);
    const int width = int(field(4));
    const int height = int(field(5));
    const quint32 bitsPerPixel = field(11);
    const quint32 bytesPerLine = field(12);
    const quint32 colours = field(19);
    const qsizetype pixels = qsizetype(headerSize) + 12 * qsizetype(colours);
    if (width <= 0 || height <= 0 || bytes.size() < pixels + qsizetype(bytesPerLine) * height)
        return std::nullopt;
    QImage image(width, height, QImage::Format_RGB32);
    if (bitsPerPixel == 8) {
        QList<QRgb> map(256, qRgb(255, 0, 255));
        for (quint32 i = 0; i < colours; ++i) {
            const char* entry = bytes.constData() + headerSize + 12 * i;
            const quint32 pixel = qFromBigEndian<quint32>(entry);
            if (pixel < 256) {
                map[pixel] =
                    qRgb(qFromBigEndian<quint16>(entry + 4) >> 8, qFromBigEndian<quint16>(entry + 6) >> 8,
                         qFromBigEndian<quint16>(entry + 8) >> 8);
            }
        }
        for (int y = 0; y < height; ++y) {
            const auto* line = reinterpret_cast<const uchar*>(bytes.constData() + pixels + bytesPerLine * y);
            for (int x = 0; x < width; ++x)
                image.setPixel(x, y, map.at(line[x]));
        }
        return image;
    }
    if (bitsPerPixel == 32) {
        for (int y = 0; y < height; ++y) {
            const char* line = bytes.constData() + pixels + bytesPerLine * y;
            for (int x = 0; x < width; ++x)
                image.setPixel(x, y, qFromLittleEndian<quint32>(line + 4 * x) | 0xff000000u);
        }
        return image;
    }
    return std::nullopt;
}

// An Xvfb of its own: one screen of 1024 by 768 at `depth` bits, with its
// screen in a file, on a display number it picks itself. Its background is
// black, so that a window left unpainted shows nothing light. It never
// resets: on a busy machine a reset when a first connection closed refused
// the launcher's ("could not connect to display") now and then.
class VirtualDisplay
{
public:
    explicit VirtualDisplay(int depth)
    {
        server_.setProgram(QStandardPaths::findExecutable(QStringLiteral("Xvfb")));
        server_.setArguments({QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                              QStringLiteral("0"), QStringLiteral("1024x768x%1").arg(depth),
                              QStringLiteral("-fbdir"), screenFolder_.path(), QStringLiteral("-nolisten"),
                              QStringLiteral("tcp"), QStringLiteral("-br"), QStringLiteral("-noreset")});
        server_.start();
        if (!server_.waitForStarted(10000))
            return;
        QElapsedTimer clock;
        clock.start();
        while (!server_.canReadLine() && clock.elapsed() < 10000)
            server_.waitForReadyRead(200);
        bool ok = false;
        const int number = server_.readLine().trimmed().toInt(&ok);
        if (ok)
            display_ = QStringLiteral(":%1").arg(number);
    }
    ~VirtualDisplay()
    {
        server_.terminate();
        if (!server_.waitForFinished(5000))
            server_.kill();
        server_.waitForFinished(5000);
    }

    const QString& display() const { return display_; }
    // What the X server said, for a failure's message.
    QString said()
    {
        QString what = QString::fromLocal8Bit(server_.readAllStandardError());
        if (server_.state() == QProcess::NotRunning)
            what += QStringLiteral(" (it has ended, status %1)").arg(server_.exitCode());
        return what;
    }
    QString screenFile() const { return QDir(screenFolder_.path()).filePath(QStringLiteral("Xvfb_screen0")); }

private:
    QTemporaryDir screenFolder_;
    QProcess server_;
    QString display_;
};

struct Shades
{
    int light = 0;
    int dark = 0;
    int blue = 0;
    int total = 0;
};

// What the launcher's window (520 by 360, in the middle of the screen)
// shows.
Shades shadesOfTheWindow(const QImage& screen)
{
    Shades shades;
    const QRect window(QPoint(0, 0), QSize(520, 360));
    const QRect area = window.translated(screen.rect().center() - window.center()).adjusted(10, 10, -10, -10);
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = screen.pixelColor(x, y);
            ++shades.total;
            shades.light += c.lightness() > 200 ? 1 : 0;
            shades.dark += c.lightness() < 80 ? 1 : 0;
            shades.blue += c.blue() > c.red() + 30 ? 1 : 0;
        }
    }
    return shades;
}

} // namespace

TEST(RealDisplay, TheLauncherPaintsOnEightAndTwentyFourBitXServers)
{
    if (QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty())
        GTEST_SKIP() << "Xvfb (Debian package xvfb) is not installed";
    for (const int depth : {8, 24}) {
        VirtualDisplay display(depth);
        ASSERT_FALSE(display.display().isEmpty()) << depth;
        // One language, so that the main window opens at once.
        const TestMedium medium;
        medium.writeFile(QStringLiteral("Languages.ini"),
                         "[LANGUAGES]\ncount=1\nlanguage1=1033\n[1033]\nInstallText=Install Fibrolog\n"
                         "AdobeInstallText=Install a PDF reader\nManualText=Read the manuals\n"
                         "ExploreCdText=Browse this medium\nExitText=Exit\n");
        ASSERT_TRUE(
            QFile::copy(QStringLiteral(FIBROLOG_LAUNCHER_PATH), medium.filePath(QStringLiteral("launcher"))));
        QProcess launcher;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DISPLAY"), display.display());
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), medium.path());
        // On a real X server the keyboard library (libxkbcommon-x11) copies
        // names with strndup out of buffers that have no terminating zero,
        // which C allows and AddressSanitizer's strict string checks flag.
        QString sanitizer = environment.value(QStringLiteral("ASAN_OPTIONS"));
        sanitizer.remove(QRegularExpression(QStringLiteral("strict_string_checks=[^:]*:?")));
        if (environment.contains(QStringLiteral("ASAN_OPTIONS")))
            environment.insert(QStringLiteral("ASAN_OPTIONS"), sanitizer);
        launcher.setProcessEnvironment(environment);
        launcher.setProcessChannelMode(QProcess::MergedChannels);
        launcher.start(medium.filePath(QStringLiteral("launcher")), {});
        ASSERT_TRUE(launcher.waitForStarted(10000)) << depth;

        // The window is painted once most of it is the light face of the
        // dialogs (8 bits: the standard look) or the night-blue picture
        // (24 bits: the rich look), with the buttons' dark letters on it.
        Shades shades;
        QImage screen;
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 60000 && launcher.state() == QProcess::Running) {
            QTest::qWait(250);
            if (const auto read = readXwd(display.screenFile())) {
                screen = *read;
                shades = shadesOfTheWindow(screen);
                if ((depth == 8 ? shades.light : shades.blue) > shades.total / 2 && shades.dark > 200)
                    break;
            }
        }
        const QString wanted = qEnvironmentVariable("FIBROLOG_SCREENSHOTS");
        if (!wanted.isEmpty() && !screen.isNull())
            screen.save(QDir(wanted).filePath(QStringLiteral("launcher-xvfb-%1bit.png").arg(depth)));
        launcher.terminate();
        if (!launcher.waitForFinished(5000))
            launcher.kill();
        launcher.waitForFinished(5000);
        const QString output = QString::fromLocal8Bit(launcher.readAll());

        ASSERT_FALSE(screen.isNull()) << depth;
        EXPECT_GT(depth == 8 ? shades.light : shades.blue, shades.total / 2)
            << depth << " bits: " << shades.light << " light, " << shades.blue << " blue of " << shades.total
            << "; the launcher said: " << output.toStdString()
            << "; the X server said: " << display.said().toStdString();
        EXPECT_GT(shades.dark, 200) << depth << " bits: the buttons' letters";
        EXPECT_FALSE(output.contains(QStringLiteral("Paint device returned engine == 0")))
            << output.toStdString();
    }
}
