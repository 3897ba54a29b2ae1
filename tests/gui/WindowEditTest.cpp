#include "WindowFixture.h"

#include "gui/CommandIds.h"
#include "gui/ViewControlIds.h"
#include "support/TestDatabaseBuilder.h"

#include "database/SchemaVersions.h"
#include "database/TestDatabaseSchema.h"

#include <gtest/gtest.h>

#include <QProcess>

using namespace CommandIds;
using namespace ViewControlIds;

namespace {

class WindowEditTest : public WindowTest
{
protected:
    // Three circuits of one link and one of another; names with quotes.
    QString makeLinks()
    {
        const QString file = path("links.mdb");
        TestDatabaseBuilder builder(file);
        TestDatabaseBuilder::Site a;
        a.name = "O'Brien's Riser";
        a.company = builder.addCompany("Fibre 'n' Co", "SN:P1", "2.10", "555-0101");
        const RecordId siteA = builder.addSite(a);
        TestDatabaseBuilder::Site b;
        b.name = "Tower";
        b.company = builder.addCompany("Second Co", "SN:P2", "2.10", "555-0202");
        const RecordId siteB = builder.addSite(b);
        for (const char* name : {"1", "2'a", "3"})
            builder.addFiber(siteA, name, 0, {-25.0f, 0, 0, 0, 0});
        builder.addFiber(siteB, "T1", 0, {-25.0f, 0, 0, 0, 0});
        return file;
    }

    // Replaces a field's text as a user does: select all, type.
    void typeInto(int id, const QString& text)
    {
        QLineEdit* edit = control<QLineEdit>(id);
        edit->setFocus();
        edit->selectAll();
        if (text.isEmpty())
            QTest::keyClick(edit, Qt::Key_Backspace);
        else
            QTest::keyClicks(edit, text);
    }
};

} // namespace

TEST_F(WindowEditTest, EditsAreWrittenAtOnceAndReachTheSavedFile)
{
    const QString file = makeLinks();
    ASSERT_TRUE(frame_->openFile(file));
    trigger(ViewDetails);
    trigger(Next); // "2'a"
    typeInto(kCircuitId, "2'b");
    EXPECT_EQ(document().circuits().recordAt(1).circuitId, "2'b");
    EXPECT_TRUE(document().isModified());
    EXPECT_TRUE(frame_->isWindowModified());
    typeInto(kLinkComment, "north shaft");
    typeInto(kLinkId, "O'Brien's Riser B");
    EXPECT_EQ(document().circuits().recordAt(0).linkComment, "north shaft");

    // The file the window holds, unchanged on disk: saved back without a question.
    trigger(FileSave);
    EXPECT_TRUE(prompt_.exchanges().isEmpty()) << prompt_.texts().join('\n').toStdString();
    EXPECT_FALSE(document().isModified());
    ASSERT_TRUE(frame_->openFile(file));
    EXPECT_EQ(document().circuits().recordAt(1).circuitId, "2'b");
    EXPECT_EQ(document().circuits().recordAt(1).linkId, "O'Brien's Riser B");
    EXPECT_EQ(frame_->recentFiles().first(), file);
}

TEST_F(WindowEditTest, ARefusedEditSaysWhyInTheUsersWordsAndShowsTheStoredValueAgain)
{
    ASSERT_TRUE(frame_->openFile(makeLinks()));
    trigger(ViewDetails);
    const struct
    {
        int field;
        const char* stored;
        const char* why;
    } refusals[] = {
        {kCircuitId, "1", "The circuit ID cannot be empty."},
        {kLinkId, "O'Brien's Riser", "The link ID cannot be empty."},
        {kCompany, "Fibre 'n' Co", "The company name cannot be empty."},
    };
    for (const auto& refused : refusals) {
        typeInto(refused.field, QString());
        EXPECT_EQ(document().circuits().recordAt(0).circuitId, "1")
            << "an emptied field waits for the user to leave it";
        const qsizetype asked = prompt_.exchanges().size();
        QTest::keyClick(control<QLineEdit>(refused.field), Qt::Key_Return);
        ASSERT_EQ(prompt_.exchanges().size(), asked + 1) << refused.why;
        EXPECT_EQ(prompt_.exchanges().last().text, refused.why);
        EXPECT_EQ(text(refused.field), refused.stored);
    }
    EXPECT_FALSE(document().isModified());
}

