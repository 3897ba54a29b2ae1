#include "database/CKAVCompanySet2.h"
#include "database/CKAVFiberSet2.h"
#include "database/CKAVSiteSet2_1.h"
#include "database/Condition.h"
#include "database/Database.h"
#include "database/DatabaseException.h"
#include "database/TableRecordset.h"
#include "database/TestDatabaseSchema.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

namespace {

class RecordsetTest : public TempDirTest
{
protected:
    void SetUp() override
    {
        file_ = path("links.mdb");
        ASSERT_TRUE(createTestDatabase(file_, kCurrentSchemaVersion));
        db_.open(file_, true, false, kConnectString);
    }

    RecordId addFiber(const RecordId& site, const QString& name, float power = -21.5f)
    {
        CKAVFiberSet2 fibers(db_);
        fibers.open();
        fibers.addNew();
        fibers.fiberNumber = newRecordId();
        fibers.siteNumber = site;
        fibers.fiberName = name;
        fibers.powers[0] = power;
        fibers.update();
        return fibers.fiberNumber;
    }

    QStringList fiberNames(const QString& filter, const QString& sort = QString())
    {
        CKAVFiberSet2 fibers(db_);
        fibers.open();
        fibers.setFilter(filter);
        fibers.setSort(sort);
        fibers.requery();
        QStringList names;
        for (; !fibers.isEOF(); fibers.moveNext())
            names << fibers.fiberName;
        return names;
    }

    QString file_;
    Database db_;
};

} // namespace

TEST_F(RecordsetTest, FiltersJoinBySiteNumberInEveryWrittenForm)
{
    const RecordId siteA = newRecordId();
    const RecordId siteB = newRecordId();
    addFiber(siteA, "01");
    addFiber(siteA, "02");
    addFiber(siteB, "01");
    EXPECT_EQ(fiberNames("SiteNumber=" + siteA).size(), 2);
    EXPECT_EQ(fiberNames("[SiteNumber] = " + siteB), QStringList{"01"});
    EXPECT_EQ(fiberNames(QString()).size(), 3);
    EXPECT_EQ(fiberNames("[SiteNumber] = " + siteA + " AND [FiberName]='02'"), QStringList{"02"});
    EXPECT_EQ(fiberNames("([FiberName]='01' OR [FiberName]='02') AND NOT [SiteNumber]=" + siteA),
              QStringList{"01"});
    EXPECT_EQ(fiberNames(QString(), "[FiberName] DESC, [SiteNumber]").first(), "02");
    // Jet compares text without regard to case.
    EXPECT_EQ(fiberNames("[FiberName]='01' AND [SiteNumber]=" + siteB).size(), 1);
}

TEST_F(RecordsetTest, QuotedNamesMatchExactlyTheirRow)
{
    const RecordId site = newRecordId();
    const RecordId obrien = addFiber(site, "O'Brien");
    addFiber(site, "O");
    addFiber(site, "Brien");
    const QString filter = QStringLiteral("[FiberName]=%1 AND [SiteNumber]=%2 AND [FiberNumber]=%3")
                               .arg(quoteText("O'Brien"), site, obrien);
    EXPECT_EQ(fiberNames(filter), QStringList{"O'Brien"});
    // A name crafted to widen the condition stays one literal text.
    const QString sly = "x' OR [FiberName]<>'";
    EXPECT_TRUE(fiberNames("[FiberName]=" + quoteText(sly)).isEmpty());
    EXPECT_EQ(quoteText("O'Brien"), "'O''Brien'");
}

TEST_F(RecordsetTest, MalformedConditionsRaiseWithADescription)
{
    for (const QString& bad :
         {QString("[FiberName]='open"), QString("[NoSuchField]=1"), QString("[FiberName] 1"),
          QString("[FiberName]='a' AND"), QString("(FiberName='a'"), QString("FiberName={guid {")}) {
        try {
            fiberNames(bad);
            ADD_FAILURE() << bad.toStdString();
        } catch (const DatabaseException& e) {
            EXPECT_FALSE(e.description().isEmpty());
        }
    }
    EXPECT_THROW(fiberNames(QString(), "[Nope]"), DatabaseException);
}

TEST_F(RecordsetTest, EditUpdateAndDeleteWorkOnTheCurrentRow)
{
    const RecordId site = newRecordId();
    addFiber(site, "01", -20.0f);
    addFiber(site, "02", -21.0f);
    addFiber(site, "03", -22.0f);

    CKAVFiberSet2 fibers(db_);
    fibers.open();
    fibers.moveNext();
    ASSERT_EQ(fibers.fiberName, "02");
    fibers.edit();
    fibers.fiberName = "02A";
    fibers.update();
    EXPECT_EQ(fibers.fiberName, "02A");
    EXPECT_FLOAT_EQ(fibers.powers[0], -21.0f); // untouched columns keep their values

    fibers.deleteRecord();
    fibers.moveNext();
    EXPECT_EQ(fibers.fiberName, "03");
    fibers.requery();
    EXPECT_EQ(fibers.recordCount(), 2);
    EXPECT_EQ(fiberNames(QString()), (QStringList{"01", "03"}));

    EXPECT_THROW(fibers.update(), DatabaseException); // no AddNew or Edit
    fibers.moveNext();
    fibers.moveNext();
    EXPECT_TRUE(fibers.isEOF());
    EXPECT_THROW(fibers.moveNext(), DatabaseException);
    EXPECT_THROW(fibers.edit(), DatabaseException);
}

