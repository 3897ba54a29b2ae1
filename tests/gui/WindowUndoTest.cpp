#include "WindowFixture.h"

#include "database/Database.h"
#include "database/FiberCursor.h"
#include "database/TestDatabaseSchema.h"
#include "document/EditHistory.h"
#include "gui/CommandIds.h"
#include "gui/ViewControlIds.h"
#include "standards/StandardsCatalog.h"
#include "support/TestDatabaseBuilder.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QMenu>
#include <QProcess>

using namespace CommandIds;
using namespace ViewControlIds;

namespace {

class WindowUndoTest : public WindowTest
{
protected:
    // Two links of two companies; link A has two circuits named "3", which
    // only their place in the file orders.
    QString makeLinks()
    {
        const QString file = path("links.mdb");
        TestDatabaseBuilder builder(file);
        TestDatabaseBuilder::Site a;
        a.name = "O'Brien's Riser";
        a.comment = "north";
        a.company = builder.addCompany("Fibre 'n' Co", "SN:P1", "2.10", "555-0101");
        const RecordId siteA = builder.addSite(a);
        TestDatabaseBuilder::Site b;
        b.name = "Tower";
        b.company = builder.addCompany("Second Co", "SN:P2", "2.10", "555-0202");
        const RecordId siteB = builder.addSite(b);
        builder.addFiber(siteA, "1", 0, {-25.0f, 0, 0, 0, 0});
        builder.addFiber(siteA, "3", 0, {-21.5f, 0, 0, 0, 0});
        builder.addFiber(siteA, "3", 0, {-23.25f, 0, 0, 0, 0});
        builder.addFiber(siteB, "T1", 0, {-24.0f, 0, 0, 0, 0});
        return file;
    }

    // The saved file as "fibrolog-cli export-csv" writes it (every circuit,
    // its identifiers and readings, in order), and the link comment and
    // telephone of each circuit, which the CSV leaves out, as the file holds them.
    QByteArray savedContent(const QString& file)
    {
        QByteArray content = exportCsv(file);
        Database db;
        db.open(file, true, true, kConnectString);
        StandardsCatalog catalog;
        FiberCursor circuits;
        EXPECT_TRUE(circuits.build(db, catalog).ok());
        for (int i = 0; i < circuits.count(); ++i) {
            const CircuitRecord& circuit = circuits.recordAt(i);
            content += (circuit.linkComment + u'|' + circuit.companyPhone + u'\n').toUtf8();
        }
        return content;
    }

    QByteArray exportCsv(const QString& file)
    {
        const QString csv = path("saved.csv");
        QFile::remove(csv);
        QProcess cli;
        cli.start(QStringLiteral(FIBROLOG_CLI_PATH), {"export-csv", file, csv});
        if (!cli.waitForFinished(60000) || cli.exitCode() != 0)
            return "export-csv failed: " + cli.readAllStandardError();
        QFile read(csv);
        return read.open(QIODevice::ReadOnly) ? read.readAll() : QByteArray("no CSV");
    }

    void save()
    {
        trigger(FileSave);
        ASSERT_TRUE(prompt_.exchanges().isEmpty()) << prompt_.texts().join('\n').toStdString();
        ASSERT_FALSE(document().isModified());
    }

    // Replaces a field's text as a user does: select all, type; then leaves it.
    void typeInto(int id, const QString& text)
    {
        QLineEdit* edit = control<QLineEdit>(id);
        edit->setFocus();
        edit->selectAll();
        if (text.isEmpty())
            QTest::keyClick(edit, Qt::Key_Backspace);
        else
            QTest::keyClicks(edit, text);
        view().setFocus();
    }

    QString menuText(int id) const { return frame_->command(id)->text(); }
};

} // namespace

