#pragma once

#include "gui/DeleteConfirmationAnswer.h"

#include <functional>

// Decides whether a Delete goes ahead. It asks through `ask` until the user
// ticks "Do not ask me this again"; from then on the answer given with the
// tick, Yes or No, stands for every later Delete, without asking. Belongs to
// one view and lasts as long as it does (the choice is not stored).
class DeleteConfirmation
{
public:
    using Ask = std::function<DeleteConfirmationAnswer()>;

    explicit DeleteConfirmation(Ask ask) : ask_(std::move(ask)) {}

    // Whether this Delete is confirmed; asks when it still has to.
    bool confirm();

    bool asksBeforeDelete() const { return askBeforeDelete_; }

private:
    Ask ask_;
    bool askBeforeDelete_ = true;
    bool deleteConfirmed_ = false;
};
