// Storing Corvina downloads: link creation, the slots and fibers, the changed
// meter's Company row, and every way an import can fail leaving the document
// as it was.
#include "DocumentFixture.h"

#include "app/JobProgress.h"
#include "database/CustomStandardsLoader.h"
#include "document/CircuitCsvExport.h"
#include "document/CorvinaImporter.h"
#include "document/LinkDataSource.h"
#include "meter/CorvinaParser.h"
#include "standards/StandardsCatalog.h"

#include <gtest/gtest.h>

namespace {

// Answers with the link it holds (nullopt: the user cancelled) and keeps what it was asked.
class ScriptedLinkSource : public LinkDataSource
{
public:
    std::optional<LinkData> answer;
    int calls = 0;
    CorvinaMeterInfo meter;
    QList<CompanyChoice> companies;

    std::optional<LinkData> askLinkData(const CorvinaMeterInfo& m, const QList<CompanyChoice>& c) override
    {
        ++calls;
        meter = m;
        companies = c;
        return answer;
    }
};

LinkData standardLink()
{
    LinkData link;
    link.standard.standardNumber = 2; // EIA/TIA 568-A, built in
    link.standard.fiberType = 0;
    link.lengthKm = 0.5;
    link.connectorPairs = 2;
    link.splices = 1;
    link.linkName = QStringLiteral("RISER A");
    link.company.name = QStringLiteral("North Cabling");
    link.company.telephone = QStringLiteral("555-0199");
    return link;
}

void expectPowers(const std::array<float, kSlotCount>& actual, const std::array<float, kSlotCount>& expected)
{
    for (std::size_t n = 0; n < actual.size(); ++n)
        EXPECT_NEAR(actual[n], expected[n], 1e-5f) << "slot " << n;
}

struct SiteRow
{
    RecordId number;
    RecordId company;
    QString name;
    float length = 0;
    int wizard = 0;
    int standard = 0;
    int fiberType = 0;
    RecordId customId;
    QDateTime calibration;
    std::array<float, kSlotCount> references{};
    std::array<QString, kSlotCount> wavelengths;
};

struct CompanyRow
{
    QString name, phone, serial, version;
};

class CorvinaImportTest : public DocumentTest
{
protected:
    void SetUp() override
    {
        DocumentTest::SetUp();
        source_.answer = standardLink();
        document_->setLinkDataSource(&source_);
    }

    SiteRow onlySite()
    {
        CKAVSiteSet2_1 sites(*document_->database());
        sites.open();
        sites.requery();
        EXPECT_EQ(sites.recordCount(), 1);
        SiteRow row;
        if (sites.isEOF())
            return row;
        row = {sites.siteNumber,      sites.companyNumber, sites.siteName,   sites.fiberLength,
               sites.wizard,          sites.standard,      sites.fiberType,  sites.customStandardId,
               sites.calibrationDate, sites.references,    sites.wavelengths};
        return row;
    }

    std::map<RecordId, CompanyRow> companies()
    {
        CKAVCompanySet2 set(*document_->database());
        set.open();
        set.requery();
        std::map<RecordId, CompanyRow> rows;
        for (set.moveFirst(); !set.isEOF(); set.moveNext())
            rows[set.companyNumber] = {set.companyName, set.companyPhone.trimmed(), set.serialNo,
                                       set.version};
        return rows;
    }

    // Fiber name → powers and fiber type.
    std::map<QString, std::pair<std::array<float, kSlotCount>, int>> fibers()
    {
        CKAVFiberSet2 set(*document_->database());
        set.open();
        set.requery();
        std::map<QString, std::pair<std::array<float, kSlotCount>, int>> rows;
        for (set.moveFirst(); !set.isEOF(); set.moveNext())
            rows[set.fiberName] = {set.powers, set.fiberType};
        return rows;
    }

    // A document with a file of its own open, to see that a failed import keeps it.
    void openPreviousFile()
    {
        ASSERT_TRUE(document_->loadFile(sample("lintel-v2_5.kav")));
        previousWorking_ = document_->workingPath();
        previousFiles_ = temporaryFiles();
    }

    void expectDocumentUnchanged()
    {
        EXPECT_EQ(document_->workingPath(), previousWorking_);
        EXPECT_EQ(document_->database()->countRows("Site"), 3);
        EXPECT_EQ(temporaryFiles(), previousFiles_) << "no database is left behind";
    }

    ScriptedLinkSource source_;
    QString previousWorking_;
    QStringList previousFiles_;
};

} // namespace