TEST_F(WindowEditTest, TheCompanyBlockOfTheSummaryEditsTheCompanyItShows)
{
    ASSERT_TRUE(frame_->openFile(makeLinks()));
    // A page is one link of one company: first O'Brien's Riser, then Tower.
    EXPECT_EQ(text(kCompany), "Fibre 'n' Co");
    trigger(Next);
    EXPECT_EQ(text(kCompany), "Second Co");
    typeInto(kCompany, "Second Company");
    EXPECT_EQ(document().circuits().recordAt(3).companyName, "Second Company");
    EXPECT_EQ(document().circuits().recordAt(0).companyName, "Fibre 'n' Co");
}

TEST_F(WindowEditTest, DeleteNamesTheCircuitAndRemembersOnlyYes)
{
    ASSERT_TRUE(frame_->openFile(makeLinks()));
    trigger(Last);
    EXPECT_EQ(record(), "Record 4 of 4");
    // No, with "Do not ask me this again": nothing goes, and the next Delete asks again.
    deleteAnswers_ << DeleteConfirmationAnswer{false, true};
    trigger(EditDelete);
    EXPECT_EQ(document().circuits().count(), 4);
    ASSERT_EQ(deleteQuestions_.size(), 1);
    EXPECT_EQ(deleteQuestions_.last(),
              "You are about to permanently delete circuit \"T1\" of link \"Tower\".  "
              "Are you sure you wish to do so?");
    // Yes, and do not ask again: this and every later Delete go ahead.
    deleteAnswers_ << DeleteConfirmationAnswer{true, true};
    trigger(EditDelete);
    EXPECT_EQ(deleteQuestions_.size(), 2) << "a No is never remembered";
    EXPECT_EQ(document().circuits().count(), 3);
    EXPECT_EQ(record(), "Record 3 of 3");
    EXPECT_TRUE(document().isModified());
    trigger(EditDelete);
    EXPECT_EQ(deleteQuestions_.size(), 2);
    EXPECT_EQ(document().circuits().count(), 2);
    EXPECT_EQ(record(), "Record 2 of 2");
}

TEST_F(WindowEditTest, CtrlDelInAFieldDeletesAWordOfTheFieldNotTheCircuit)
{
    ASSERT_TRUE(frame_->openFile(makeLinks()));
    trigger(ViewDetails);
    frame_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame_.get()));
    // The user once said Yes with "Do not ask me this again": a Delete now
    // goes at once, without a question.
    deleteAnswers_ << DeleteConfirmationAnswer{true, true};
    typeInto(kLinkComment, "north shaft");
    QLineEdit* comment = control<QLineEdit>(kLinkComment);
    comment->setCursorPosition(0);
    QTest::keyClick(comment, Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(document().circuits().count(), 4);
    EXPECT_TRUE(deleteQuestions_.isEmpty()) << deleteQuestions_.join('\n').toStdString();
    EXPECT_FALSE(comment->text().contains("north")) << comment->text().toStdString();
    EXPECT_TRUE(comment->text().contains("shaft")) << comment->text().toStdString();
    EXPECT_EQ(document().circuits().recordAt(0).linkComment, comment->text())
        << "the shortened field is stored";

    // Outside the text fields Ctrl+Del is the window's Delete.
    view().setFocus();
    QTest::keyClick(frame_.get(), Qt::Key_Delete, Qt::ControlModifier);
    ASSERT_EQ(deleteQuestions_.size(), 1);
    EXPECT_TRUE(deleteQuestions_.first().contains("circuit \"1\" of link \"O'Brien's Riser\""))
        << deleteQuestions_.first().toStdString();
    EXPECT_EQ(document().circuits().count(), 3);
}

