#include "app/OperationResult.h"

#include "app/StringIds.h"
#include "app/StringTable.h"

OperationResult OperationResult::cancelled(const QString& message)
{
    return OperationResult(Outcome::Cancelled,
                           message.isEmpty() ? Strings::loadString(StringId::OperationCancelled) : message);
}
