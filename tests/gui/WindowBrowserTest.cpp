#include "WindowFixture.h"

#include "gui/CommandIds.h"
#include "gui/ViewControlIds.h"
#include "gui/browser/CircuitBrowser.h"
#include "support/TestDatabaseBuilder.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDockWidget>
#include <QHeaderView>
#include <QImage>
#include <QStandardItemModel>
#include <QTableView>
#include <QTreeView>

using namespace CommandIds;
using namespace ViewControlIds;

namespace {

class WindowBrowserTest : public WindowTest
{
protected:
    // Northwind's links "A" (six circuits: 3 fails at 850 nm, 5 at 1300 nm, 6
    // is of another fiber type and has notes) and "B" (three that pass);
    // Harbour's link "C" (five circuits: 2 fails at both wavelengths).
    QString makeProject()
    {
        const QString file = path("project.mdb");
        TestDatabaseBuilder builder(file);
        const RecordId northwind =
            builder.addCompany("Northwind Cabling", "SN:P204417", "2.10", "604-555-0142");
        const RecordId harbour = builder.addCompany("Harbour Networks", "SN:L7731", "3.02", "250-555-0199");
        const auto addLink = [&builder](const QString& name, const RecordId& company) {
            TestDatabaseBuilder::Site site;
            site.name = name;
            site.company = company;
            site.wizard = 0b11;
            site.references = {-20.0f, -20.0f, 0, 0, 0};
            site.wavelengths = {"850nm", "1300nm", "9999nm", "9999nm", "9999nm"};
            return builder.addSite(site);
        };
        constexpr float pass = -21.0f;
        constexpr float fail = -40.0f;
        const RecordId a = addLink("A", northwind);
        for (int i = 1; i <= 6; ++i)
            builder.addFiber(a, QString::number(i), i == 6 ? 1 : 0,
                             {i == 3 ? fail : pass - 0.1f * i, i == 5 ? fail : pass - 0.1f * i, 0, 0, 0});
        const RecordId b = addLink("B", northwind);
        for (int i = 1; i <= 3; ++i)
            builder.addFiber(b, QString::number(i), 0, {pass, pass, 0, 0, 0});
        const RecordId c = addLink("C", harbour);
        for (int i = 1; i <= 5; ++i)
            builder.addFiber(c, QString::number(i), 0, {i == 2 ? fail : pass, i == 2 ? fail : pass, 0, 0, 0});
        return file;
    }

    void open()
    {
        ASSERT_TRUE(frame_->openFile(makeProject()));
        QTRY_VERIFY(browser().isFilled());
    }

    CircuitBrowser& browser() { return frame_->circuitBrowser(); }
    QTableView& table() { return *browser().table(); }

    int column(const QString& heading)
    {
        for (int c = 0; c < table().model()->columnCount(); ++c) {
            if (table().model()->headerData(c, Qt::Horizontal).toString() == heading)
                return c;
        }
        ADD_FAILURE() << "no column " << heading.toStdString();
        return 0;
    }

    QString cell(int row, int column) { return table().model()->index(row, column).data().toString(); }

    // "link:circuit" of every row, top to bottom.
    QStringList rows()
    {
        QStringList shown;
        for (int r = 0; r < table().model()->rowCount(); ++r)
            shown << cell(r, 0) + ":" + cell(r, 1);
        return shown;
    }

    // "name circuits failing" of each row of the tree, depth first, open or not.
    QStringList tree()
    {
        QStringList lines;
        const QAbstractItemModel* model = browser().tree()->model();
        std::function<void(const QModelIndex&, int)> walk = [&](const QModelIndex& parent, int depth) {
            for (int r = 0; r < model->rowCount(parent); ++r) {
                if (browser().tree()->isRowHidden(r, parent))
                    continue;
                const QModelIndex name = model->index(r, 0, parent);
                lines << QString(depth * 2, ' ') + name.data().toString() + " " +
                             model->index(r, 1, parent).data().toString() + " " +
                             model->index(r, 2, parent).data().toString();
                walk(name, depth + 1);
            }
        };
        walk(QModelIndex(), 0);
        return lines;
    }

    void clickTreeRow(const QString& name)
    {
        QTreeView* view = browser().tree();
        const QModelIndexList found = view->model()->match(view->model()->index(0, 0), Qt::DisplayRole, name,
                                                           1, Qt::MatchExactly | Qt::MatchRecursive);
        ASSERT_EQ(found.size(), 1) << name.toStdString();
        view->scrollTo(found.first());
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(found.first()).center());
    }