TEST_F(CorvinaImportTest, TheBundledSampleIsStoredInWavelengthOrder)
{
    const OperationResult loaded = document_->loadFile(sample("corvina.kavw"));
    ASSERT_TRUE(loaded) << loaded.message().toStdString();
    EXPECT_EQ(source_.calls, 1);
    EXPECT_EQ(source_.meter.serial, QStringLiteral("CX30118"));
    EXPECT_EQ(source_.meter.version, QStringLiteral("1.02"));
    EXPECT_EQ(source_.meter.calibrationDate, QDateTime(QDate(2007, 5, 17), QTime(0, 0)));
    EXPECT_TRUE(source_.companies.isEmpty()) << "no document was open";

    const SiteRow site = onlySite();
    EXPECT_EQ(site.name, "RISER A");
    EXPECT_FLOAT_EQ(site.length, 500.0f);
    EXPECT_EQ(site.standard, 2);
    EXPECT_EQ(site.fiberType, 0);
    EXPECT_EQ(site.wizard, 7);
    EXPECT_EQ(site.calibration, source_.meter.calibrationDate);
    // First appearances 1300, 850, 1550 nm; stored ascending, the powers with them.
    EXPECT_EQ(site.wavelengths[0], "850nm");
    EXPECT_EQ(site.wavelengths[1], "1300nm");
    EXPECT_EQ(site.wavelengths[2], "1550nm");
    EXPECT_TRUE(site.wavelengths[3].isEmpty());
    EXPECT_TRUE(site.wavelengths[4].isEmpty());
    EXPECT_NEAR(site.references[0], -18.50f, 1e-5f);
    EXPECT_NEAR(site.references[1], -18.25f, 1e-5f);
    EXPECT_NEAR(site.references[2], -18.30f, 1e-5f);
    EXPECT_FLOAT_EQ(site.references[3], 0.0f);

    const auto stored = fibers();
    ASSERT_EQ(stored.size(), 3u);
    const std::array<float, kSlotCount> first{-22.35f, -20.90f, -19.85f, 0, 0};
    const std::array<float, kSlotCount> third{-22.41f, -20.97f, 0, 0, 0};
    expectPowers(stored.at("01").first, first);
    // The 1550 nm list has two readings only.
    expectPowers(stored.at("03").first, third);
    EXPECT_EQ(stored.at("02").second, 0);

    const auto rows = companies();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows.begin()->first, site.company);
    EXPECT_EQ(rows.begin()->second.serial, "CX30118") << "a new organisation takes the meter's values";
    EXPECT_EQ(rows.begin()->second.phone, "555-0199");
}

TEST_F(CorvinaImportTest, ABuiltInStandardLinkIsJudgedLikeADownloadedOne)
{
    ASSERT_TRUE(document_->loadFile(sample("corvina.kavw")));
    EXPECT_EQ(onlySite().customId, recordIdFromGuid(Guid{}));
    StandardsCatalog catalog;
    QString error;
    ASSERT_TRUE(exportCircuitsCsv(*document_->database(), catalog, path("zero-guid.csv"), &error))
        << error.toStdString();
    document_->database()->execute("UPDATE Site SET CustomStandardID = NULL");
    ASSERT_TRUE(exportCircuitsCsv(*document_->database(), catalog, path("no-id.csv"), &error));
    const QByteArray judged = fileBytes(path("zero-guid.csv"));
    EXPECT_EQ(judged, fileBytes(path("no-id.csv")));
    // Judged for real: the 850 nm row of fiber 01 has an allowed loss and a verdict.
    EXPECT_TRUE(judged.contains(",850nm,-18.50,-22.35,")) << judged.toStdString();
    EXPECT_TRUE(judged.contains(",Pass\r\n") || judged.contains(",Fail\r\n")) << judged.toStdString();
}

TEST_F(CorvinaImportTest, LengthAndCountsAreStoredAsGiven)
{
    LinkData link = standardLink();
    link.lengthKm = 250 * 0.3048 / 1000; // 250 ft
    link.connectorPairs = 32767;
    link.splices = 0;
    source_.answer = link;
    ASSERT_TRUE(document_->loadFile(sample("corvina.kavw")));
    EXPECT_FLOAT_EQ(onlySite().length, 76.2f);
    CKAVSiteSet2_1 sites(*document_->database());
    sites.open();
    sites.requery();
    EXPECT_EQ(sites.connections, 32767);
    EXPECT_EQ(sites.splices, 0);
}

