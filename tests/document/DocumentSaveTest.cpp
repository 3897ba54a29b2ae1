#include "DocumentFixture.h"

#include "database/SchemaVersions.h"
#include "support/TestDatabaseBuilder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <optional>
#include <sys/resource.h>

namespace {

class DocumentSaveTest : public DocumentTest
{
protected:
    QString makeDatabase(const char* name, const QString& link, int fibers)
    {
        const QString file = path(QLatin1String(name));
        TestDatabaseBuilder builder(file);
        TestDatabaseBuilder::Site site;
        site.name = link;
        site.company = builder.addCompany("Northwind Cabling");
        const RecordId id = builder.addSite(site);
        for (int i = 1; i <= fibers; ++i)
            builder.addFiber(id, QString::number(i), 0, {-25.0f, 0, 0, 0, 0});
        return file;
    }

    void openDownload()
    {
        ASSERT_TRUE(document_->loadFile(sample("pendra-v2_10.kav")));
        document_->setModifiedFlag();
    }
};

// Limits the size of the files this process writes, like a nearly full disk.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &previous_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = previous_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }

private:
    rlimit previous_{};
    void (*previousHandler_)(int) = nullptr;
};

} // namespace

TEST_F(DocumentSaveTest, OnlyMdbNamesAreSavedTo)
{
    openDownload();
    for (const char* name : {"results.mdb2", "results"}) {
        const OperationResult refused = document_->onSaveDocument(path(name));
        EXPECT_TRUE(refused.isFailure()) << name;
        EXPECT_EQ(refused.message(), "File extension needs to be .mdb");
    }
    EXPECT_TRUE(prompt_.exchanges().isEmpty()) << "the window shows the reason, not the document";
    EXPECT_FALSE(QFile::exists(path("results.mdb2")));
    EXPECT_TRUE(document_->isModified());

    ASSERT_TRUE(document_->onSaveDocument(path("RESULTS.MDB")));
    EXPECT_FALSE(document_->isModified());
    EXPECT_EQ(document_->pathName(), path("RESULTS.MDB"));
    EXPECT_EQ(rows(path("RESULTS.MDB"), "Fiber"), 19);
}

TEST_F(DocumentSaveTest, OverwriteReplacesAndMergeAddsTheRows)
{
    const QString overwrite = makeDatabase("overwrite.mdb", "OLD LINK", 5);
    const QString merge = makeDatabase("merge.mdb", "OLD LINK", 5);
    openDownload();

    prompt_.addAnswer(PromptAnswer::Overwrite);
    ASSERT_TRUE(document_->onSaveDocument(overwrite));
    EXPECT_EQ(prompt_.exchanges().last().text,
              "That file already exists.  Do you wish to overwrite this file, or merge the new data?");
    EXPECT_EQ(prompt_.exchanges().last().caption, "Fibrolog");
    EXPECT_EQ(rows(overwrite, "Fiber"), 19);
    EXPECT_EQ(rows(overwrite, "Site"), 7);

    prompt_.addAnswer(PromptAnswer::Merge);
    ASSERT_TRUE(document_->onSaveDocument(merge));
    EXPECT_EQ(rows(merge, "Fiber"), 24);
    EXPECT_EQ(rows(merge, "Site"), 8);
    EXPECT_EQ(rows(merge, "Company"), 2);
    EXPECT_EQ(rows(merge, "Standards"), 8);
}

TEST_F(DocumentSaveTest, ClosingTheMergeOrOverwriteQuestionSavesNothing)
{
    const QString target = makeDatabase("keep.mdb", "OLD LINK", 5);
    const QByteArray before = fileBytes(target);
    openDownload();
    prompt_.addAnswer(PromptAnswer::Cancel); // Escape, or the window's close button
    const OperationResult cancelled = document_->onSaveDocument(target);
    EXPECT_TRUE(cancelled.isCancelled()) << "no failure for a choice the user made";
    EXPECT_EQ(cancelled.message(), QStringLiteral("The save was cancelled; %1 is unchanged.").arg(target));
    EXPECT_EQ(prompt_.exchanges().size(), 1);
    EXPECT_EQ(fileBytes(target), before);
    EXPECT_TRUE(document_->isModified());
    EXPECT_TRUE(document_->pathName().isEmpty());
}

