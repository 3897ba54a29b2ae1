#include "database/CustomStandardSaver.h"
#include "app/StringIds.h"
#include "app/StringTable.h"
#include "database/CKAVStandardsSet2.h"
#include "database/CustomStandardsLoader.h"
#include "database/Database.h"
#include "database/TestDatabaseSchema.h"
#include "standards/StandardsCatalog.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

StandardEntry row(std::uint8_t fiberType, const QString& wavelength, float attenuation)
{
    StandardEntry entry;
    entry.standardNumber = 0;
    entry.fiberType = fiberType;
    entry.wavelength = wavelength;
    entry.maxDistance = 3000.0f;
    entry.attenuation = attenuation;
    entry.connectorLoss = 0.75f;
    entry.spliceLoss = 0.3f;
    return entry;
}

class CustomStandardSaverTest : public TempDirTest
{
protected:
    void SetUp() override { qputenv("FIBROLOG_SHARED_STANDARDS", QFile::encodeName(sharedPath())); }
    void TearDown() override { qunsetenv("FIBROLOG_SHARED_STANDARDS"); }

    QString sharedPath() const { return path("shareddata.mdb"); }

    // Every row of the shared file, in the order written.
    std::vector<StandardEntry> storedRows() const
    {
        std::vector<StandardEntry> rows;
        Database db;
        db.open(sharedPath(), true, false, kConnectString);
        CKAVStandardsSet2 standards(db);
        standards.open();
        for (; !standards.isEOF(); standards.moveNext())
            rows.push_back(standards.entry());
        return rows;
    }

    static QString text(int id, const QStringList& arguments = {})
    {
        return Strings::formatMessage(Strings::loadString(id), arguments);
    }
};

} // namespace

TEST_F(CustomStandardSaverTest, AllRowsShareOneIdAreWrittenByFiberTypeAndJoinTheCatalogue)
{
    ASSERT_FALSE(QFile::exists(sharedPath()));
    StandardsCatalog catalog;
    // Given out of fiber type order; each type's rows keep their order.
    const std::vector<StandardEntry> rows = {row(3, "1550nm", 0.4f), row(2, "1550nm", 0.5f),
                                             row(3, "1310nm", 0.45f), row(2, "1310nm", 0.6f)};
    const SavedStandard saved = saveCustomStandard("Campus Singlemode", rows, &catalog);
    ASSERT_TRUE(saved.result.ok()) << saved.result.message().toStdString();
    EXPECT_EQ(saved.id.size(), kRecordIdLength);
    EXPECT_FALSE(isNullGuid(guidFromRecordId(saved.id)));

    const std::vector<StandardEntry> stored = storedRows();
    ASSERT_EQ(stored.size(), 4u);
    const QStringList expectedOrder = {"2 1550nm", "2 1310nm", "3 1550nm", "3 1310nm"};
    for (std::size_t k = 0; k < stored.size(); ++k) {
        const StandardEntry& e = stored[k];
        EXPECT_EQ(QString::number(e.fiberType) + " " + e.wavelength, expectedOrder.at(static_cast<int>(k)));
        EXPECT_EQ(e.customStandardId, saved.id);
        EXPECT_EQ(e.standardName, "Campus Singlemode");
        EXPECT_EQ(e.standardNumber, 0);
        EXPECT_FLOAT_EQ(e.maxDistance, 3000.0f);
        EXPECT_FLOAT_EQ(e.connectorLoss, 0.75f);
    }
    EXPECT_FLOAT_EQ(stored[0].attenuation, 0.5f);
    EXPECT_FLOAT_EQ(stored[3].attenuation, 0.45f);

    EXPECT_EQ(catalog.customCount(), 4);
    const auto found = catalog.lookup(0, saved.id, 3, "1310nm");
    ASSERT_TRUE(found.has_value());
    EXPECT_FLOAT_EQ(found->attenuation, 0.45f);
    EXPECT_EQ(found->standardName, "Campus Singlemode");

    // A program started later reads the same standard from the file.
    StandardsCatalog later;
    EXPECT_TRUE(CustomStandards::loadSharedStandards(later).isEmpty());
    EXPECT_EQ(later.customCount(), 4);
    EXPECT_TRUE(later.lookup(0, saved.id, 2, "1550nm").has_value());
}

