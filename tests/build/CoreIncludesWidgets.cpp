// Must not compile: the headless core has no way to reach widget headers.
#include "database/Database.h"

#include <QtWidgets/QWidget>
