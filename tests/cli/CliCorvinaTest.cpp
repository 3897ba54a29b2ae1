// Corvina downloads on the command line: the link options, the stored and
// evaluated circuits, the reuse of the target's organisation, usage errors.
#include "cli/CliRun.h"
#include "database/CKAVCompanySet2.h"
#include "database/CKAVSiteSet2_1.h"
#include "database/Database.h"
#include "database/TestDatabaseSchema.h"
#include "support/TestDatabaseBuilder.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <QDate>
#include <QRegularExpression>

namespace {

QString sample(const QString& name)
{
    return QStringLiteral(FIBROLOG_TEST_DATA_DIR "/") + name;
}

QStringList linkOptions(const QString& company = QStringLiteral("North Cabling"))
{
    return {"--standard", "2", "--fiber-type", "0",       "--length-ft", "250",   "--connectors", "2",
            "--splices",  "1", "--link-name",  "RISER A", "--company",   company, "--telephone",  "555-0199"};
}

// The test date of a Corvina link is the moment of the import; the expected
// CSV cannot hold it, so both sides show it as "NOW".
QString withoutTestDate(QString csv)
{
    static const QRegularExpression date(QStringLiteral("^([^,]*,[^,]*,)\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d,"),
                                         QRegularExpression::MultilineOption);
    return csv.replace(date, QStringLiteral("\\1NOW,"));
}

class CliCorvinaTest : public TempDirTest
{
protected:
    void SetUp() override
    {
        qputenv("FIBROLOG_SHARED_STANDARDS", QFile::encodeName(path("no-shared-standards.mdb")));
    }
    void TearDown() override { qunsetenv("FIBROLOG_SHARED_STANDARDS"); }

    CliRun import(const QString& download, const QString& target, const QStringList& options)
    {
        return runCliCaptured(QStringList{"import", download, target} + options);
    }

    // Company name → (serial number, telephone) of the target, and its site count.
    std::multimap<QString, std::pair<QString, QString>> companiesOf(const QString& file)
    {
        Database db;
        db.open(file, true, true, kConnectString);
        CKAVCompanySet2 set(db);
        set.open();
        set.requery();
        std::multimap<QString, std::pair<QString, QString>> rows;
        for (set.moveFirst(); !set.isEOF(); set.moveNext())
            rows.insert({set.companyName, {set.serialNo, set.companyPhone.trimmed()}});
        return rows;
    }
};

} // namespace

// After a deliberate change, regenerate an expected CSV with
//   FIBROLOG_SHARED_STANDARDS=/nonexistent fibrolog-cli import NAME.kavw x.mdb --standard 2
//     --fiber-type 0 --length-ft 250 --connectors 2 --splices 1 --link-name "RISER A"
//     --company "North Cabling" --telephone 555-0199
//   fibrolog-cli export-csv x.mdb NAME.kavw.csv
// and check the changed figures by hand.
TEST_F(CliCorvinaTest, ImportedDownloadsGiveTheirExpectedCircuits)
{
    for (const QString name : {"corvina.kavw", "corvina-four-wavelengths.kavw"}) {
        SCOPED_TRACE(name.toStdString());
        const QString target = path(name + ".mdb");
        const CliRun run = import(sample(name), target, linkOptions());
        ASSERT_EQ(run.status, ExitOk) << run.err.toStdString();
        ASSERT_EQ(runCliCaptured({"export-csv", target, path("out.csv")}).status, ExitOk);
        const QString csv = QString::fromUtf8(fileBytes(path("out.csv")));
        EXPECT_TRUE(csv.contains(QDate::currentDate().toString(Qt::ISODate))) << "tested today";
        EXPECT_EQ(withoutTestDate(csv), withoutTestDate(QString::fromUtf8(fileBytes(sample(name + ".csv")))));
    }
    // What was left out is said on standard error, one line each.
    const CliRun four = import(sample("corvina-four-wavelengths.kavw"), path("again.mdb"), linkOptions());
    EXPECT_TRUE(four.err.contains(
        "fibrolog-cli: Readings left out: 3 (a Corvina link holds at most three wavelengths).\n"))
        << four.err.toStdString();
}

TEST_F(CliCorvinaTest, FeetAreStoredAsMetres)
{
    const QString target = path("feet.mdb");
    ASSERT_EQ(import(sample("corvina.kavw"), target, linkOptions()).status, ExitOk);
    Database db;
    db.open(target, true, true, kConnectString);
    CKAVSiteSet2_1 sites(db);
    sites.open();
    sites.requery();
    ASSERT_FALSE(sites.isEOF());
    EXPECT_FLOAT_EQ(sites.fiberLength, 76.2f);
    EXPECT_EQ(sites.siteName, "RISER A");
}

