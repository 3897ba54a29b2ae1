#pragma once

#include <QIcon>

// The toolbar's pictures: the desktop theme's icon where it has one, else a
// small one of our own drawn at 16 pixels (and at twice that for high-density
// screens), so the toolbar reads the same on any desktop.
namespace CommandIcons {

QIcon forCommand(int commandId);

} // namespace CommandIcons
