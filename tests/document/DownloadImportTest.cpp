#include "DocumentFixture.h"

#include "database/CKAVStandardsSet2.h"
#include "database/CustomStandardsLoader.h"
#include "document/CircuitCsvExport.h"
#include "document/DownloadImporter.h"
#include "meter/DownloadParser.h"
#include "standards/StandardsCatalog.h"

#include <gtest/gtest.h>

namespace {

class DownloadImportTest : public DocumentTest
{
protected:
    // Three sites, one without fibers; a fiber list for a site that does not
    // exist; readings in columns 0 and 2 of 3 only; a user link budget no
    // site uses; site 2 held to return loss (standard 13).
    QStringList download(bool withReturnLossBlock) const
    {
        QStringList lines = {"'Test Cabling','555-0100','PX1','2.10','01/15/07'",
                             "'CS15','850nm',9.50,'1300nm',4.25"};
        if (withReturnLossBlock)
            lines << "'CS13',2,2,'1310nm',45.00,'1550nm',40.00";
        lines << "'Custom A',0,'',0,0,0,0,0,0"
              << "'Custom A',0,'',0,0,0,0,0,0"
              << "'Custom B',1,'',0,0,0,0,0,0"
              << "'Custom B',1,'',0,0,0,0,0,0"
              << "1,'LINK ONE','01/20/07',1000,2,1,20,7,2,-20.00,-19.50,-19.00"
              << "2,'ORL LINK','01/21/07',500,2,0,20,1,45,-8.00,-8.10"
              << "9,'NO FIBERS','01/22/07',100,2,0,20,1,2,-20.00"
              << ""
              << "1,0,'LINK ONE','01/20/07','850nm','1300nm','1550nm'"
              << "'01',-22.00,,-20.00"
              << "'02',-22.50,,-20.40"
              << ""
              << "2,2,'ORL LINK','01/21/07','1310nm','1550nm'"
              << "'A',-50.00,-48.00"
              << ""
              << "8,0,'ORPHAN','01/22/07','850nm'"
              << "'X',-21.00";
        return lines;
    }

    ImportResult import(const QString& file)
    {
        database_ = path("stored.mdb");
        return DownloadImporter::importFile(file, database_);
    }

    QString database_;
};

} // namespace

TEST_F(DownloadImportTest, StoresOnlyWhatFibersUseAndMapsSlotsToMeasuredColumns)
{
    const ImportResult result = import(writeDownload("a.kav", download(false)));
    ASSERT_TRUE(result.stored()) << result.message.toStdString();
    EXPECT_EQ(result.sites, 2);                 // "NO FIBERS" is dropped
    EXPECT_EQ(result.fibers, 3);                // the orphan list's fiber is not stored
    EXPECT_EQ(rows(database_, "Standards"), 0); // the user link budget nobody uses
    EXPECT_EQ(rows(database_, "Company"), 1);

    Database db;
    db.open(database_, true, false, kConnectString);
    CKAVSiteSet2_1 sites(db);
    sites.open();
    sites.setFilter("[SiteName]='LINK ONE'");
    sites.requery();
    ASSERT_FALSE(sites.isEOF());
    EXPECT_EQ(sites.wavelengths, (std::array<QString, 5>{"850nm", "1550nm", "9999nm", "9999nm", "9999nm"}));
    EXPECT_EQ(sites.references, (std::array<float, 5>{-20.0f, -19.0f, 0, 0, 0}));
    EXPECT_EQ(sites.wizard, 3); // the flags of columns 0 and 2, now in slots 0 and 1
    EXPECT_EQ(sites.standard, 2);
    EXPECT_TRUE(sites.customStandardId.isEmpty());
    EXPECT_FLOAT_EQ(sites.fiberLength, 1000.0f);
    EXPECT_EQ(sites.date.date(), QDate(2007, 1, 20));
    EXPECT_EQ(sites.calibrationDate.date(), QDate(2007, 1, 15));

    CKAVFiberSet2 fibers(db);
    fibers.open();
    fibers.setFilter("[SiteNumber]=" + sites.siteNumber);
    fibers.requery();
    ASSERT_FALSE(fibers.isEOF());
    EXPECT_EQ(fibers.fiberName, "01");
    EXPECT_EQ(fibers.powers, (std::array<float, 5>{-22.0f, -20.0f, 0, 0, 0}));

    // Standard 13 without a return-loss block for the site.
    sites.setFilter("[SiteName]='ORL LINK'");
    sites.requery();
    ASSERT_FALSE(sites.isEOF());
    EXPECT_EQ(sites.standard, 13);
    EXPECT_TRUE(sites.customStandardId.isEmpty());
}

