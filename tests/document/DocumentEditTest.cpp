#include "DocumentFixture.h"

#include "database/CKAVCompanySet2.h"
#include "database/Database.h"
#include "document/EditHistory.h"
#include "support/TestDatabaseBuilder.h"

#include <gtest/gtest.h>

namespace {

// What the document told its views.
struct ViewLog
{
    explicit ViewLog(CFibrologDoc& document)
    {
        QObject::connect(&document, &CFibrologDoc::circuitsReset, &context, [this] { events << "reset"; });
        QObject::connect(&document, &CFibrologDoc::circuitsChanged, &context,
                         [this](const CircuitChange& change) { events << describe(change); });
        QObject::connect(&document, &CFibrologDoc::circuitAboutToBeRemoved, &context,
                         [this](int i) { events << QStringLiteral("removing %1").arg(i); });
        QObject::connect(&document, &CFibrologDoc::circuitRemoved, &context,
                         [this](int i) { events << QStringLiteral("removed %1").arg(i); });
        QObject::connect(&document, &CFibrologDoc::currentIndexChanged, &context,
                         [this](int i) { events << QStringLiteral("current %1").arg(i); });
    }
    // "changed 0-2,5 link": the circuits' runs and what of them changed.
    static QString describe(const CircuitChange& change)
    {
        QStringList runs;
        for (const IndexRanges::Range& run : change.circuits.ranges())
            runs << (run.end - run.first == 1 ? QString::number(run.first)
                                              : QStringLiteral("%1-%2").arg(run.first).arg(run.end - 1));
        QStringList parts;
        if (change.changed(CircuitChange::CircuitId))
            parts << "circuit";
        if (change.changed(CircuitChange::Link))
            parts << "link";
        if (change.changed(CircuitChange::Company))
            parts << "company";
        return QStringLiteral("changed %1 %2").arg(runs.join(','), parts.join('+'));
    }
    QObject context; // the connections end with the log
    QStringList events;
};

class DocumentEditTest : public DocumentTest
{
protected:
    // Two links of two companies; names with quotes, as installers write them.
    void SetUp() override
    {
        DocumentTest::SetUp();
        file_ = path("links.mdb");
        {
            TestDatabaseBuilder builder(file_);
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
        }
        ASSERT_TRUE(document_->onOpenDocument(file_));
        ASSERT_EQ(document_->circuits().count(), 4);
    }

    QStringList circuitIds() const
    {
        QStringList ids;
        for (int i = 0; i < document_->circuits().count(); ++i)
            ids << document_->circuits().recordAt(i).circuitId;
        return ids;
    }

    // The file as saved and opened again: what the user finds next time.
    std::unique_ptr<CFibrologDoc> savedAndReopened()
    {
        prompt_.addAnswer(PromptAnswer::Overwrite);
        const OperationResult saved = document_->onSaveDocument(file_);
        EXPECT_TRUE(saved) << saved.message().toStdString();
        auto reopened = std::make_unique<CFibrologDoc>(prompt_, status_, ports_);
        EXPECT_TRUE(reopened->onOpenDocument(file_));
        return reopened;
    }

    QString file_;
};

} // namespace

TEST_F(DocumentEditTest, ACircuitWithAQuoteInItsNameIsRenamedAndTheRenameIsSaved)
{
    ViewLog log(*document_);
    EXPECT_EQ(circuitIds(), (QStringList{"1", "2'a", "3", "T1"}));
    const OperationResult renamed = document_->renameCircuit(1, "2'b");
    ASSERT_TRUE(renamed.ok()) << renamed.message().toStdString();
    EXPECT_EQ(document_->circuits().recordAt(1).circuitId, "2'b");
    EXPECT_EQ(log.events, QStringList{"changed 1 circuit"});
    EXPECT_TRUE(document_->isModified());
    EXPECT_EQ(document_->currentIndex(), 0) << "editing another row does not move the view";

    const auto reopened = savedAndReopened();
    EXPECT_EQ(reopened->circuits().recordAt(1).circuitId, "2'b");
}

TEST_F(DocumentEditTest, ALinkEditReachesEveryCircuitOfTheLinkAndAnEmptyCommentIsABlank)
{
    ViewLog log(*document_);
    ASSERT_TRUE(document_->setLink(0, "O'Brien's Riser B", QString()).ok());
    EXPECT_EQ(log.events, QStringList{"changed 0-2 link"}) << "one signal for the whole link";
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(document_->circuits().recordAt(i).linkId, "O'Brien's Riser B");
        EXPECT_EQ(document_->circuits().recordAt(i).linkComment, " ");
    }
    EXPECT_EQ(document_->circuits().recordAt(3).linkId, "Tower");
    const auto reopened = savedAndReopened();
    EXPECT_EQ(reopened->circuits().recordAt(0).linkComment, " ");
    EXPECT_EQ(reopened->circuits().recordAt(2).linkId, "O'Brien's Riser B");
}

TEST_F(DocumentEditTest, ACompanyEditWritesToTheCompanyOfTheGivenCircuitAndSaysSoOnce)
{
    ViewLog log(*document_);
    ASSERT_TRUE(document_->setCompany(3, "Second Company", QString()).ok());
    EXPECT_EQ(document_->circuits().recordAt(3).companyName, "Second Company");
    EXPECT_EQ(document_->circuits().recordAt(0).companyName, "Fibre 'n' Co");
    CKAVCompanySet2 companies(*document_->database());
    companies.open();
    QStringList names;
    for (; !companies.isEOF(); companies.moveNext())
        names << companies.companyName + "/" + companies.companyPhone.trimmed();
    names.sort();
    EXPECT_EQ(names, (QStringList{"Fibre 'n' Co/555-0101", "Second Company/"}));

    ASSERT_TRUE(document_->setCompany(1, "Fibre 'n' Co.", "555-0101").ok());
    EXPECT_EQ(log.events, (QStringList{"changed 3 company", "changed 0-2 company"}))
        << "one signal per edit, however many circuits the company has";
}

