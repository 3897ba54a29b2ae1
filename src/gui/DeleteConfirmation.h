#pragma once

#include "gui/DeleteConfirmationAnswer.h"

#include <QString>

#include <functional>

// Decides whether a Delete goes ahead. It asks through `ask`, with the
// question that names what goes, until the user answers Yes with "Do not ask
// me this again" ticked; from then on every later Delete goes ahead without
// asking. A No is never remembered: a Delete that silently did nothing until
// the program ends would look broken, so No with the box ticked only refuses
// this one. Belongs to one view and lasts as long as it does (the choice is
// not stored).
class DeleteConfirmation
{
public:
    using Ask = std::function<DeleteConfirmationAnswer(const QString& question)>;

    explicit DeleteConfirmation(Ask ask) : ask_(std::move(ask)) {}

    // Whether this Delete is confirmed; asks `question` when it still has to.
    bool confirm(const QString& question);

    bool asksBeforeDelete() const { return askBeforeDelete_; }

private:
    Ask ask_;
    bool askBeforeDelete_ = true;
};
