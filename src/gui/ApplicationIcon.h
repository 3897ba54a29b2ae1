#pragma once

#include <QIcon>

// The program's icon, as the desktop's task bar and window list show it: the
// one installed in the icon theme (hicolor, or a theme that replaces it)
// where there is one, else the same picture built into the program, so that
// a run from the build folder has it too.
QIcon applicationIcon();