TEST_F(CliCorvinaTest, AnOrganisationOfTheTargetIsReusedByName)
{
    const QString target = path("site.mdb");
    {
        TestDatabaseBuilder builder(target);
        TestDatabaseBuilder::Site site;
        site.company = builder.addCompany("North Cabling", "CX30118", "1.02", "555-0100");
        builder.addSite(site);
        builder.addCompany("Other Co", "X1", "1", "");
    }
    ASSERT_EQ(import(sample("corvina.kavw"), target, linkOptions()).status, ExitOk);
    auto rows = companiesOf(target);
    EXPECT_EQ(rows.count("North Cabling"), 1u) << "the same organisation, the same meter: one row";
    EXPECT_EQ(rows.find("North Cabling")->second.second, "555-0100") << "its own telephone is kept";
    EXPECT_EQ(runCliCaptured({"info", target}).out, "schema 2.1\nCompany 2\nSite 2\nFiber 3\nStandards 0\n");

    // Another meter of that organisation gets a row of its own beside it.
    ASSERT_EQ(import(sample("corvina-crlf.kavw"), target, linkOptions()).status, ExitOk);
    rows = companiesOf(target);
    ASSERT_EQ(rows.count("North Cabling"), 2u);
    QStringList serials;
    for (auto [it, end] = rows.equal_range("North Cabling"); it != end; ++it)
        serials << it->second.first;
    serials.sort();
    EXPECT_EQ(serials, (QStringList{"CX30118", "CX30142"}));

    // A name the target does not hold is a new organisation.
    ASSERT_EQ(import(sample("corvina.kavw"), target, linkOptions("South Cabling")).status, ExitOk);
    EXPECT_EQ(companiesOf(target).count("South Cabling"), 1u);
}

TEST_F(CliCorvinaTest, MissingOrWrongLinkOptionsAreUsageErrors)
{
    const QString target = path("out.mdb");
    const auto expectUsage = [&](const QString& download, const QStringList& options, const char* says) {
        const CliRun run = import(download, target, options);
        EXPECT_EQ(run.status, ExitUsage) << says;
        EXPECT_TRUE(run.err.contains(QLatin1String(says))) << run.err.toStdString();
        EXPECT_FALSE(QFile::exists(target));
    };
    expectUsage(sample("corvina.kavw"), {}, "option --standard is required");
    QStringList noCompany = linkOptions();
    noCompany.remove(noCompany.indexOf("--company"), 2);
    expectUsage(sample("corvina.kavw"), noCompany, "option --company is required");
    expectUsage(sample("corvina.kavw"), linkOptions() + QStringList{"--length-km", "1"},
                "either --length-km or");
    QStringList noLength = linkOptions();
    noLength.remove(noLength.indexOf("--length-ft"), 2);
    expectUsage(sample("corvina.kavw"), noLength, "either --length-km or");
    QStringList longName = linkOptions();
    longName[longName.indexOf("RISER A")] = QString(51, QLatin1Char('R'));
    expectUsage(sample("corvina.kavw"), longName, "The link name must have 1 to 50 characters.");
    QStringList manyConnectors = linkOptions();
    manyConnectors[manyConnectors.indexOf("--connectors") + 1] = "40000";
    expectUsage(sample("corvina.kavw"), manyConnectors,
                "option --connectors needs a whole number from 0 to 32767");
    expectUsage(sample("corvina.kavw"), linkOptions() + QStringList{"--custom-id", "nope"},
                "option --custom-id takes a custom standard's id as add-standard prints it");
    // A length no link has, in either unit: 1e40 was once stored as an
    // infinite length that every fiber "passed".
    const auto withOption = [](const QString& option, const QString& value) {
        QStringList options = linkOptions();
        options[options.indexOf(option) + 1] = value;
        return options;
    };
    QStringList inKm = linkOptions();
    inKm[inKm.indexOf("--length-ft")] = "--length-km";
    for (const char* km : {"1e40", "500.01", "-1", "inf", "nan"}) {
        inKm[inKm.indexOf("--length-km") + 1] = QLatin1String(km);
        expectUsage(sample("corvina.kavw"), inKm, "option --length-km needs a number from 0 to 500");
    }
    expectUsage(sample("corvina.kavw"), withOption("--length-ft", "1640420"),
                "option --length-ft needs a number from 0 to 1640419");
    // A standard, or a fiber type of it, that the catalogue does not hold
    // was stored with a blank name; what exists is listed.
    expectUsage(sample("corvina.kavw"), withOption("--standard", "99"),
                "There is no standard 99. The standards are: 2 EIA/TIA 568-A / CAN-T529, 3 ISO 11801, ");
    expectUsage(sample("corvina.kavw"), withOption("--standard", "25"),
                "25 10GBase-S OM3 covers no fiber type 0; it covers 1 (50.0uM MM).");
    expectUsage(sample("corvina.kavw"),
                withOption("--standard", "0") +
                    QStringList{"--custom-id", "6b1f3c2e-9a4d-4e57-8c21-0d9e5f7a3b10"},
                "There is no standard 0 {guid {6b1f3c2e-9a4d-4e57-8c21-0d9e5f7a3b10}}.");
    // A .kav download carries its own link data.
    expectUsage(sample("lintel-v2_5.kav"), {"--company", "X"}, "Corvina download (.kavw) only");

    // A custom standard the target holds is one its links may name.
    const QString project = path("project.mdb");
    const RecordId planId = QStringLiteral("{guid {6b1f3c2e-9a4d-4e57-8c21-0d9e5f7a3b12}}");
    TestDatabaseBuilder(project).addStandard(0, "Riser Plan", planId, 0, "850nm", 0, 3.5f, 0.75f, 0.3f);
    const CliRun planned = import(sample("corvina.kavw"), project,
                                  withOption("--standard", "0") + QStringList{"--custom-id", planId});
    EXPECT_EQ(planned.status, ExitOk) << planned.err.toStdString();

    // Usable options, unusable data: an error, not a usage error.
    const CliRun bad = import(sample("corvina-bad-date.kavw"), target, linkOptions());
    EXPECT_EQ(bad.status, ExitError);
    EXPECT_TRUE(bad.err.contains("The calibration date '17th May'")) << bad.err.toStdString();
    EXPECT_FALSE(QFile::exists(target));
}