TEST_F(DocumentSaveTest, MergingAnOpenedFileBackReplacesItsOwnRows)
{
    const QString file = makeDatabase("site.mdb", "LINK", 3);
    ASSERT_TRUE(document_->onOpenDocument(file));
    document_->fiberSet()->edit();
    document_->fiberSet()->fiberName = "1A";
    document_->fiberSet()->update();
    document_->setModifiedFlag();

    prompt_.addAnswer(PromptAnswer::Merge);
    ASSERT_TRUE(document_->onSaveDocument(file));
    EXPECT_EQ(rows(file, "Fiber"), 3);
    Database db;
    db.open(file, true, false, kConnectString);
    CKAVFiberSet2 fibers(db);
    fibers.open();
    fibers.setFilter("[FiberName]='1A'");
    fibers.requery();
    EXPECT_FALSE(fibers.isEOF());
}

TEST_F(DocumentSaveTest, AFailedSaveLeavesTheTargetAsItWasAndTheDocumentModified)
{
    const QString target = makeDatabase("target.mdb", "OLD LINK", 2);
    const QByteArray before = fileBytes(target);
    openDownload();

    for (PromptAnswer answer : {PromptAnswer::Merge, PromptAnswer::Overwrite}) {
        prompt_.addAnswer(answer);
        std::optional<OperationResult> saved;
        {
            FileSizeLimit nearlyFull(static_cast<rlim_t>(before.size() + 1024));
            saved = document_->onSaveDocument(target);
        }
        EXPECT_TRUE(saved->isFailure());
        EXPECT_TRUE(saved->message().startsWith(
            "Failed to save the file.\nPlease select a different filename and try again.\n"))
            << saved->message().toStdString();
        EXPECT_EQ(prompt_.exchanges().last().kind, "mergeoverwrite") << "no message box of its own";
        EXPECT_EQ(fileBytes(target), before);
        EXPECT_FALSE(QFile::exists(target + ".saving"));
        EXPECT_TRUE(document_->isModified());
    }
}

TEST_F(DocumentSaveTest, AReadOnlyTargetIsNotWritten)
{
    const QString target = makeDatabase("locked.mdb", "OLD LINK", 2);
    const QByteArray before = fileBytes(target);
    QFile(target).setPermissions(QFile::ReadOwner);
    openDownload();
    EXPECT_EQ(document_->onSaveDocument(target).message(), "Unrecognized read-only database file.\nUnable to "
                                                           "save.\nPlease try to another filename or delete "
                                                           "this file.");
    EXPECT_TRUE(prompt_.exchanges().isEmpty());
    EXPECT_EQ(fileBytes(target), before);
    EXPECT_TRUE(document_->isModified());
}

TEST_F(DocumentSaveTest, AFileThatIsNotATestDatabaseIsNeverReplaced)
{
    writeFile(path("notes.mdb"), "some notes");
    openDownload();
    prompt_.addAnswer(PromptAnswer::Overwrite);
    const OperationResult refused = document_->onSaveDocument(path("notes.mdb"));
    EXPECT_TRUE(refused.isFailure());
    EXPECT_TRUE(refused.message().startsWith("An error occurred:\n"));
    EXPECT_TRUE(refused.message().contains("not a test database")) << refused.message().toStdString();
    EXPECT_EQ(fileBytes(path("notes.mdb")), QByteArray("some notes"));
    EXPECT_TRUE(document_->isModified());

    // Merging into such a file fails and keeps it.
    writeFile(path("other.mdb"), "other notes");
    prompt_.addAnswer(PromptAnswer::Merge);
    EXPECT_FALSE(document_->onSaveDocument(path("other.mdb")));
    EXPECT_EQ(fileBytes(path("other.mdb")), QByteArray("other notes"));
}

TEST_F(DocumentSaveTest, AnEmptyDocumentSavesAsAnEmptyTestDatabaseButNeverOverAFile)
{
    const QString target = makeDatabase("target.mdb", "OLD LINK", 2);
    const QByteArray before = fileBytes(target);
    prompt_.addAnswer(PromptAnswer::Overwrite);
    EXPECT_EQ(
        document_->onSaveDocument(target).message(),
        QStringLiteral("There are no test results to save: %1 exists already and was left as it is.  Choose "
                       "a new file name to save an empty test database.")
            .arg(target));
    EXPECT_TRUE(prompt_.exchanges().isEmpty());
    EXPECT_EQ(fileBytes(target), before);
    EXPECT_FALSE(document_->hasDatabase());

    const QString empty = path("empty.mdb");
    const OperationResult saved = document_->onSaveDocument(empty);
    ASSERT_TRUE(saved) << saved.message().toStdString();
    EXPECT_EQ(SchemaVersions::detectVersion(empty), kCurrentSchemaVersion);
    EXPECT_EQ(rows(empty, "Fiber"), 0);
    EXPECT_EQ(document_->pathName(), empty);
    EXPECT_FALSE(document_->isModified());
    EXPECT_TRUE(prompt_.exchanges().isEmpty());
}