TEST_F(DownloadImportTest, ReturnLossBlocksBecomeStandardsRowsOfTheirSite)
{
    ASSERT_TRUE(import(writeDownload("orl.kav", download(true))).stored());
    Database db;
    db.open(database_, true, false, kConnectString);
    CKAVStandardsSet2 standards(db);
    standards.open();
    ASSERT_EQ(standards.recordCount(), 2);
    EXPECT_EQ(standards.standardNumber, 13);
    EXPECT_EQ(standards.standardName, "EIA/TIA FOTP107A");
    EXPECT_EQ(standards.fiberType, 2);
    EXPECT_EQ(standards.wavelength, "1310nm");
    EXPECT_FLOAT_EQ(standards.maxLoss, 45.0f);
    EXPECT_FLOAT_EQ(standards.maxDistance, -10000000000.0f);
    const RecordId blockId = standards.customStandardId;

    CKAVSiteSet2_1 sites(db);
    sites.open();
    sites.setFilter("[SiteName]='ORL LINK'");
    sites.requery();
    EXPECT_EQ(sites.customStandardId, blockId);
    EXPECT_EQ(sites.standard, 13);
}

TEST_F(DownloadImportTest, NothingToStoreLeavesNoDatabase)
{
    const ImportResult noFibers = import(writeDownload(
        "empty.kav", {"'Test Cabling','555-0100','PX1','2.10','01/15/07'", "'Custom A',0,'',0,0,0,0,0,0",
                      "'Custom A',0,'',0,0,0,0,0,0", "'Custom B',1,'',0,0,0,0,0,0",
                      "'Custom B',1,'',0,0,0,0,0,0", "1,'LINK ONE','01/20/07',1000,2,1,20,7,2,-20.00"}));
    EXPECT_EQ(noFibers.status, ImportResult::Status::NoTestData);
    EXPECT_EQ(noFibers.message, "No test data found in the download");
    EXPECT_FALSE(QFile::exists(database_));

    writeFile(path("garbage.kav"), QByteArray("\x01\x02 no quotes at all"));
    EXPECT_EQ(import(path("garbage.kav")).status, ImportResult::Status::NotReadable);
    EXPECT_FALSE(QFile::exists(database_));
}

TEST_F(DownloadImportTest, ADatabaseErrorStoresNothing)
{
    QStringList lines = download(false);
    lines.replaceInStrings("'1550nm'", "'15500nm'"); // seven characters: too long for a slot's name
    const ImportResult result = import(writeDownload("bad.kav", lines));
    EXPECT_EQ(result.status, ImportResult::Status::DatabaseError);
    EXPECT_TRUE(result.message.startsWith("An error occurred:\n")) << result.message.toStdString();
    EXPECT_FALSE(QFile::exists(database_));
}

TEST_F(DownloadImportTest, OverlongTextsAreShortenedNotLost)
{
    QStringList lines = download(false);
    lines[0] = "'Test Cabling','+1 612 555 0190 ext 12','PX1','2.10','01/15/07'";
    const ImportResult result = import(writeDownload("long.kav", lines));
    ASSERT_TRUE(result.stored());
    EXPECT_EQ(result.shortened, QStringList{"Company.CompanyPhone"});
    Database db;
    db.open(database_, true, false, kConnectString);
    CKAVCompanySet2 company(db);
    company.open();
    EXPECT_EQ(company.companyPhone, "+1 612 555 01");
}

