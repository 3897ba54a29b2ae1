// Compiles: the layer's own headers, those below it and QtCore, the way the
// two probes beside it would if the layers were not kept apart.
#include "app/StringTable.h"
#include "database/Database.h"

#include <QtCore/QString>
