#include "gui/DeleteConfirmation.h"

bool DeleteConfirmation::confirm()
{
    if (askBeforeDelete_) {
        const DeleteConfirmationAnswer answer = ask_ ? ask_() : DeleteConfirmationAnswer{};
        deleteConfirmed_ = answer.confirmed;
        if (answer.doNotAskAgain)
            askBeforeDelete_ = false;
    }
    return deleteConfirmed_;
}
