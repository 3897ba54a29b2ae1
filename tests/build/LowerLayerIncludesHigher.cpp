// Must not compile: the database layer cannot see the document layer above it.
#include "database/Database.h"
#include "document/CFibrologDoc.h"
