#include "gui/DeleteConfirmation.h"

#include <gtest/gtest.h>

#include <deque>

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
        return [this] {
            ++asked;
            DeleteConfirmationAnswer answer;
            if (!answers_.empty()) {
                answer = answers_.front();
                answers_.pop_front();
            }
            return answer;
        };
    }

    int asked = 0;

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
    EXPECT_TRUE(confirmation.confirm());
    EXPECT_FALSE(confirmation.confirm());
    EXPECT_TRUE(confirmation.confirm());
    EXPECT_EQ(user.asked, 3);
    EXPECT_TRUE(confirmation.asksBeforeDelete());
}

TEST(DeleteConfirmation, NoWithDoNotAskAgainMakesEveryLaterDeleteDoNothing)
{
    ScriptedDeleteAnswers user;
    user.add(false, true);
    DeleteConfirmation confirmation(user.asker());
    EXPECT_FALSE(confirmation.confirm());
    EXPECT_FALSE(confirmation.asksBeforeDelete());
    for (int i = 0; i < 5; ++i)
        EXPECT_FALSE(confirmation.confirm());
    EXPECT_EQ(user.asked, 1);
}

TEST(DeleteConfirmation, YesWithDoNotAskAgainLetsEveryLaterDeleteProceedWithoutAsking)
{
    ScriptedDeleteAnswers user;
    user.add(false, false);
    user.add(true, true);
    DeleteConfirmation confirmation(user.asker());
    EXPECT_FALSE(confirmation.confirm());
    EXPECT_TRUE(confirmation.confirm());
    for (int i = 0; i < 5; ++i)
        EXPECT_TRUE(confirmation.confirm());
    EXPECT_EQ(user.asked, 2);
}

TEST(DeleteConfirmation, ClosingTheDialogCountsAsNoAndAsksAgainNextTime)
{
    ScriptedDeleteAnswers user;
    user.addClosed();
    user.add(true, false);
    DeleteConfirmation confirmation(user.asker());
    EXPECT_FALSE(confirmation.confirm());
    EXPECT_TRUE(confirmation.asksBeforeDelete());
    EXPECT_TRUE(confirmation.confirm());
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
    EXPECT_FALSE(one.confirm());
    EXPECT_TRUE(other.confirm());
    EXPECT_TRUE(other.asksBeforeDelete());
}

TEST(DeleteConfirmation, WithoutADialogNothingIsDeleted)
{
    DeleteConfirmation confirmation{DeleteConfirmation::Ask()};
    EXPECT_FALSE(confirmation.confirm());
}
