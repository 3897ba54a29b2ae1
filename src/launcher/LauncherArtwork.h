#pragma once

#include <QPixmap>
#include <QSize>

// The launcher's own pictures, drawn here rather than shipped as files: the
// main window's background (night-blue, with lit fibers running in from the
// left and a light panel behind the buttons) and the window icon.
namespace LauncherArtwork {

// The background's size, which is the main window's size in the rich look.
constexpr QSize kBackgroundSize{520, 360};
// The panel behind the buttons.
constexpr QRect kButtonPanel{292, 64, 208, 272};

QPixmap background();
QPixmap icon(int size = 64);

} // namespace LauncherArtwork