TEST_F(DocumentEditTest, AnEditAFieldCannotHoldChangesNothingAndSaysWhyInTheUsersWords)
{
    ViewLog log(*document_);
    const QByteArray before = fileBytes(document_->workingPath());
    const QString tooLong51(51, QLatin1Char('x'));
    const struct
    {
        OperationResult refused;
        const char* why;
    } refusals[] = {
        {document_->renameCircuit(0, QString()), "The circuit ID cannot be empty."},
        {document_->renameCircuit(0, tooLong51), "The circuit ID can be at most 50 characters long."},
        {document_->setLink(0, QString(), "x"), "The link ID cannot be empty."},
        {document_->setLink(0, tooLong51, "x"), "The link ID can be at most 50 characters long."},
        {document_->setLink(0, "Riser", QString(129, QLatin1Char('c'))),
         "The link comment can be at most 128 characters long."},
        {document_->setCompany(0, QString(), "555"), "The company name cannot be empty."},
        {document_->setCompany(0, tooLong51, "555"), "The company name can be at most 50 characters long."},
        {document_->setCompany(0, "Co", "+49 30 1234 5678"),
         "The telephone number can be at most 13 characters long."},
        {document_->renameCircuit(9, "x"), "There is no such circuit."},
    };
    for (const auto& [refused, why] : refusals) {
        EXPECT_FALSE(refused.ok()) << why;
        EXPECT_EQ(refused.message(), why);
    }
    EXPECT_EQ(circuitIds(), (QStringList{"1", "2'a", "3", "T1"}));
    EXPECT_EQ(document_->circuits().recordAt(0).linkId, "O'Brien's Riser");
    EXPECT_TRUE(log.events.isEmpty());
    EXPECT_FALSE(document_->isModified());
    EXPECT_EQ(fileBytes(document_->workingPath()), before);

    // What fits exactly is stored.
    EXPECT_TRUE(document_->renameCircuit(0, QString(50, QLatin1Char('y'))).ok());
    EXPECT_TRUE(document_->setCompany(0, "Co", "+493012345678").ok());
}

TEST_F(DocumentEditTest, DeletingTheLastCircuitLeavesThePositionOnTheNewLast)
{
    ViewLog log(*document_);
    document_->setCurrentIndex(3);
    ASSERT_TRUE(document_->deleteCircuit(3).ok());
    EXPECT_EQ(document_->circuits().count(), 3);
    EXPECT_EQ(document_->currentIndex(), 2) << "Record 3 of 3, never 4 of 3";
    EXPECT_EQ(log.events, (QStringList{"current 3", "removing 3", "removed 3", "current 2"}));

    // A circuit before the current one: the view stays on its circuit.
    ASSERT_TRUE(document_->deleteCircuit(1).ok()); // "2'a": its quote is no obstacle
    EXPECT_EQ(circuitIds(), (QStringList{"1", "3"}));
    EXPECT_EQ(document_->currentIndex(), 1);
    EXPECT_EQ(document_->circuits().recordAt(document_->currentIndex()).circuitId, "3");
    const auto reopened = savedAndReopened();
    EXPECT_EQ(reopened->circuits().count(), 2);
}

TEST_F(DocumentEditTest, AnUndoTellsTheViewsAsAnEditDoesAndOneTheFileRefusesClearsTheHistory)
{
    EditHistory& history = document_->history();
    ASSERT_TRUE(document_->setLink(0, "Riser B", "north").ok());
    ASSERT_TRUE(document_->deleteCircuit(1).ok());
    prompt_.addAnswer(PromptAnswer::Overwrite);
    ASSERT_TRUE(document_->onSaveDocument(file_));
    ViewLog log(*document_);
    ASSERT_TRUE(history.undo().ok());
    ASSERT_TRUE(history.undo().ok());
    EXPECT_EQ(log.events, (QStringList{"reset", "current 1", "changed 0-2 link"}))
        << "the delete undone starts the views again on the circuit put back";
    EXPECT_TRUE(document_->isModified());
    EXPECT_EQ(circuitIds(), (QStringList{"1", "2'a", "3", "T1"}));
    EXPECT_EQ(document_->circuits().recordAt(2).linkId, "O'Brien's Riser");

    // A link ID longer than its field, as another program wrote it: renamed,
    // it cannot be put back, and the user is told so.
    const QString file = path("long.mdb");
    {
        TestDatabaseBuilder builder(file);
        TestDatabaseBuilder::Site site;
        site.company = builder.addCompany("Co");
        builder.addFiber(builder.addSite(site), "1", 0, {-25.0f, 0, 0, 0, 0});
        builder.database().execute(QStringLiteral("UPDATE Site SET SiteName = '%1'").arg(QString(51, u'L')));
    }
    ASSERT_TRUE(document_->onOpenDocument(file));
    EXPECT_FALSE(history.canUndo()) << "a file opened starts a history of its own";
    ASSERT_TRUE(document_->setLink(0, "Short", QString()).ok());
    const OperationResult undone = history.undo();
    EXPECT_EQ(undone.message(), "The link ID can be at most 50 characters long.");
    EXPECT_EQ(document_->circuits().recordAt(0).linkId, "Short");
    EXPECT_FALSE(history.canUndo());
    EXPECT_FALSE(history.canRedo());
}
