// Must not compile: the wizards are a layer below the window, which opens
// them; a wizard that reached for a window header would tie the two together.
#include "gui/CMainFrame.h"
#include "wizards/CLinkWizard.h"