TEST_F(CorvinaImportTest, AnOrganisationOfTheOpenFileIsCopiedAndAChangedMeterGetsItsOwnRow)
{
    openPreviousFile();
    const QList<CompanyChoice> offered = document_->companyChoices();
    ASSERT_FALSE(offered.isEmpty());

    CompanyChoice same{newRecordId(), "Corvina Owner", "555-0100", "CX30118", "1.02"};
    LinkData link = standardLink();
    link.company = same;
    source_.answer = link;
    ASSERT_TRUE(document_->loadFile(sample("corvina.kavw")));
    EXPECT_EQ(source_.companies.size(), offered.size()) << "the open file's organisations are offered";
    auto rows = companies();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(onlySite().company, same.number) << "the same meter: the organisation's own number";
    EXPECT_EQ(rows.at(same.number).phone, "555-0100");

    // Another firmware version is another meter row, under the organisation's name.
    link.company.version = "1.01";
    source_.answer = link;
    ASSERT_TRUE(document_->loadFile(sample("corvina.kavw")));
    rows = companies();
    ASSERT_EQ(rows.size(), 2u);
    const SiteRow site = onlySite();
    EXPECT_NE(site.company, same.number);
    EXPECT_EQ(rows.at(same.number).version, "1.01") << "the organisation's row stays as it was";
    const CompanyRow meterRow = rows.at(site.company);
    EXPECT_EQ(meterRow.name, "Corvina Owner");
    EXPECT_EQ(meterRow.phone, "555-0100");
    EXPECT_EQ(meterRow.serial, "CX30118");
    EXPECT_EQ(meterRow.version, "1.02");
}

TEST_F(CorvinaImportTest, AMeterWithoutSerialNumberLeavesTheOrganisationsSerialAlone)
{
    // "CV<NONE>": no serial number, a version, no calibration date.
    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    ASSERT_TRUE(document_->loadFile(sample("corvina-no-serial.kavw")));
    EXPECT_FALSE(source_.meter.serial);
    EXPECT_GE(source_.meter.calibrationDate, before) << "the calibration date is now";
    auto rows = companies();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows.begin()->second.serial, "unknown");
    EXPECT_EQ(rows.begin()->second.version, "1.05");

    // An existing organisation: only the version is compared.
    LinkData link = standardLink();
    link.company = {newRecordId(), "Owner", "", "SN-7", "1.05"};
    source_.answer = link;
    ASSERT_TRUE(document_->loadFile(sample("corvina-no-serial.kavw")));
    EXPECT_EQ(companies().size(), 1u);
    EXPECT_EQ(onlySite().company, link.company.number);

    // No header at all: neither is known.
    source_.answer = standardLink();
    ASSERT_TRUE(document_->loadFile(sample("corvina-no-header.kavw")));
    rows = companies();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows.begin()->second.serial, "unknown");
    EXPECT_EQ(rows.begin()->second.version, "unknown");
}

TEST_F(CorvinaImportTest, NothingIsStoredWhenTheUserCancelsOrTheDataCannotBeUsed)
{
    openPreviousFile();

    source_.answer.reset();
    const OperationResult cancelled = document_->loadFile(sample("corvina.kavw"));
    EXPECT_TRUE(cancelled.isCancelled());
    EXPECT_EQ(cancelled.message(), "Cancelled; nothing was changed.");
    expectDocumentUnchanged();

    source_.answer = standardLink();
    source_.calls = 0;
    EXPECT_EQ(document_->loadFile(sample("corvina-bad-date.kavw")).message(),
              "The calibration date '17th May' in the download cannot be read; nothing was imported.");
    EXPECT_EQ(document_->loadFile(sample("corvina-header-only.kavw")).message(),
              "No test data found in the download");
    EXPECT_EQ(document_->loadFile(sample("corvina-empty.kavw")).message(),
              "No test data found in the download");
    EXPECT_EQ(source_.calls, 0) << "nobody is asked for link data that cannot be used";
    expectDocumentUnchanged();

    LinkData unnamed = standardLink();
    unnamed.linkName.clear();
    source_.answer = unnamed;
    EXPECT_EQ(document_->loadFile(sample("corvina.kavw")).message(),
              "The link name must have 1 to 50 characters.");
    expectDocumentUnchanged();

    document_->setLinkDataSource(nullptr);
    EXPECT_TRUE(document_->loadFile(sample("corvina.kavw"))
                    .message()
                    .startsWith("A Corvina download needs the link data"));
    expectDocumentUnchanged();
}