TEST_F(WindowUndoTest, EveryEditAndADeleteIsUndoneAndRedoneInTheSavedFile)
{
    const QString file = makeLinks();
    ASSERT_TRUE(frame_->openFile(file));
    trigger(ViewDetails);
    const struct
    {
        int field; // 0: Edit > Delete
        const char* typed;
        const char* step;
    } edits[] = {
        {kCircuitId, "1b", "Rename Circuit 1"},
        {kLinkId, "Riser B", "Rename Link O'Brien's Riser"},
        {kLinkComment, "", "Change Comment of Link Riser B"},
        {kCompany, "Fibre & Co", "Rename Company Fibre 'n' Co"},
        {kTelephone, "555-0199", "Change Telephone of Fibre & Co"},
        // The first "3": only its place in the file puts it before the other.
        {0, nullptr, "Delete Circuit 3 of Link Riser B"},
    };
    for (const auto& edit : edits) {
        SCOPED_TRACE(edit.step);
        document().setCurrentIndex(edit.field ? 0 : 1);
        const QByteArray before = savedContent(file);
        const int count = document().circuits().count();
        const CircuitRecord current = document().circuits().current();
        if (edit.field) {
            typeInto(edit.field, QString::fromUtf8(edit.typed));
        } else {
            deleteAnswers_ << DeleteConfirmationAnswer{true, false};
            trigger(EditDelete);
            ASSERT_EQ(document().circuits().count(), count - 1);
        }
        EXPECT_EQ(menuText(EditUndo), QStringLiteral("&Undo %1\tCtrl+Z").arg(edit.step));
        // Saved, the edit is in the file; the history goes on past the save.
        save();
        const QByteArray edited = savedContent(file);
        ASSERT_NE(edited, before);

        view().moveLast(); // an undo shows what it undoes
        trigger(EditUndo);
        EXPECT_EQ(menuText(EditRedo), QStringLiteral("&Redo %1\tCtrl+Shift+Z").arg(edit.step));
        EXPECT_TRUE(document().isModified());
        EXPECT_EQ(document().circuits().count(), count);
        // On the circuit undone, or one of the link or company undone.
        EXPECT_EQ(document().circuits().current().siteNumber, current.siteNumber);
        if (edit.field == kCircuitId || edit.field == 0) {
            EXPECT_EQ(document().circuits().current().fiberNumber, current.fiberNumber);
        }
        save();
        EXPECT_EQ(savedContent(file), before);

        trigger(EditRedo);
        save();
        EXPECT_EQ(savedContent(file), edited);
    }
    // Every step is still there after six saves; opening a file ends them.
    EXPECT_EQ(document().history().stepCount(), static_cast<int>(std::size(edits)));
    ASSERT_TRUE(frame_->openFile(file));
    EXPECT_FALSE(frame_->command(EditUndo)->isEnabled());
    EXPECT_EQ(menuText(EditUndo), "&Undo\tCtrl+Z");
    EXPECT_FALSE(frame_->command(EditRedo)->isEnabled());
}

TEST_F(WindowUndoTest, CtrlZUndoesTheFieldsTypingFirstAndThenTheDocumentsLastStep)
{
    ASSERT_TRUE(frame_->openFile(makeLinks()));
    trigger(ViewDetails);
    frame_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame_.get()));
    // Three keys in one field, one step.
    typeInto(kCircuitId, "1ab");
    EXPECT_EQ(document().history().stepCount(), 1);
    EXPECT_EQ(menuText(EditUndo), "&Undo Rename Circuit 1\tCtrl+Z");

    QLineEdit* comment = control<QLineEdit>(kLinkComment);
    comment->setFocus();
    comment->end(false);
    QTest::keyClicks(comment, " east");
    EXPECT_EQ(document().circuits().recordAt(0).linkComment, "north east");
    EXPECT_EQ(menuText(EditUndo), "&Undo Typing\tCtrl+Z");
    QTest::keyClick(comment, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(comment->text(), "north");
    EXPECT_EQ(document().circuits().recordAt(0).linkComment, "north") << "the field's undo is stored";
    EXPECT_EQ(document().history().stepCount(), 1) << "typing undone to where it began is no step";
    EXPECT_EQ(menuText(EditUndo), "&Undo Rename Circuit 1\tCtrl+Z");

    // Nothing of its own left to undo, the field passes Ctrl+Z to the document.
    QTest::keyClick(comment, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(document().circuits().recordAt(0).circuitId, "1");
    EXPECT_EQ(text(kCircuitId), "1");
    EXPECT_FALSE(frame_->command(EditUndo)->isEnabled());
    EXPECT_EQ(menuText(EditRedo), "&Redo Typing\tCtrl+Shift+Z") << "the field's own redo comes first";
    view().setFocus();
    EXPECT_EQ(menuText(EditRedo), "&Redo Rename Circuit 1\tCtrl+Shift+Z");
    QTest::keyClick(frame_.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(document().circuits().recordAt(0).circuitId, "1ab");
    EXPECT_EQ(text(kCircuitId), "1ab");

    // For the screenshot script: the Edit menu naming the step.
    if (!qEnvironmentVariableIsEmpty("FIBROLOG_SCREENSHOTS")) {
        QMenu* edit = nullptr;
        for (QObject* user : frame_->command(EditUndo)->associatedObjects()) {
            if (auto* menu = qobject_cast<QMenu*>(user))
                edit = menu;
        }
        ASSERT_NE(edit, nullptr);
        edit->popup(frame_->mapToGlobal(QPoint(40, 30)));
        screenshot(*edit, "window-edit-undo-menu");
        edit->hide();
    }
}
