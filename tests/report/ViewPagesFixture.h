#pragma once

#include "ReportTestDatabase.h"
#include "app/StringTable.h"
#include "database/FiberCursor.h"
#include "support/TestFiles.h"

#include <QHash>
#include <QStringList>

#include <array>
#include <memory>

// A temporary test database with two companies, and helpers that add the
// links the view's page tests read back through the fiber cursor.
class ViewPagesFixture : public TempDirTest
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        db_ = std::make_unique<ReportTestDatabase>(path("view.mdb"));
        northwind_ = db_->addCompany("Northwind Cabling", "604-555-0142", "SN:P204417", "2.10");
        harbour_ = db_->addCompany("Harbour Networks", "250-555-0199", "SN:L7731", "3.02");
    }

    // "Riser A" of Northwind: standard 2 (EIA/TIA 568-A), 62.5 um fiber, 2 km,
    // 2 connector pairs, 1 splice, references -20 dBm at 850 and 1300 nm, both
    // measured against the budget. Allowed loss 9.30 dB at 850 nm (fiber 7.50,
    // connectors 1.50, splice 0.30) and 4.80 dB at 1300 nm (3.00, 1.50, 0.30).
    //   fiber 1: -30 and -24 dBm: losses 10.00 and 4.00, overheads -0.70 and 0.80: Fail, Pass.
    //   fiber 2: -30.55 and -18.75 dBm: losses 10.55 and -1.25, overheads -1.25 and 6.05: Fail, Pass.
    void addRiserA()
    {
        ReportTestDatabase::Site site;
        site.company = northwind_;
        site.comment = "North riser";
        const RecordId id = db_->addSite(site);
        db_->addFiber(id, "1", {-30, 0, -24, 0, 0});
        db_->addFiber(id, "2", {-30.55f, 0, -18.75f, 0, 0});
    }

    // "ORL 1" of Northwind: return-loss standard 13 (required 20 dB) on
    // indoor singlemode at 1310 and 1550 nm, references 0 dBm.
    //   fiber 1: -25 and -17.5 dBm: return losses 25.00 and 17.50, overheads 5.00 and -2.50: Pass, Fail.
    //   fiber 2: +3.5 dBm at 1310 nm only: return loss -3.50, overhead -23.50: Fail.
    void addOrlLink()
    {
        ReportTestDatabase::Site site;
        site.linkId = "ORL 1";
        site.company = northwind_;
        site.standard = 13;
        site.customStandardId = db_->addCustomStandard(13, "Plant ORL", 2, {"1310nm", "1550nm"}, 20);
        site.fiberType = 2;
        site.references = {0, 0, 0, 0, 0};
        site.wavelengths = {"850nm", "980nm", "1310nm", "1480nm", "1550nm"};
        const RecordId id = db_->addSite(site);
        db_->addFiber(id, "1", {0, 0, -25, 0, -17.5f}, 2);
        db_->addFiber(id, "2", {0, 0, 3.5f, 0, 0}, 2);
    }

    // A link of `company` with references of -20 dBm in all five slots, named
    // as given; its fibers are added by the test.
    RecordId addLink(const QString& linkId, const RecordId& company,
                     const std::array<QString, kSlotCount>& wavelengths)
    {
        ReportTestDatabase::Site site;
        site.linkId = linkId;
        site.company = company;
        site.references = {-20, -20, -20, -20, -20};
        site.wavelengths = wavelengths;
        return db_->addSite(site);
    }

    FiberCursor cursor() { return db_->cursor(); }

    std::unique_ptr<ReportTestDatabase> db_;
    RecordId northwind_;
    RecordId harbour_;
};

// A row of texts as a list, which a failing test prints readably.
template <std::size_t N>
QStringList list(const std::array<QString, N>& texts)
{
    return QStringList(texts.begin(), texts.end());
}

// Replaces texts of the string table, as a language module does, for one test.
class StringOverrides
{
public:
    explicit StringOverrides(const QHash<int, QString>& texts) { StringTable::current().setOverrides(texts); }
    ~StringOverrides() { StringTable::current().clearOverrides(); }
    StringOverrides(const StringOverrides&) = delete;
    StringOverrides& operator=(const StringOverrides&) = delete;
};