TEST_F(CliCorvinaTest, OnlyWholeWellFormedLinesAreReadings)
{
    struct Case
    {
        const char* name;
        QByteArray bytes;
        int status;
        QStringList says;
        const char* fibers; // the target's Fiber rows, or nullptr when none may exist
    };
    const QByteArray noise("\xd3\x07"
                           "318\x9aq,\x1f-2\xc4"
                           "1\x8e,\x05"
                           "4\xbb\x02z\xe1\x7f\x10\x88\x0b\xf2\x99",
                           28);
    ASSERT_EQ(noise.size(), 28);
    const QList<Case> cases = {
        {"noise.kavw", noise, ExitError, {"No line of the download is a whole reading"}, nullptr},
        {"no-whole-line.kavw",
         "'CX30118','1.02','05/17/07'\r\n1300,-20.90,-2.65x\r\n13O0,-20.90,-2.65\r\n1300,-20.90\r\n"
         "1300;-20.90;-2.65\r\n1300,1e1,-2.65\r\n1300,-20.9.0,-2.65\r\n",
         ExitError,
         {"No line of the download is a whole reading"},
         nullptr},
        {"some-whole.kavw",
         "'CX30118','1.02','05/17/07'\r\n1300,-20.90,-2.65\r\n1300,-2l.04,-2.79\r\n850,-22.35,-3.85\r\n"
         "850,-150.00,-3.85\r\n1300, -20.97 ,-2.72,\r\n",
         ExitOk,
         {"Readings left out: 1 (damaged: not a number).",
          "Readings left out: 1 (damaged: outside the -100 to 40 dBm that a loss meter reads)."},
         "Fiber 2"},
        // Whole records, but the data end inside the last one: cut short.
        {"cut.kavw",
         "'CX30118','1.02','05/17/07'\r\n1300,-20.90,-2.65\r\n1300,-21.0",
         ExitError,
         {"The download is incomplete"},
         nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        writeFile(path(c.name), c.bytes);
        const QString target = path(QString::fromLatin1(c.name) + ".mdb");
        const CliRun run = import(path(c.name), target, linkOptions());
        EXPECT_EQ(run.status, c.status) << run.err.toStdString();
        for (const QString& text : c.says)
            EXPECT_TRUE(run.err.contains(text)) << run.err.toStdString();
        if (!c.fibers) {
            EXPECT_FALSE(QFile::exists(target));
            continue;
        }
        const CliRun info = runCliCaptured({"info", target});
        EXPECT_TRUE(info.out.contains(QLatin1String(c.fibers) + QLatin1Char('\n'))) << info.out.toStdString();
    }
}
