#include "gui/DeleteConfirmation.h"

bool DeleteConfirmation::confirm(const QString& question)
{
    if (!askBeforeDelete_)
        return true;
    const DeleteConfirmationAnswer answer = ask_ ? ask_(question) : DeleteConfirmationAnswer{};
    if (answer.confirmed && answer.doNotAskAgain)
        askBeforeDelete_ = false;
    return answer.confirmed;
}