TEST_F(RecordsetTest, ClearingATextIsAZeroLengthWriteAndIsRefused)
{
    const RecordId site = newRecordId();
    addFiber(site, "01");
    CKAVFiberSet2 fibers(db_);
    fibers.open();
    fibers.edit();
    fibers.fiberName.clear();
    EXPECT_THROW(fibers.update(), DatabaseException);
    fibers.cancelUpdate();
    EXPECT_EQ(fiberNames(QString()), QStringList{"01"});
}

TEST_F(RecordsetTest, RequiredAndPrimaryIndexesRefuseEmptyAndDuplicateKeys)
{
    CKAVSiteSet2_1 sites(db_);
    sites.open();
    sites.addNew();
    sites.siteNumber = newRecordId();
    sites.siteName = "No company";
    EXPECT_THROW(sites.update(), DatabaseException); // CompanyNumber is required
    sites.cancelUpdate();

    const RecordId id = newRecordId();
    for (int i = 0; i < 2; ++i) {
        sites.addNew();
        sites.siteNumber = id;
        sites.companyNumber = newRecordId();
        sites.siteName = "Twice";
        if (i == 0) {
            sites.update();
        } else {
            try {
                sites.update();
                ADD_FAILURE() << "duplicate primary key stored";
            } catch (const DatabaseException& e) {
                EXPECT_TRUE(e.description().contains("SiteNumber")) << e.description().toStdString();
            }
        }
    }
    EXPECT_EQ(db_.countRows("Site"), 1);
}

TEST_F(RecordsetTest, SiteWavelengthsArriveTrimmedAndCommentsRoundTrip)
{
    const RecordId site = newRecordId();
    {
        CKAVSiteSet2_1 sites(db_);
        sites.open();
        sites.addNew();
        sites.siteNumber = site;
        sites.companyNumber = newRecordId();
        sites.siteName = "Riser 3";
        sites.wizard = 0b10101;
        sites.wavelengths = {"850nm", "1310nm", "9999nm", "", "1550nm"};
        sites.siteComment = "Spliced at the patch panel";
        sites.update();
    }
    CKAVSiteSet2_1 sites(db_);
    sites.open();
    sites.setFilter("[SiteNumber] = " + site);
    sites.requery();
    ASSERT_FALSE(sites.isEOF());
    EXPECT_EQ(sites.wavelengths[0], "850nm");
    EXPECT_EQ(sites.wavelengths[1], "1310nm");
    EXPECT_EQ(sites.wavelengths[3], "");
    EXPECT_EQ(sites.siteComment, "Spliced at the patch panel");
    EXPECT_TRUE(sites.wizardBit(0));
    EXPECT_FALSE(sites.wizardBit(1));
    EXPECT_TRUE(sites.wizardBit(4));

    TableRecordset raw(db_, "Site");
    raw.open();
    EXPECT_EQ(raw.value("Wavelength1").toString(), "850nm ");

    CKAVSiteSet2_1 copy(db_);
    copy.open();
    copy.addNew();
    copy.copyFrom(sites);
    EXPECT_EQ(copy.siteName, "Riser 3");
    EXPECT_EQ(copy.siteComment, "Spliced at the patch panel");
    EXPECT_EQ(copy.wavelengths, sites.wavelengths);
    copy.cancelUpdate();
}

TEST_F(RecordsetTest, DynasetSkipsRowsDeletedElsewhereAndShowsAddedRowsAtTheEnd)
{
    const RecordId site = newRecordId();
    addFiber(site, "01");
    addFiber(site, "02");
    CKAVFiberSet2 reader(db_);
    reader.open();
    {
        CKAVFiberSet2 other(db_);
        other.open();
        other.deleteRecord(); // "01", behind the reader's back
    }
    EXPECT_EQ(reader.fiberName, "01"); // loaded before the delete
    reader.moveFirst();
    EXPECT_EQ(reader.fiberName, "02");

    reader.addNew();
    reader.fiberNumber = newRecordId();
    reader.siteNumber = site;
    reader.fiberName = "03";
    reader.update();
    EXPECT_EQ(reader.fiberName, "02"); // the current row stays
    reader.moveNext();
    EXPECT_EQ(reader.fiberName, "03");
}

TEST_F(RecordsetTest, ClosingTheDatabaseClosesItsRecordsets)
{
    CKAVCompanySet2 companies(db_);
    companies.open();
    EXPECT_TRUE(companies.isOpen());
    db_.close();
    EXPECT_FALSE(companies.isOpen());
    EXPECT_THROW(companies.requery(), DatabaseException);
}