TEST_F(DownloadImportTest, SamplesOfEveryGeneration)
{
    struct Expected
    {
        const char* file;
        int sites;
        int fibers;
    };
    for (const Expected& e : {Expected{"pendra-v1_10.kav", 4, 11}, Expected{"lintel-v1_60.kav", 4, 10},
                              Expected{"pendra-v2_10.kav", 7, 19}, Expected{"lintel-v2_5.kav", 3, 7},
                              Expected{"lintel-v1_20.kav", 3, 4}, Expected{"pendra-v2_20.kav", 4, 8}}) {
        database_ = path(QString(e.file) + ".mdb");
        const ImportResult result = DownloadImporter::importFile(sample(e.file), database_);
        ASSERT_TRUE(result.stored()) << e.file << ": " << result.message.toStdString();
        EXPECT_EQ(result.sites, e.sites) << e.file;
        EXPECT_EQ(result.fibers, e.fibers) << e.file;
    }
}

TEST_F(DownloadImportTest, OldMetersGetTheirReferencesBack)
{
    // Firmware 1.10 (below 1.3): the later table and standard 12. Site 2 is
    // 1320 m, 2 connector pairs, 1 splice, 62.5 um, wizard flags for 850 and 1300 nm:
    //   850 nm:  3.5 x 1.32 + 1.5 + 0.3 = 6.42; -18.47 + 6.42 = -12.05
    //   1300 nm: 1.5 x 1.32 + 1.5 + 0.3 = 3.78; -19.02 + 3.78 = -15.24
    //   1550 nm: no flag, -9.91 stays
    database_ = path("old.mdb");
    ASSERT_TRUE(DownloadImporter::importFile(sample("pendra-v1_10.kav"), database_).stored());
    Database db;
    db.open(database_, true, false, kConnectString);
    CKAVSiteSet2_1 sites(db);
    sites.open();
    sites.setFilter("[SiteName]='MAIN BLDG MDF-IDF2'");
    sites.requery();
    ASSERT_FALSE(sites.isEOF());
    EXPECT_EQ(sites.standard, 12);
    EXPECT_NEAR(sites.references[0], -12.05f, 1e-4f);
    EXPECT_NEAR(sites.references[1], -15.24f, 1e-4f);
    EXPECT_NEAR(sites.references[2], -9.91f, 1e-4f);
    EXPECT_EQ(sites.wavelengths[2], "1550nm");
}

// Each sample download beside the CSV of its stored, evaluated circuits
// (NAME.kav.csv). After a deliberate change, regenerate one with
//   FIBROLOG_SHARED_STANDARDS=/nonexistent fibrolog-cli import NAME.kav x.mdb
//   fibrolog-cli export-csv x.mdb NAME.kav.csv
// and check the changed figures by hand before committing them.
TEST_F(DownloadImportTest, SamplesStoreToTheirExpectedCircuits)
{
    qputenv("FIBROLOG_SHARED_STANDARDS", QFile::encodeName(path("no-shared-standards.mdb")));
    const QDir data(QStringLiteral(FIBROLOG_TEST_DATA_DIR));
    const QStringList samples = data.entryList({QStringLiteral("*.kav")}, QDir::Files);
    ASSERT_GE(samples.size(), 6);
    for (const QString& name : samples) {
        SCOPED_TRACE(name.toStdString());
        database_ = path(name + ".mdb");
        ASSERT_TRUE(DownloadImporter::importFile(data.filePath(name), database_).stored());
        Database db;
        db.open(database_, true, true, kConnectString);
        StandardsCatalog catalog;
        EXPECT_TRUE(CustomStandards::reload(catalog, db).isEmpty());
        QString error;
        ASSERT_TRUE(exportCircuitsCsv(db, catalog, path(name + ".csv"), &error)) << error.toStdString();
        EXPECT_EQ(QString::fromUtf8(fileBytes(path(name + ".csv"))),
                  QString::fromUtf8(fileBytes(data.filePath(name + ".csv"))));
    }
    qunsetenv("FIBROLOG_SHARED_STANDARDS");
}

