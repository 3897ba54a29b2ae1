#include "database/FiberCursor.h"
#include "database/CircuitStream.h"
#include "database/CustomStandardsLoader.h"
#include "database/Database.h"
#include "standards/StandardsCatalog.h"
#include "support/TestDatabaseBuilder.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

namespace {

class FiberCursorTest : public TempDirTest
{
protected:
    void SetUp() override
    {
        builder_ = std::make_unique<TestDatabaseBuilder>(path("cursor.mdb"));
        company_ = builder_->addCompany("Northwind Cabling");
    }

    // The cursor, after checking that the streamed circuit list, which the
    // CSV export writes, holds the same circuits in the same order.
    FiberCursor build()
    {
        Database& db = builder_->database();
        CustomStandards::reload(catalog_, db);
        FiberCursor cursor;
        EXPECT_TRUE(cursor.build(db, catalog_).ok());
        QStringList streamed;
        EXPECT_TRUE(CircuitStream::forEach(db, catalog_, [&](const CircuitRecord& r) {
            streamed << describe(r);
            return true;
        }));
        QStringList built;
        for (int i = 0; i < cursor.count(); ++i)
            built << describe(cursor.recordAt(i));
        EXPECT_EQ(streamed, built);
        return cursor;
    }

    static QString describe(const CircuitRecord& r)
    {
        QString text = r.fiberNumber + r.linkId + "/" + r.circuitId + " " + r.standardName;
        for (int slot = 0; slot < kSlotCount; ++slot)
            text += QStringLiteral(" %1:%2").arg(r.at(slot).overhead).arg(r.at(slot).verdict);
        return text + QStringLiteral(" slots %1").arg(r.siteSlotCount);
    }

    RecordId site(const QString& name, const QDateTime& date = QDateTime(QDate(2026, 3, 2), QTime(10, 0)))
    {
        TestDatabaseBuilder::Site s;
        s.name = name;
        s.company = company_;
        s.date = date;
        return builder_->addSite(s);
    }

    static QStringList order(const FiberCursor& cursor)
    {
        QStringList out;
        for (int i = 0; i < cursor.count(); ++i)
            out << cursor.at(i).linkId + "/" + cursor.at(i).circuitId;
        return out;
    }

    std::unique_ptr<TestDatabaseBuilder> builder_;
    RecordId company_;
    StandardsCatalog catalog_;
};

const std::array<float, kSlotCount> kAt850{-25.0f, 0, 0, 0, 0};

} // namespace

TEST_F(FiberCursorTest, SortsCircuitIdsAsNumbersOnlyWhenBothArePlainIntegers)
{
    const RecordId a = site("A");
    for (const char* name : {"2", "10", "1"})
        builder_->addFiber(a, name, 0, kAt850);
    const RecordId b = site("B");
    for (const char* name : {"A2", "A10", "007", "7"})
        builder_->addFiber(b, name, 0, kAt850);
    EXPECT_EQ(order(build()), (QStringList{"A/1", "A/2", "A/10", "B/007", "B/7", "B/A10", "B/A2"}));
}

TEST_F(FiberCursorTest, LinkIdsIgnoreCaseAndNewerTestsComeFirst)
{
    const RecordId older = site("Main", QDateTime(QDate(2026, 1, 5), QTime(9, 0)));
    const RecordId newer = site("MAIN", QDateTime(QDate(2026, 2, 5), QTime(9, 0)));
    builder_->addFiber(older, "1", 0, kAt850);
    builder_->addFiber(older, "2", 0, kAt850);
    builder_->addFiber(newer, "1", 0, kAt850);
    const FiberCursor cursor = build();
    EXPECT_EQ(order(cursor), (QStringList{"MAIN/1", "Main/1", "Main/2"}));
    EXPECT_EQ(cursor.at(0).testDate.date(), QDate(2026, 2, 5));
}

