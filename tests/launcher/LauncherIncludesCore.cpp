// Build probe: the launcher's include root holds its own folder only, so
// this include of the core's string table must not be found.
#include "app/StringTable.h"