TEST_F(CustomStandardSaverTest, ANameAnotherStandardHasIsRefused)
{
    const std::vector<StandardEntry> rows = {row(0, "850nm", 3.5f)};
    const SavedStandard first = saveCustomStandard("Plant", rows, nullptr);
    ASSERT_TRUE(first.result.ok()) << first.result.message().toStdString();

    // A standard of the test database the window has open: in the catalogue only.
    StandardsCatalog catalog;
    StandardEntry project = row(1, "1300nm", 1.0f);
    project.standardName = "Backbone";
    project.customStandardId = newRecordId();
    catalog.add(project);

    const struct
    {
        QString name;
        QString holder;
    } cases[] = {
        {"PLANT ", "Plant"},      // in the shared file
        {"backbone", "Backbone"}, // in the test database
        {"atm 155", "ATM 155"},   // built in
    };
    for (const auto& c : cases) {
        const SavedStandard saved = saveCustomStandard(c.name, rows, &catalog);
        EXPECT_FALSE(saved.result.ok()) << c.name.toStdString();
        EXPECT_EQ(saved.result.message(), text(StringId::CustomStandardNameTaken, {c.holder}));
    }
    ASSERT_EQ(storedRows().size(), 1u);
    EXPECT_EQ(storedRows()[0].customStandardId, first.id);
    EXPECT_EQ(catalog.customCount(), 1);
}

TEST_F(CustomStandardSaverTest, TheSharedFileAndItsFolderAreMadeWhenMissing)
{
    const QString nested = path("data/Fibrolog/shareddata.mdb");
    qputenv("FIBROLOG_SHARED_STANDARDS", QFile::encodeName(nested));
    const SavedStandard saved = saveCustomStandard("Nested", {row(1, "1300nm", 1.0f)}, nullptr);
    ASSERT_TRUE(saved.result.ok()) << saved.result.message().toStdString();
    Database db;
    db.open(nested, true, false, kConnectString);
    EXPECT_EQ(db.countRows("Standards"), 1);
}

TEST_F(CustomStandardSaverTest, RefusalsWriteNothingAndLeaveTheCatalogueAlone)
{
    using namespace StringId;
    const float nan = std::numeric_limits<float>::quiet_NaN();
    StandardEntry negative = row(2, "1310nm", 0.5f);
    negative.spliceLoss = -0.1f;
    StandardEntry notANumber = row(2, "1310nm", nan);
    StandardEntry infinite = row(2, "1310nm", 0.5f);
    infinite.maxDistance = std::numeric_limits<float>::infinity();
    StandardEntry spliceOnly = row(2, "1310nm", 0.0f);
    spliceOnly.connectorLoss = 0.0f;
    struct Case
    {
        const char* what;
        QString name;
        std::vector<StandardEntry> rows;
        QString message;
    };
    const std::vector<Case> cases = {
        {"empty name", "", {row(0, "850nm", 3.5f)}, text(CustomStandardNameEmpty)},
        {"blank name", "   ", {row(0, "850nm", 3.5f)}, text(CustomStandardNameEmpty)},
        {"51 characters", QString(51, 'N'), {row(0, "850nm", 3.5f)}, text(CustomStandardNameTooLong, {"50"})},
        {"no rows", "Plant", {}, text(CustomStandardNoRows)},
        {"fiber type 4", "Plant", {row(4, "850nm", 3.5f)}, text(CustomStandardBadFiberType, {"4"})},
        {"no unit",
         "Plant",
         {row(0, "850", 3.5f)},
         text(CustomStandardBadWavelength, {"850", "62.5uM Multimode"})},
        {"0nm",
         "Plant",
         {row(0, "0nm", 3.5f)},
         text(CustomStandardBadWavelength, {"0nm", "62.5uM Multimode"})},
        {"10000nm",
         "Plant",
         {row(2, "10000nm", 0.5f)},
         text(CustomStandardBadWavelength, {"10000nm", "Indoor Singlemode"})},
        {"leading blank",
         "Plant",
         {row(0, " 850nm", 3.5f)},
         text(CustomStandardBadWavelength, {" 850nm", "62.5uM Multimode"})},
        {"ANY",
         "Plant",
         {row(0, "ANY", 3.5f)},
         text(CustomStandardBadWavelength, {"ANY", "62.5uM Multimode"})},
        {"negative",
         "Plant",
         {row(2, "1550nm", 0.5f), negative},
         text(CustomStandardBadValue, {"Indoor Singlemode", "1310nm"})},
        {"NaN", "Plant", {notANumber}, text(CustomStandardBadValue, {"Indoor Singlemode", "1310nm"})},
        {"infinite", "Plant", {infinite}, text(CustomStandardBadValue, {"Indoor Singlemode", "1310nm"})},
        {"twice",
         "Plant",
         {row(2, "1310nm", 0.5f), row(3, "1310nm", 0.5f), row(2, "1310nm", 0.4f)},
         text(CustomStandardWavelengthTwice, {"Indoor Singlemode", "1310nm"})},
        {"splices only",
         "Plant",
         {spliceOnly},
         text(CustomStandardAllowsNoLoss, {"Indoor Singlemode", "1310nm"})},
    };
    StandardsCatalog catalog;
    for (const Case& c : cases) {
        const SavedStandard saved = saveCustomStandard(c.name, c.rows, &catalog);
        EXPECT_FALSE(saved.result.ok()) << c.what;
        EXPECT_EQ(saved.result.message(), c.message) << c.what;
        EXPECT_TRUE(saved.id.isEmpty()) << c.what;
        EXPECT_FALSE(QFile::exists(sharedPath())) << c.what;
    }
    EXPECT_EQ(catalog.customCount(), 0);

    // The limits themselves are accepted: 50 characters, 9999 nm, zero values.
    const SavedStandard longest = saveCustomStandard(QString(50, 'N'), {row(2, "9999nm", 0.0f)}, &catalog);
    EXPECT_TRUE(longest.result.ok()) << longest.result.message().toStdString();
    EXPECT_EQ(catalog.customCount(), 1);
}