TEST_F(FiberCursorTest, MovesStopAtTheEndsAndRemovalKeepsThePositionValid)
{
    const RecordId a = site("A");
    builder_->addFiber(a, "1", 0, kAt850);
    builder_->addFiber(a, "2", 0, kAt850);
    builder_->addFiber(a, "3", 0, kAt850);
    FiberCursor cursor = build();
    EXPECT_FALSE(cursor.movePrevious());
    EXPECT_EQ(cursor.position(), 0);
    EXPECT_TRUE(cursor.moveNext());
    EXPECT_TRUE(cursor.moveNext());
    EXPECT_FALSE(cursor.moveNext());
    EXPECT_EQ(cursor.position(), 2);
    EXPECT_EQ(cursor.current().circuitId, "3");

    cursor.removeCurrent();
    EXPECT_EQ(cursor.count(), 2);
    EXPECT_EQ(cursor.current().circuitId, "2");
    cursor.movePrevious();
    cursor.removeCurrent();
    EXPECT_EQ(cursor.current().circuitId, "2");
    cursor.removeCurrent();
    EXPECT_TRUE(cursor.isEmpty());
    EXPECT_EQ(cursor.position(), -1);
    cursor.removeCurrent(); // nothing left: no effect
    EXPECT_EQ(cursor.current().circuitId, QString());
}

TEST_F(FiberCursorTest, RecordsCarryTheSiteCompanyAndEvaluation)
{
    const RecordId company = builder_->addCompany("Lakeside Fiber", "SN:L5512", "1.60", "555-0177");
    TestDatabaseBuilder::Site s;
    s.name = "Riser 3";
    s.company = company;
    s.comment = "Patch panel B";
    s.wizard = 0b101;
    s.references = {-20.0f, 0, -19.0f, 0, 0};
    s.wavelengths = {"850nm", "9999nm", "1300nm", "9999nm", "9999nm"};
    const RecordId riser = builder_->addSite(s);
    builder_->addFiber(riser, "04", 0, {-30.0f, 0, -23.0f, 0, 0});

    const CircuitRecord r = build().at(0);
    EXPECT_EQ(r.linkId, "Riser 3");
    EXPECT_EQ(r.circuitId, "04");
    EXPECT_EQ(r.companyName, "Lakeside Fiber");
    EXPECT_EQ(r.companyPhone, "555-0177     ");
    EXPECT_EQ(r.serialNumber, "SN:L5512");
    EXPECT_EQ(r.meterModel, "Lintel");
    EXPECT_EQ(r.firmwareVersion, "1.60");
    EXPECT_EQ(r.linkComment, "Patch panel B");
    EXPECT_EQ(r.cableTypeName, "62.5uM MM");
    EXPECT_FLOAT_EQ(r.lengthKm, 2.0f);
    EXPECT_EQ(r.standardName, "EIA/TIA 568-A / CAN-T529");
    EXPECT_EQ(r.testDateText, "3/2/2026");
    EXPECT_EQ(r.uploadDateText, "3/3/2026 8:00 AM");
    EXPECT_EQ(r.siteSlotCount, 2);
    EXPECT_EQ(r.siteSlots[0], 0);
    EXPECT_EQ(r.siteSlots[1], 2);
    EXPECT_EQ(r.slotOf("1300nm"), 2);
    EXPECT_EQ(r.slotOf("1550nm"), -1);
    EXPECT_TRUE(r.hasMeasurementAt("1300nm"));
    EXPECT_FALSE(r.hasMeasurementAt("9999nm"));
    EXPECT_FLOAT_EQ(r.at(0).allowedLoss, 9.3f);
    EXPECT_EQ(r.at(0).verdict, VerdictFail);
    EXPECT_FLOAT_EQ(r.at(2).allowedLoss, 4.8f); // 3.0 + 1.5 + 0.3
    EXPECT_EQ(r.at(2).verdict, VerdictPass);
}

TEST_F(FiberCursorTest, SiteSlotsAreTheFirstThreeMeasuredAcrossItsFibers)
{
    const RecordId a = site("A");
    builder_->addFiber(a, "1", 0, {-20.0f, 0, -21.0f, 0, -22.0f});
    builder_->addFiber(a, "2", 0, {0, -20.5f, 0, 0, 0});
    const FiberCursor cursor = build();
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(cursor.at(i).siteSlotCount, 3);
        EXPECT_EQ(cursor.at(i).siteSlots, (std::array<int, 3>{0, 2, 4}));
    }
}

