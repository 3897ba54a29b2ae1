#pragma once

#include <QIcon>

// The toolbar's pictures: the desktop theme's icon where it has one, else one
// of our own, drawn from shapes at whatever size and pixel density the
// toolbar asks for, so it stays sharp at 150 % and 200 %. Our own pictures
// take their ink from the application's palette when they are drawn and
// pick their accents by how light the toolbar is, so they keep their
// contrast on a dark desktop theme too.
namespace CommandIcons {

QIcon forCommand(int commandId);

} // namespace CommandIcons