TEST_F(DownloadImportTest, ReferencesOfOldMetersFollowTheWavelengthOfTheirColumn)
{
    // Firmware 1.20, columns in the order 1300, 850, 1550 nm; 1500.5 m,
    // 2 connector pairs, 1 splice, 62.5 um, the later table:
    //   1300 nm: 1.5 x 1.5005 + 1.5 + 0.3 = 4.05075; -20.00 + 4.05075 = -15.94925
    //   850 nm:  3.5 x 1.5005 + 1.5 + 0.3 = 7.05175; -19.50 + 7.05175 = -12.44825
    //   1550 nm: 1.0 x 1.5005 + 1.5 + 0.3 = 3.3005;  -10.00 + 3.3005  = -6.6995
    // Indexed by column position instead, the 1300 nm column would get the
    // 850 nm budget and its passing fibers would fail.
    database_ = path("order.mdb");
    ASSERT_TRUE(DownloadImporter::importFile(sample("lintel-v1_20.kav"), database_).stored());
    Database db;
    db.open(database_, true, false, kConnectString);
    CKAVSiteSet2_1 sites(db);
    sites.open();
    sites.setFilter("[SiteName]='DOCK OFFICE'");
    sites.requery();
    ASSERT_FALSE(sites.isEOF());
    EXPECT_EQ(sites.wavelengths[0], "1300nm");
    EXPECT_NEAR(sites.references[0], -15.94925f, 1e-4f);
    EXPECT_NEAR(sites.references[1], -12.44825f, 1e-4f);
    EXPECT_NEAR(sites.references[2], -6.6995f, 1e-4f);
    EXPECT_FLOAT_EQ(sites.fiberLength, 1500.5f);
    EXPECT_FLOAT_EQ(sites.temperature, 72.5f);
    EXPECT_EQ(sites.date.date(), QDate(1999, 12, 31));
    EXPECT_EQ(sites.calibrationDate.date(), QDate(1999, 12, 31));
}

TEST_F(DownloadImportTest, AWavelengthWithoutAFixedBudgetKeepsItsReferenceAsSetByHand)
{
    // 1490 nm has no default-budget table: its budget cannot be put back, so
    // the slot is not judged against a budget a second time.
    const ImportResult result = import(
        writeDownload("1490.kav", {"'Co','555','SN:P1','1.10','01/02/05'",
                                   "1,'A','01/02/05',1000,2,0,20,39,-8.00,-9.00,-9.50", "",
                                   "1,3,'A','01/02/05','1310nm','1550nm','1490nm'", "'1',-9.0,-10.0,-10.5"}));
    ASSERT_TRUE(result.stored());
    Database db;
    db.open(database_, true, false, kConnectString);
    CKAVSiteSet2_1 sites(db);
    sites.open();
    EXPECT_EQ(sites.wizard, 3) << "flags 7 (0x27): the 1490 nm column loses its own";
    // Outdoor singlemode, 1 km, 2 connector pairs: 0.5 + 1.5 = 2.0 dB put back.
    EXPECT_NEAR(sites.references[0], -6.0f, 1e-4f);
    EXPECT_NEAR(sites.references[1], -7.0f, 1e-4f);
    EXPECT_FLOAT_EQ(sites.references[2], -9.5f);
}

TEST_F(DownloadImportTest, ASecondListOfALinkAddsItsWavelengthsWithoutMovingTheFirst)
{
    database_ = path("lists.mdb");
    ASSERT_TRUE(DownloadImporter::importFile(sample("pendra-v2_20.kav"), database_).stored());
    Database db;
    db.open(database_, true, false, kConnectString);
    CKAVSiteSet2_1 sites(db);
    sites.open();
    sites.setFilter("[SiteName]='MILL STREET'");
    sites.requery();
    ASSERT_FALSE(sites.isEOF());
    // The first list measured only 1300 nm (its second column), the second both.
    EXPECT_EQ(sites.wavelengths, (std::array<QString, 5>{"1300nm", "850nm", "9999nm", "9999nm", "9999nm"}));
    EXPECT_EQ(sites.references, (std::array<float, 5>{-19.0f, -18.0f, 0, 0, 0}));
    EXPECT_EQ(sites.wizard, 3);
    CKAVFiberSet2 fibers(db);
    fibers.open();
    fibers.setFilter("[FiberName]='M1'");
    fibers.requery();
    EXPECT_EQ(fibers.powers, (std::array<float, 5>{-22.0f, 0, 0, 0, 0}));
    fibers.setFilter("[FiberName]='M3'");
    fibers.requery();
    EXPECT_EQ(fibers.powers, (std::array<float, 5>{-20.4f, -21.5f, 0, 0, 0}));

    sites.setFilter("[SiteName]='RING SIX'");
    sites.requery();
    EXPECT_EQ(sites.wavelengths, (std::array<QString, 5>{"850nm", "980nm", "1300nm", "1480nm", "1550nm"}));
}

