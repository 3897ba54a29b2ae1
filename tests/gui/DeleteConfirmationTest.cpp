#include "gui/DeleteConfirmation.h"

#include <gtest/gtest.h>

#include <deque>
#include <vector>

namespace {

// The user at the confirmation dialog, answering from a script.
class ScriptedDeleteAnswers
{
public:
    void add(bool confirmed, bool doNotAskAgain) { answers_.push_back({confirmed, doNotAskAgain}); }
    // Escape or the window's close button: No, and the box is not read.
    void addClosed() { answers_.push_back({}); }

    DeleteConfirmation::Ask asker()
    {
        return [this](const QString& question) {
            ++asked;
            questions.push_back(question);
            DeleteConfirmationAnswer answer;
            if (!answers_.empty()) {
                answer = answers_.front();
                answers_.pop_front();
            }
            return answer;
        };
    }

    int asked = 0;
    std::vector<QString> questions;

private:
    std::deque<DeleteConfirmationAnswer> answers_;
};

} // namespace

TEST(DeleteConfirmation, AsksEveryTimeWhileTheBoxIsNotTicked)
{
    ScriptedDeleteAnswers user;
    user.add(true, false);
    user.add(false, false);
    user.add(true, false);
    DeleteConfirmation confirmation(user.asker());
    EXPECT_TRUE(confirmation.confirm("Delete 1?"));
    EXPECT_FALSE(confirmation.confirm("Delete 1?"));
    EXPECT_TRUE(confirmation.confirm("Delete 1?"));
    EXPECT_EQ(user.asked, 3);
    EXPECT_TRUE(confirmation.asksBeforeDelete());
}

TEST(DeleteConfirmation, NoWithDoNotAskAgainRefusesThisDeleteOnlyAndTheNextOneAsksAgain)
{
    ScriptedDeleteAnswers user;
    user.add(false, true);
    user.add(true, false);
    DeleteConfirmation confirmation(user.asker());
    EXPECT_FALSE(confirmation.confirm("Delete circuit 1 of link A?"));
    EXPECT_TRUE(confirmation.asksBeforeDelete());
    EXPECT_TRUE(confirmation.confirm("Delete circuit 2 of link A?"));
    EXPECT_EQ(user.asked, 2);
    EXPECT_EQ(user.questions,
              (std::vector<QString>{"Delete circuit 1 of link A?", "Delete circuit 2 of link A?"}))
        << "each question names its circuit";
}

TEST(DeleteConfirmation, YesWithDoNotAskAgainLetsEveryLaterDeleteProceedWithoutAsking)
{
    ScriptedDeleteAnswers user;
    user.add(false, false);
    user.add(true, true);
    DeleteConfirmation confirmation(user.asker());
    EXPECT_FALSE(confirmation.confirm("Delete 1?"));
    EXPECT_TRUE(confirmation.confirm("Delete 1?"));
    for (int i = 0; i < 5; ++i)
        EXPECT_TRUE(confirmation.confirm("Delete 1?"));
    EXPECT_EQ(user.asked, 2);
}

TEST(DeleteConfirmation, ClosingTheDialogCountsAsNoAndAsksAgainNextTime)
{
    ScriptedDeleteAnswers user;
    user.addClosed();
    user.add(true, false);
    DeleteConfirmation confirmation(user.asker());
    EXPECT_FALSE(confirmation.confirm("Delete 1?"));
    EXPECT_TRUE(confirmation.asksBeforeDelete());
    EXPECT_TRUE(confirmation.confirm("Delete 1?"));
    EXPECT_EQ(user.asked, 2);
}

TEST(DeleteConfirmation, EachViewKeepsItsOwnMemory)
{
    ScriptedDeleteAnswers first;
    first.add(false, true);
    ScriptedDeleteAnswers second;
    second.add(true, false);
    DeleteConfirmation one(first.asker());
    DeleteConfirmation other(second.asker());
    EXPECT_FALSE(one.confirm("Delete 1?"));
    EXPECT_TRUE(other.confirm("Delete 1?"));
    EXPECT_TRUE(other.asksBeforeDelete());
}

TEST(DeleteConfirmation, WithoutADialogNothingIsDeleted)
{
    DeleteConfirmation confirmation{DeleteConfirmation::Ask()};
    EXPECT_FALSE(confirmation.confirm("Delete 1?"));
}
