#include "app/StatusSink.h"

#include "app/StringTable.h"

void StatusSink::showStatus(int stringId)
{
    showStatusText(Strings::loadString(stringId));
}