TEST_F(CustomStandardSaverTest, ADatabaseErrorWritesNothingAndChangesNoCatalogue)
{
    const QString errorPrefix = Strings::loadString(StringId::ErrorOccurred);
    ASSERT_EQ(errorPrefix, "An error occurred:\n");
    StandardsCatalog catalog;
    const std::vector<StandardEntry> rows = {row(2, "1310nm", 0.5f), row(2, "1550nm", 0.4f)};

    // A shared file that is no database.
    writeFile(sharedPath(), "not a database");
    SavedStandard saved = saveCustomStandard("Campus", rows, &catalog);
    EXPECT_FALSE(saved.result.ok());
    EXPECT_TRUE(saved.result.message().startsWith(errorPrefix)) << saved.result.message().toStdString();
    EXPECT_GT(saved.result.message().size(), errorPrefix.size()) << "the engine's description follows";
    EXPECT_EQ(fileBytes(sharedPath()), "not a database");
    EXPECT_EQ(catalog.customCount(), 0);

    // A file that refuses the second row once the first is written: the
    // first goes again with the rest.
    QFile::remove(sharedPath());
    ASSERT_TRUE(createSharedStandardsFile(sharedPath()));
    {
        Database db;
        db.open(sharedPath(), true, false, kConnectString);
        db.execute("CREATE TRIGGER refuse_1550 BEFORE INSERT ON Standards WHEN NEW.Wavelength = '1550nm' "
                   "BEGIN SELECT RAISE(ABORT, 'no 1550 nm here'); END");
    }
    saved = saveCustomStandard("Campus", rows, &catalog);
    EXPECT_FALSE(saved.result.ok());
    EXPECT_TRUE(saved.result.message().startsWith(errorPrefix));
    EXPECT_TRUE(saved.result.message().contains("no 1550 nm here")) << saved.result.message().toStdString();
    EXPECT_TRUE(storedRows().empty());
    EXPECT_EQ(catalog.customCount(), 0);

    // A file another program holds open.
    QFile::remove(sharedPath());
    ASSERT_TRUE(createSharedStandardsFile(sharedPath()));
    {
        Database holder;
        holder.open(sharedPath(), true, false, kConnectString);
        saved = saveCustomStandard("Campus", rows, &catalog);
        EXPECT_FALSE(saved.result.ok());
        EXPECT_TRUE(saved.result.message().startsWith(errorPrefix));
    }
    EXPECT_TRUE(storedRows().empty());
    EXPECT_EQ(catalog.customCount(), 0);
    // Once it is free the same save goes through.
    saved = saveCustomStandard("Campus", rows, &catalog);
    EXPECT_TRUE(saved.result.ok()) << saved.result.message().toStdString();
    EXPECT_EQ(storedRows().size(), 2u);
    EXPECT_EQ(catalog.customCount(), 2);
}