TEST_F(DownloadImportTest, WhatCannotBeStoredIsCountedAndNoLinkIsLeftEmpty)
{
    const ImportResult result = DownloadImporter::importFile(sample("pendra-v2_20.kav"), path("left.mdb"));
    ASSERT_TRUE(result.stored());
    EXPECT_EQ(result.omissions.fibersWithoutLink, 1);             // LOST LINK has no site record
    EXPECT_EQ(result.omissions.readingsWithoutReference, 1);      // PIER ROAD at 1300 nm
    EXPECT_EQ(result.omissions.readingsWithoutWavelength, 1);     // HILL SM's third field
    EXPECT_EQ(result.omissions.readingsBeyondFiveWavelengths, 1); // RING SIX at 1625 nm
    EXPECT_EQ(result.omissions.describe(),
              (QStringList{"Fibers left out: 1 (the download holds no link record for them).",
                           "Readings left out: 1 (their link has no reference power at that wavelength).",
                           "Readings left out: 1 (their column has no wavelength name).",
                           "Readings left out: 1 (a link holds at most five wavelengths)."}));

    // A link whose fiber lists hold no fiber is not stored as an empty link.
    std::optional<DownloadModel> model = DownloadParser::parseFile(sample("pendra-v2_10.kav"));
    ASSERT_TRUE(model);
    const int sites = static_cast<int>(model->sites.size());
    model->fiberLists.first().fibers.clear();
    const ImportResult empty = DownloadImporter::store(*model, path("empty-list.mdb"));
    ASSERT_TRUE(empty.stored());
    EXPECT_EQ(empty.sites, sites - 1);
    EXPECT_FALSE(empty.omissions.any());
}

TEST_F(DownloadImportTest, ReadingsThatAreNoNumbersAreLeftOutAndCounted)
{
    // Forty digits overflow a single-precision float: infinity, a damaged field.
    const QString huge = "-" + QString(40, QLatin1Char('9'));
    const ImportResult result = import(writeDownload(
        "huge.kav",
        {"'Co','555','SN:P1','2.10','01/02/07'", "'C',0,'',0,0,0,0,0,0", "'C',0,'',0,0,0,0,0,0",
         "'C',1,'',0,0,0,0,0,0", "'C',1,'',0,0,0,0,0,0", "1,'A','01/02/07',100,2,0,20,3,2,-20.0,-19.0", "",
         "1,0,'A','01/02/07','850nm','1300nm'", "'1'," + huge + ",-20.5", "'2',-21.0,-20.4"}));
    ASSERT_TRUE(result.stored());
    EXPECT_EQ(result.omissions.readingsNotFinite, 1);
    EXPECT_EQ(result.omissions.describe(), QStringList{"Readings left out: 1 (damaged: not a number)."});
    Database db;
    db.open(database_, true, false, kConnectString);
    CKAVFiberSet2 fibers(db);
    fibers.open();
    fibers.setFilter("[FiberName]='1'");
    fibers.requery();
    EXPECT_EQ(fibers.powers, (std::array<float, 5>{0, -20.5f, 0, 0, 0}));
}