TEST_F(FiberCursorTest, FibersWithoutSiteOrCompanyStillYieldARecord)
{
    builder_->addFiber(newRecordId(), "orphan", 0, kAt850);
    TestDatabaseBuilder::Site s;
    s.name = "No company row";
    s.company = newRecordId();
    builder_->addFiber(builder_->addSite(s), "1", 0, kAt850);

    const FiberCursor cursor = build();
    ASSERT_EQ(cursor.count(), 2);
    const CircuitRecord orphan = cursor.at(0);
    EXPECT_TRUE(orphan.linkId.isEmpty());
    EXPECT_FALSE(orphan.fiberNumber.isEmpty());
    EXPECT_FALSE(orphan.isMeasured(0));
    const CircuitRecord lonely = cursor.at(1);
    EXPECT_EQ(lonely.linkId, "No company row");
    EXPECT_TRUE(lonely.companyName.isEmpty());
    EXPECT_EQ(lonely.meterModel, "Unknown");
    EXPECT_TRUE(lonely.isMeasured(0));
}

TEST_F(FiberCursorTest, EditsReachEveryRecordOfTheirSiteOrCompanyAndSayWhichInRuns)
{
    const RecordId a = site("A");
    TestDatabaseBuilder::Site other;
    other.name = "B";
    other.company = builder_->addCompany("Harbour Networks");
    const RecordId b = builder_->addSite(other);
    const RecordId c = site("C");
    builder_->addFiber(a, "1", 0, kAt850);
    builder_->addFiber(a, "2", 0, kAt850);
    builder_->addFiber(b, "1", 0, kAt850);
    builder_->addFiber(c, "1", 0, kAt850);
    FiberCursor cursor = build();
    ASSERT_EQ(order(cursor), (QStringList{"A/1", "A/2", "B/1", "C/1"}));

    EXPECT_EQ(cursor.setLink(a, "A renamed", " "), IndexRanges(0, 2));
    EXPECT_EQ(order(cursor), (QStringList{"A renamed/1", "A renamed/2", "B/1", "C/1"}));
    EXPECT_EQ(cursor.at(1).linkComment, " ");

    // Northwind's circuits are 0, 1 and 3: two runs.
    const IndexRanges northwind = cursor.setCompany(company_, "Renamed Co", "555-0100");
    EXPECT_EQ(northwind.count(), 3);
    ASSERT_EQ(northwind.ranges().size(), 2u);
    EXPECT_EQ(northwind.ranges()[0], (IndexRanges::Range{0, 2}));
    EXPECT_EQ(northwind.ranges()[1], (IndexRanges::Range{3, 4}));
    QStringList companies;
    for (int i = 0; i < cursor.count(); ++i) {
        companies << cursor.at(i).companyName + "/" + cursor.at(i).companyPhone;
        EXPECT_EQ(northwind.contains(i), i != 2) << i;
    }
    EXPECT_EQ(companies, (QStringList{"Renamed Co/555-0100", "Renamed Co/555-0100",
                                      "Harbour Networks/555-0142     ", "Renamed Co/555-0100"}));
    EXPECT_TRUE(northwind.intersects(2, 4));
    EXPECT_FALSE(northwind.intersects(2, 3));

    EXPECT_EQ(cursor.setCircuitId(2, "1A"), IndexRanges(2, 3));
    EXPECT_EQ(cursor.at(2).circuitId, "1A");
    EXPECT_TRUE(cursor.setCircuitId(4, "none").isEmpty());
    EXPECT_TRUE(cursor.setCompany("{guid {00000000-0000-0000-0000-000000000000}}", "Nobody", "").isEmpty());

    // After a removal the runs follow: Northwind's circuits are one run now.
    cursor.removeAt(2);
    EXPECT_EQ(cursor.setCompany(company_, "Northwind", "555-0101"), IndexRanges(0, 3));
    EXPECT_EQ(cursor.setLink(c, "C2", " "), IndexRanges(2, 3));
    EXPECT_EQ(cursor.at(2).linkId, "C2");
    EXPECT_TRUE(cursor.setCompany(other.company, "Gone", "").isEmpty());
    cursor.removeAt(0);
    EXPECT_EQ(cursor.setLink(a, "A again", " "), IndexRanges(0, 1));
}

TEST(MeterModel, FollowsTheSerialNumber)
{
    EXPECT_EQ(meterModelFromSerial("SN:P2031"), "Pendra");
    EXPECT_EQ(meterModelFromSerial("SN:L100"), "Lintel");
    EXPECT_EQ(meterModelFromSerial("CV1234"), "Corvina");
    EXPECT_EQ(meterModelFromSerial("CX9"), "QM410");
    EXPECT_EQ(meterModelFromSerial("sn:p2031"), "Unknown");
    EXPECT_EQ(meterModelFromSerial(""), "Unknown");
}
