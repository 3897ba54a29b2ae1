#include "support/ScriptedPrompt.h"
#include "app/StringIds.h"

#include <gtest/gtest.h>

TEST(ScriptedPrompt, AnswersInOrderThenFallsBackAndRecords)
{
    ScriptedPrompt prompt;
    prompt.addAnswer(PromptAnswer::Retry);
    prompt.addAnswer(PromptAnswer::Yes);
    EXPECT_EQ(prompt.askRetryCancel("not found", "", PromptIcon::Exclamation), PromptAnswer::Retry);
    EXPECT_EQ(prompt.askYesNoCancel("save?", "Save", PromptIcon::None), PromptAnswer::Yes);
    EXPECT_EQ(prompt.askRetryCancel("still not found", "", PromptIcon::Exclamation), PromptAnswer::Cancel);
    prompt.message("done", "Fibrolog", PromptIcon::Information);
    ASSERT_EQ(prompt.exchanges().size(), 4);
    EXPECT_EQ(prompt.exchanges()[1].caption, "Save");
    EXPECT_EQ(prompt.texts().last(), "done");
}

TEST(ScriptedPrompt, AnswersOutsideAQuestionsChoicesBecomeItsSafeChoice)
{
    ScriptedPrompt prompt;
    prompt.addAnswer(PromptAnswer::Retry);
    prompt.addAnswer(PromptAnswer::Ok);
    prompt.setFallback(PromptAnswer::Merge);
    EXPECT_EQ(prompt.askYesNo("convert?", "", PromptIcon::Exclamation), PromptAnswer::No);
    EXPECT_EQ(prompt.askMergeOverwrite("exists", "Fibrolog"), PromptAnswer::Cancel) << "closing the question";
    EXPECT_EQ(prompt.askMergeOverwrite("exists", "Fibrolog"), PromptAnswer::Merge);
    EXPECT_FALSE(prompt.saveFileName("/tmp/a.mdb"));
    prompt.addSaveFileName("/tmp/b.mdb");
    EXPECT_EQ(prompt.saveFileName("/tmp/a.mdb").value_or(""), "/tmp/b.mdb");
}

TEST(RecordingStatusSink, KeepsTextsFromIdsAndPositions)
{
    RecordingStatusSink sink;
    sink.showStatus(StringId::InitiatingDownload);
    sink.showStatusText("custom");
    sink.showRecordPosition(1, 12);
    EXPECT_EQ(sink.texts, (QStringList{"Initiating download", "custom"}));
    EXPECT_EQ(sink.lastPosition, 1);
    EXPECT_EQ(sink.lastCount, 12);
}