TEST_F(DownloadImportTest, DamagedValuesAreLeftOutAndCountedAndTheRestIsStored)
{
    // A meter writes a number as a sign, digits and one point. Each fiber of
    // link A has one 850 nm field it never writes, or a power no meter reads;
    // its 1300 nm reading is sound and stored.
    const QStringList fields850 = {"1e400",    "-1e3", "1e-2", "-19.2.3", "abc", "-", "- 19.5", // not numbers
                                   "-150.0",   "45.0",  // no meter reads these
                                   " -21.00 ", "+3.5"}; // sound
    QStringList lines = {
        "'Co','555','SN:P1','2.10','01/02/07'", "'C',0,'',0,0,0,0,0,0", "'C',0,'',0,0,0,0,0,0",
        "'C',1,'',0,0,0,0,0,0", "'C',1,'',0,0,0,0,0,0", "1,'A','01/02/07',100,2,0,20,3,2,-20.0,-19.0",
        // A damaged reference: the 850 nm readings of B have none.
        "2,'B','01/02/07',100,2,0,20,3,2,-2O.0,-19.0",
        // Damaged conditions: length, temperature, a count, a length no link has.
        "3,'C','01/02/07',1e3,2,0,20,3,2,-20.0,-19.0", "4,'D','01/02/07',100,2,0,500,3,2,-20.0,-19.0",
        "5,'E','01/02/07',100,-2,0,20,3,2,-20.0,-19.0", "6,'F','01/02/07',600000,2,0,20,3,2,-20.0,-19.0", "",
        "1,0,'A','01/02/07','850nm','1300nm'"};
    for (int i = 0; i < fields850.size(); ++i)
        lines << QStringLiteral("'A%1',%2,-20.5").arg(i).arg(fields850.at(i));
    lines << ""
          << "2,0,'B','01/02/07','850nm','1300nm'"
          << "'B1',-22.0,-21.0"
          << "'B2',-22.5,-21.5";
    for (int site = 3; site <= 6; ++site)
        lines << "" << QStringLiteral("%1,0,'L','01/02/07','850nm','1300nm'").arg(site) << "'X',-22.0,-21.0";
    const ImportResult result = import(writeDownload("damaged.kav", lines));
    ASSERT_TRUE(result.stored()) << result.message.toStdString();
    EXPECT_EQ(
        result.omissions.describe(),
        (QStringList{"Readings left out: 7 (damaged: not a number).",
                     "Readings left out: 2 (damaged: outside the -100 to 40 dBm that a loss meter reads).",
                     "Readings left out: 2 (damaged: their link's reference power at that wavelength).",
                     "Fibers left out: 4 (damaged: their link's length, connector pairs, splices or "
                     "temperature, so they cannot be judged)."}));
    EXPECT_EQ(result.sites, 2);
    EXPECT_EQ(result.fibers, fields850.size() + 2);

    Database db;
    db.open(database_, true, false, kConnectString);
    CKAVFiberSet2 fibers(db);
    fibers.open();
    const auto powersOf = [&fibers](const QString& name) {
        fibers.setFilter("[FiberName]='" + name + "'");
        fibers.requery();
        return fibers.powers;
    };
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(powersOf(QStringLiteral("A%1").arg(i)), (std::array<float, 5>{0, -20.5f, 0, 0, 0}))
            << fields850.at(i).toStdString();
    EXPECT_EQ(powersOf("A9"), (std::array<float, 5>{-21.0f, -20.5f, 0, 0, 0}));
    EXPECT_EQ(powersOf("A10"), (std::array<float, 5>{3.5f, -20.5f, 0, 0, 0}));
    EXPECT_EQ(powersOf("B1"), (std::array<float, 5>{-21.0f, 0, 0, 0, 0})) << "only 1300 nm has a reference";
}

TEST_F(DownloadImportTest, ADownloadCutInTheMiddleOfARecordIsRefused)
{
    QByteArray bytes = fileBytes(sample("pendra-v2_10.kav"));
    bytes.chop(4); // "-12.97" of the last reading becomes "-12."
    writeFile(path("cut.kav"), bytes);
    const ImportResult result = import(path("cut.kav"));
    EXPECT_EQ(result.status, ImportResult::Status::Incomplete);
    EXPECT_EQ(result.message,
              "The download is incomplete: its data end in the middle of a record. Nothing was "
              "stored; the data are kept in " +
                  path("cut.kav") + ".");
    EXPECT_FALSE(QFile::exists(database_));
}
