#pragma once

#include <QObject>

#include <cstdint>
#include <optional>

class QString;

// Qt draws nothing on an X display of 8 bits per pixel as it comes: its
// windows take the screen's PseudoColor visual, for which Qt has no image
// format, and every window stays black ("QPainter::begin: Paint device
// returned engine == 0"). Qt does draw on such a screen's GrayScale visual,
// in shades of grey, once that visual's colour map holds a ramp of greys.
// This chooses that visual before the application object exists and fills
// the colour map when the first window is made.
//
// Both steps talk to the X server through libxcb, loaded when needed: the
// launcher links nothing but Qt, and Qt's X11 platform has loaded libxcb
// anyway. Nothing happens on any other display, or when libxcb or the
// visual is missing; the windows are then as Qt makes them.
namespace EightBitDisplay {

// The GrayScale visual of the display the program is about to use when
// that will be an X display whose screen has 8 bits per pixel; nothing
// otherwise. Call it before QApplication and, when it gives a visual, hand
// QApplication the arguments "-visual" and its id.
std::optional<std::uint32_t> greyVisual();

// The id as the "-visual" argument wants it.
QString visualArgument(std::uint32_t visual);

// Fills the colour map of the windows with 256 greys, pixel value n being
// grey n, when the first window is made, and installs it. Install it on
// the application object after QApplication is made with the visual.
class GreyRamp : public QObject
{
public:
    explicit GreyRamp(QObject* parent = nullptr);

    bool filled() const { return filled_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool filled_ = false;
};

} // namespace EightBitDisplay