    void clickHeader(int section)
    {
        QHeaderView* header = table().horizontalHeader();
        // Scrolled to only when out of sight: a sort leaves the table where it was.
        const int left = header->sectionViewportPosition(section);
        if (left < 0 || left + header->sectionSize(section) > header->width())
            table().scrollTo(table().model()->index(0, section));
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(section) + header->sectionSize(section) / 2,
                                 header->height() / 2));
    }

    void clickRow(int row)
    {
        table().scrollTo(table().model()->index(row, 0));
        QTest::mouseClick(table().viewport(), Qt::LeftButton, {},
                          table().visualRect(table().model()->index(row, 1)).center());
    }

    void chooseVerdicts(int item)
    {
        QComboBox* box = browser().verdictFilter();
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Home);
        for (int i = 0; i < item; ++i)
            QTest::keyClick(box, Qt::Key_Down);
        ASSERT_EQ(box->currentIndex(), item);
    }

    void typeFilter(const QString& text)
    {
        QLineEdit* field = browser().textFilter();
        field->setFocus();
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, text);
    }
};

} // namespace

TEST_F(WindowBrowserTest, TheTreeCountsAndTheTableSortsFiltersAndColoursVerdicts)
{
    open();
    EXPECT_TRUE(frame_->circuitBrowserDock()->isVisible());
    EXPECT_EQ(tree(), (QStringList{"All Circuits 14 3", "  Harbour Networks 5 1", "    C 5 1",
                                   "  Northwind Cabling 9 2", "    A 6 2", "    B 3 0"}));
    EXPECT_EQ(rows(), (QStringList{"A:1", "A:2", "A:3", "A:4", "A:5", "A:6", "B:1", "B:2", "B:3", "C:1",
                                   "C:2", "C:3", "C:4", "C:5"}));
    const int overhead1300 = column("1300nm Overhead");
    const int verdict850 = column("850nm Verdict");
    EXPECT_EQ(cell(2, verdict850), QString::fromUtf8("\u2718 Fail"));
    EXPECT_EQ(cell(1, verdict850), QString::fromUtf8("\u2714 Pass"));
    EXPECT_TRUE(cell(5, verdict850).startsWith(QString::fromUtf8("\u26a0 Note")))
        << cell(5, verdict850).toStdString();
    screenshot(*frame_, "window-browser");

    // The colours, read back from what the table paints.
    const auto colourAt = [&](int row) {
        const QModelIndex cell = table().model()->index(row, verdict850);
        table().scrollTo(cell);
        QCoreApplication::processEvents();
        const QImage shot = table().viewport()->grab().toImage();
        const QRect rect = table().visualRect(cell);
        const qreal scale = shot.devicePixelRatio();
        return shot.pixelColor(int((rect.right() - 3) * scale), int(rect.center().y() * scale));
    };
    const QColor failColour = colourAt(2);
    const QColor passColour = colourAt(1); // row 0 is selected
    const QColor noteColour = colourAt(5);
    EXPECT_GT(failColour.red(), failColour.green() + 60) << failColour.name().toStdString();
    EXPECT_GT(passColour.green(), passColour.red() + 30) << passColour.name().toStdString();
    EXPECT_GT(noteColour.red(), noteColour.blue() + 80) << noteColour.name().toStdString();
    EXPECT_GT(noteColour.green(), noteColour.blue() + 60) << noteColour.name().toStdString();

    // Sorting by the 1300 nm overhead: the failing fibers first, equal
    // values in the order of the list; a second click turns it round.
    clickHeader(overhead1300);
    QStringList ascending = rows();
    EXPECT_EQ(ascending.mid(0, 2), (QStringList{"A:5", "C:2"}));
    double previous = -1e9;
    for (int r = 0; r < table().model()->rowCount(); ++r) {
        const double value = cell(r, overhead1300).remove("dB").trimmed().toDouble();
        EXPECT_GE(value, previous) << r;
        previous = value;
    }
    clickHeader(overhead1300);
    EXPECT_EQ(rows().mid(12), (QStringList{"A:5", "C:2"}));
    browser().tree()->expandAll();
    screenshot(*frame_, "window-browser-sorted");
    clickHeader(column("Circuit"));
    EXPECT_EQ(rows().mid(0, 3), (QStringList{"A:1", "B:1", "C:1"}));
    clickHeader(column("Link"));

    const struct
    {
        int verdicts;
        const char* text;
        const char* branch;
        QStringList rows;
    } filters[] = {
        {1, "", nullptr, {"A:3", "A:5", "C:2"}},
        {2, "", nullptr, {"A:6"}},
        {0, "harb", nullptr, {"C:1", "C:2", "C:3", "C:4", "C:5"}},
        {0, "3", nullptr, {"A:3", "B:3", "C:3"}},
        {1, "north", nullptr, {"A:3", "A:5"}},
        {0, "", "B", {"B:1", "B:2", "B:3"}},
        {1, "", "Northwind Cabling", {"A:3", "A:5"}},
        {0, "2", "Northwind Cabling", {"A:2", "B:2"}},
        {0,
         "",
         "All Circuits",
         {"A:1", "A:2", "A:3", "A:4", "A:5", "A:6", "B:1", "B:2", "B:3", "C:1", "C:2", "C:3", "C:4", "C:5"}},
    };
    for (const auto& filter : filters) {
        if (filter.branch)
            clickTreeRow(filter.branch);
        chooseVerdicts(filter.verdicts);
        typeFilter(filter.text);
        EXPECT_EQ(rows(), filter.rows) << filter.verdicts << " " << filter.text;
        EXPECT_EQ(browser().findChild<QLabel*>("browserShownCount")->text(),
                  QStringLiteral("%1 of 14 circuits").arg(filter.rows.size()));
    }

    // View > Circuit Browser hides and shows the dock.
    QAction* toggle = frame_->findChild<QAction*>("cmdCircuitBrowser");
    ASSERT_TRUE(toggle);
    toggle->trigger();
    EXPECT_FALSE(frame_->circuitBrowserDock()->isVisible());
    toggle->trigger();
    EXPECT_TRUE(frame_->circuitBrowserDock()->isVisible());
}