TEST_F(WindowEditTest, ClosingAModifiedWindowAsksToSave)
{
    ASSERT_TRUE(frame_->openFile(makeLinks()));
    trigger(ViewDetails);
    typeInto(kCircuitId, "9");
    prompt_.addAnswer(PromptAnswer::Cancel);
    EXPECT_FALSE(frame_->close()) << "Cancel keeps the window";
    EXPECT_TRUE(frame_->isVisible());
    EXPECT_EQ(prompt_.exchanges().last().text, "The data has not yet been saved.  Save now?");
    prompt_.addAnswer(PromptAnswer::No);
    EXPECT_TRUE(frame_->close());
    EXPECT_TRUE(temp_.files().isEmpty()) << "the working copy went with the window";
}

TEST_F(WindowEditTest, CtrlSSavesBackWithoutAskingUntilAnotherProgramChangesTheFile)
{
    const QString file = makeLinks();
    ASSERT_TRUE(frame_->openFile(file));
    trigger(ViewDetails);
    frame_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame_.get()));
    for (const char* name : {"1A", "1B"}) {
        typeInto(kCircuitId, name);
        QTest::keyClick(frame_.get(), Qt::Key_S, Qt::ControlModifier);
        EXPECT_TRUE(prompt_.exchanges().isEmpty()) << prompt_.texts().join('\n').toStdString();
        EXPECT_FALSE(document().isModified()) << name;
    }

    // Another program merges a download into the file meanwhile.
    QProcess cli;
    cli.start(QStringLiteral(FIBROLOG_CLI_PATH), {"import", "--merge", sample("pendra-v2_10.kav"), file});
    ASSERT_TRUE(cli.waitForFinished(60000));
    ASSERT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();

    typeInto(kCircuitId, "1C");
    prompt_.addAnswer(PromptAnswer::Cancel);
    QTest::keyClick(frame_.get(), Qt::Key_S, Qt::ControlModifier);
    ASSERT_EQ(prompt_.exchanges().size(), 1);
    EXPECT_EQ(prompt_.exchanges().last().kind, "mergeoverwrite");
    EXPECT_EQ(prompt_.exchanges().last().text,
              file + " has changed on disk since it was opened or last saved here.  Do you wish to overwrite "
                     "this file, or merge the new data?");
    EXPECT_TRUE(document().isModified()) << "Cancel saves nothing";
}

TEST_F(WindowEditTest, SaveAsOfAnEmptyWindowWritesAnEmptyTestDatabaseButNeverOverAFile)
{
    const QString existing = makeLinks();
    const QByteArray before = fileBytes(existing);
    prompt_.addSaveFileName(existing);
    trigger(FileSaveAs);
    ASSERT_EQ(prompt_.exchanges().size(), 2) << prompt_.texts().join('\n').toStdString();
    EXPECT_EQ(prompt_.exchanges().last().text,
              QStringLiteral("There are no test results to save: %1 exists already and was left as it is.  "
                             "Choose a new file name to save an empty test database.")
                  .arg(existing));
    EXPECT_EQ(fileBytes(existing), before);

    const QString empty = path("empty.mdb");
    prompt_.addSaveFileName(empty);
    trigger(FileSaveAs);
    EXPECT_EQ(prompt_.exchanges().size(), 3) << "the file name only";
    EXPECT_EQ(SchemaVersions::detectVersion(empty), kCurrentSchemaVersion);
    EXPECT_EQ(frame_->windowTitle(), "empty.mdb[*] - Fibrolog");
    EXPECT_EQ(frame_->recentFiles().value(0), empty);
    EXPECT_TRUE(view().showsNoData());
    // What "fibrolog-cli create" makes: a database the program opens again.
    ASSERT_TRUE(frame_->openFile(empty));
    EXPECT_EQ(document().circuits().count(), 0);
}