TEST_F(DocumentSaveTest, SavingBackAsksOnlyWhenTheFileChangedOnDiskOrTheDocumentIsNotItsContent)
{
    const QString file = makeDatabase("site.mdb", "LINK", 3);
    const QString other = makeDatabase("other.mdb", "OTHER", 2);
    const QString plainQuestion =
        "That file already exists.  Do you wish to overwrite this file, or merge the new data?";
    const QString changedQuestion = file +
                                    " has changed on disk since it was opened or last saved here.  Do you "
                                    "wish to overwrite this file, or merge the new data?";
    ASSERT_TRUE(document_->onOpenDocument(file));

    // The document is the file's content: saved back whole, without a
    // question, so what was deleted is gone from the file too.
    ASSERT_TRUE(document_->deleteCircuit(0).ok());
    ASSERT_TRUE(document_->save());
    EXPECT_TRUE(prompt_.exchanges().isEmpty()) << prompt_.texts().join('\n').toStdString();
    EXPECT_EQ(rows(file, "Fiber"), 2);
    ASSERT_TRUE(document_->renameCircuit(0, "2A").ok());
    ASSERT_TRUE(document_->save());
    EXPECT_TRUE(prompt_.exchanges().isEmpty());

    // Another program writes into the file: the user is asked, and told why.
    {
        TestDatabaseBuilder elsewhere(file);
        TestDatabaseBuilder::Site site;
        site.name = "ADDED ELSEWHERE";
        site.company = elsewhere.addCompany("Other Co");
        elsewhere.addFiber(elsewhere.addSite(site), "E1", 0, {-25.0f, 0, 0, 0, 0});
    }
    ASSERT_TRUE(document_->renameCircuit(0, "2B").ok());
    prompt_.addAnswer(PromptAnswer::Merge);
    ASSERT_TRUE(document_->save());
    ASSERT_EQ(prompt_.exchanges().size(), 1);
    EXPECT_EQ(prompt_.exchanges().last().text, changedQuestion);
    EXPECT_EQ(rows(file, "Fiber"), 3) << "the other program's circuit is kept";

    // Merged, the file holds more than the document: the next save asks.
    prompt_.addAnswer(PromptAnswer::Overwrite);
    ASSERT_TRUE(document_->save());
    ASSERT_EQ(prompt_.exchanges().size(), 2);
    EXPECT_EQ(prompt_.exchanges().last().text, plainQuestion);
    // Overwritten, it is the document's content again.
    ASSERT_TRUE(document_->save());
    EXPECT_EQ(prompt_.exchanges().size(), 2);

    // Another existing file, and the file after a download replaced the
    // document's content, are asked about as before.
    prompt_.addAnswer(PromptAnswer::Cancel);
    EXPECT_FALSE(document_->onSaveDocument(other));
    EXPECT_EQ(prompt_.exchanges().last().text, plainQuestion);
    ASSERT_TRUE(document_->loadFile(sample("pendra-v2_10.kav")));
    prompt_.addAnswer(PromptAnswer::Cancel);
    EXPECT_FALSE(document_->save());
    EXPECT_EQ(prompt_.exchanges().size(), 4);
    EXPECT_EQ(prompt_.exchanges().last().text, plainQuestion);
    EXPECT_EQ(rows(file, "Fiber"), 2);
}

TEST_F(DocumentSaveTest, TheSavePromptCancelsWhatIsPendingUnlessTheDataAreSafe)
{
    EXPECT_TRUE(document_->saveModified()); // nothing to save: no question
    EXPECT_TRUE(prompt_.exchanges().isEmpty());

    openDownload();
    prompt_.addAnswer(PromptAnswer::Cancel);
    EXPECT_FALSE(document_->saveModified());
    EXPECT_EQ(prompt_.exchanges().last().text, "The data has not yet been saved.  Save now?");
    EXPECT_EQ(prompt_.exchanges().last().caption, "Save");

    prompt_.addAnswer(PromptAnswer::No);
    EXPECT_TRUE(document_->saveModified());

    // Yes, then the file dialog is cancelled: the changes are not saved, so
    // the pending New, Open or Exit must not go on.
    prompt_.addAnswer(PromptAnswer::Yes);
    EXPECT_FALSE(document_->saveModified());
    EXPECT_EQ(prompt_.exchanges().last().kind, "savefile");
    EXPECT_TRUE(document_->isModified());

    // Yes and a file name: saved, the pending operation goes on.
    prompt_.addAnswer(PromptAnswer::Yes);
    prompt_.addSaveFileName(path("saved.mdb"));
    EXPECT_TRUE(document_->saveModified());
    EXPECT_FALSE(document_->isModified());
    EXPECT_EQ(rows(path("saved.mdb"), "Fiber"), 19);
}