TEST_F(WindowBrowserTest, ARowShowsItsCircuitAndTheBrowserFollowsPagingEditsAndDeletes)
{
    open();
    const auto selectedRow = [this] {
        const QModelIndexList rows = table().selectionModel()->selectedRows();
        return rows.size() == 1 ? rows.first().row() : -1;
    };
    EXPECT_EQ(selectedRow(), 0);

    // In Summary a row shows its circuit's page; in Details the circuit.
    clickRow(10); // C:2
    EXPECT_EQ(record(), "Record 11 of 14");
    EXPECT_EQ(text(summaryRowCaption(1)), "C   :   2");
    trigger(ViewDetails);
    clickRow(7); // B:2
    EXPECT_EQ(text(kLinkId), "B");
    EXPECT_EQ(text(kCircuitId), "2");
    EXPECT_EQ(text(kCompany), "Northwind Cabling");
    // Keys in the table move through the circuits too.
    QTest::keyClick(&table(), Qt::Key_Down);
    EXPECT_EQ(text(kCircuitId), "3");

    // Paging in the view moves the selection, also in another order.
    trigger(Next);
    EXPECT_EQ(selectedRow(), 9);
    clickHeader(0); // Link, descending: C first
    EXPECT_EQ(cell(selectedRow(), 0) + ":" + cell(selectedRow(), 1), "C:1");
    trigger(Previous);
    EXPECT_EQ(cell(selectedRow(), 0) + ":" + cell(selectedRow(), 1), "B:3");
    clickHeader(0);
    // A circuit the filter hides has no row selected.
    typeFilter("harb");
    EXPECT_EQ(selectedRow(), -1);
    typeFilter("");
    EXPECT_EQ(selectedRow(), 8);

    // Edits show at once, in the table and in the tree.
    QLineEdit* circuitId = control<QLineEdit>(kCircuitId);
    circuitId->setFocus();
    circuitId->selectAll();
    QTest::keyClicks(circuitId, "3b");
    EXPECT_EQ(cell(8, 1), "3b");
    QLineEdit* company = control<QLineEdit>(kCompany);
    company->setFocus();
    QTest::keyClick(company, Qt::Key_End);
    QTest::keyClicks(company, " Ltd");
    EXPECT_TRUE(tree().contains("  Northwind Cabling Ltd 9 2")) << tree().join('|').toStdString();
    QLineEdit* linkId = control<QLineEdit>(kLinkId);
    linkId->setFocus();
    linkId->selectAll();
    QTest::keyClicks(linkId, "B2");
    EXPECT_EQ(cell(8, 0), "B2");
    EXPECT_TRUE(tree().contains("    B2 3 0")) << tree().join('|').toStdString();

    // A delete takes the row and the counts with it.
    clickRow(2); // A:3, failing
    deleteAnswers_ << DeleteConfirmationAnswer{true, false};
    table().setFocus();
    trigger(EditDelete);
    ASSERT_EQ(document().circuits().count(), 13);
    EXPECT_EQ(rows().mid(0, 3), (QStringList{"A:1", "A:2", "A:4"}));
    EXPECT_EQ(tree().mid(0, 1), (QStringList{"All Circuits 13 2"}));
    EXPECT_TRUE(tree().contains("    A 5 1")) << tree().join('|').toStdString();
    EXPECT_EQ(cell(selectedRow(), 0) + ":" + cell(selectedRow(), 1), "A:4");
    EXPECT_EQ(text(kCircuitId), "4");
    // The last circuit of a link takes its row in the tree with it.
    clickTreeRow("C");
    for (int i = 0; i < 5; ++i) {
        clickRow(0);
        deleteAnswers_ << DeleteConfirmationAnswer{true, false};
        trigger(EditDelete);
    }
    EXPECT_EQ(tree(),
              (QStringList{"All Circuits 8 1", "  Northwind Cabling Ltd 8 1", "    A 5 1", "    B2 3 0"}));
}