TEST_F(CorvinaImportTest, ADatabaseErrorDuringTheStoreLeavesNothingBehind)
{
    openPreviousFile();
    // The engine refuses the organisation's serial number (longer than its
    // column) once the store has begun.
    LinkData link = standardLink();
    link.company = {newRecordId(), "Owner", "", QString(21, QLatin1Char('S')), "1.02"};
    source_.answer = link;
    const OperationResult refused = document_->loadFile(sample("corvina.kavw"));
    EXPECT_TRUE(refused.isFailure());
    EXPECT_TRUE(refused.message().startsWith("An error occurred:\n")) << refused.message().toStdString();
    EXPECT_TRUE(refused.message().contains("SerialNo")) << refused.message().toStdString();
    expectDocumentUnchanged();
}

TEST_F(CorvinaImportTest, TheStoreIsOneTransaction)
{
    CorvinaDownload download;
    ASSERT_TRUE(CorvinaParser::parseFile(sample("corvina.kavw"), download));
    // The Company row is written, then the Site row fails: no half database.
    LinkData link = standardLink();
    link.linkName = QString(51, QLatin1Char('L'));
    const QString target = path("new.mdb");
    const ImportResult failed =
        CorvinaImporter::store(download, link, CorvinaImporter::meterInfo(download), target);
    EXPECT_EQ(failed.status, ImportResult::Status::DatabaseError);
    EXPECT_TRUE(failed.message.contains("SiteName")) << failed.message.toStdString();
    EXPECT_FALSE(QFile::exists(target));

    // A cancel between fibers rolls everything back too.
    CorvinaDownload many;
    many.slots.push_back({850, -18.0f, QList<float>(3000, -20.0f)});
    SilentProgress progress;
    progress.cancel();
    const ImportResult cancelled =
        CorvinaImporter::store(many, standardLink(), CorvinaImporter::meterInfo(many), target, &progress);
    EXPECT_EQ(cancelled.status, ImportResult::Status::Cancelled);
    EXPECT_FALSE(QFile::exists(target));
}

TEST_F(CorvinaImportTest, ADownloadFromACorvinaMeterSaysWhatWasLeftOut)
{
    ScriptedMeter meter;
    meter.answer = {LineEvent::data("CX30118")};
    meter.download = {LineEvent::data(fileBytes(sample("corvina-four-wavelengths.kavw")))};
    ports_.meters[4] = meter;
    SilentProgress progress;
    const OperationResult stored = download(progress);
    ASSERT_TRUE(stored) << stored.message().toStdString();
    EXPECT_EQ(status_.texts.last(), "Download successful Readings left out: 3 (a Corvina link holds at most "
                                    "three wavelengths).");
    EXPECT_EQ(document_->importOmissions().size(), 1);
    EXPECT_EQ(document_->database()->countRows("Fiber"), 2);

    // A failed store is never reported as a success.
    ports_.meters[4] = meter;
    source_.answer.reset();
    EXPECT_TRUE(download(progress).isCancelled());
    EXPECT_TRUE(
        status_.texts.last().startsWith("Cancelled; nothing was changed. The downloaded data are kept in"))
        << status_.texts.last().toStdString();
}

TEST(LinkDataValidation, EachLimitHasItsMessage)
{
    EXPECT_EQ(validateLinkData(standardLink()), QString());
    const auto broken = [](auto change) {
        LinkData link = standardLink();
        change(link);
        return validateLinkData(link);
    };
    EXPECT_EQ(broken([](LinkData& l) { l.linkName = QString(50, 'n'); }), QString());
    EXPECT_NE(broken([](LinkData& l) { l.linkName = QString(51, 'n'); }), QString());
    EXPECT_NE(broken([](LinkData& l) { l.company.name.clear(); }), QString());
    EXPECT_NE(broken([](LinkData& l) { l.company.name = QString(51, 'c'); }), QString());
    EXPECT_EQ(broken([](LinkData& l) { l.company.telephone = QString(13, '5'); }), QString());
    EXPECT_EQ(broken([](LinkData& l) { l.company.telephone = QString(14, '5'); }),
              "The telephone number may have at most 13 characters.");
    EXPECT_NE(broken([](LinkData& l) { l.lengthKm = -0.001; }), QString());
    EXPECT_NE(broken([](LinkData& l) { l.lengthKm = std::nan(""); }), QString());
    EXPECT_NE(broken([](LinkData& l) { l.connectorPairs = 32768; }), QString());
    EXPECT_NE(broken([](LinkData& l) { l.splices = -1; }), QString());
    EXPECT_NE(broken([](LinkData& l) { l.standard.fiberType = 4; }), QString());
    EXPECT_NE(broken([](LinkData& l) { l.standard.standardNumber = -1; }), QString());
}
