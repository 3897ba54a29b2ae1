#include "document/WorkingDatabase.h"

#include "app/JobProgress.h"
#include "app/StringIds.h"
#include "app/StringTable.h"
#include "database/CKAVCompanySet2.h"
#include "database/CKAVFiberSet2.h"
#include "database/CKAVSiteSet2_1.h"
#include "database/CKAVStandardsSet2.h"
#include "database/CustomStandardsLoader.h"
#include "database/Database.h"
#include "database/DatabaseException.h"
#include "database/TestDatabaseSchema.h"

#include <chrono>

WorkingDatabase::WorkingDatabase() = default;

WorkingDatabase::~WorkingDatabase()
{
    close();
}

void WorkingDatabase::close()
{
    circuits.clear();
    standards.reset();
    sites.reset();
    companies.reset();
    fibers.reset();
    if (database)
        database->close();
    database.reset();
    path.clear();
}

OperationResult WorkingDatabase::open(const QString& workingPath, JobProgress& progress)
{
    close();
    try {
        database = std::make_unique<Database>();
        database->open(workingPath, true, false, kConnectString);
        // Nothing ever reads a working copy after a crash (the next start
        // removes it), so waiting for the disk at every commit buys nothing;
        // with the disk busy, that wait was most of every key typed in the form.
        database->execute(QStringLiteral("PRAGMA synchronous=OFF"));
        fibers = std::make_unique<CKAVFiberSet2>(*database);
        companies = std::make_unique<CKAVCompanySet2>(*database);
        sites = std::make_unique<CKAVSiteSet2_1>(*database);
        standards = std::make_unique<CKAVStandardsSet2>(*database);
        fibers->open();
        companies->open();
        sites->open();
        standards->open();
        standardsProblem = CustomStandards::reload(catalog, *standards);
    } catch (const DatabaseException& e) {
        close();
        return OperationResult::failure(Strings::loadString(StringId::ErrorOccurred) + e.description());
    }
    path = workingPath;
    // A cancel is heard before and after the circuits too, which a small
    // file reads without asking.
    const OperationResult built =
        progress.isCancelled() ? OperationResult::cancelled() : circuits.build(*database, catalog, &progress);
    if (built.isCancelled() || progress.isCancelled()) {
        close();
        return OperationResult::cancelled();
    }
    // A file whose circuits cannot be read is still open: its rows can be
    // saved elsewhere, and the status bar says why nothing is shown.
    if (!built)
        circuitsProblem = Strings::loadString(StringId::ErrorOccurred) + built.message();
    return OperationResult::success();
}

namespace {

// Circuits let go at one turn of the event loop: a millisecond or two.
constexpr int kCircuitsPerSlice = 2000;

} // namespace

WorkingDatabaseDisposal::WorkingDatabaseDisposal()
{
    slices_.setInterval(0);
    QObject::connect(&slices_, &QTimer::timeout, [this] { releaseSlice(); });
}

WorkingDatabaseDisposal::~WorkingDatabaseDisposal()
{
    slices_.stop();
    circuits_.clear();
    for (std::future<void>& going : pending_)
        going.wait();
}

void WorkingDatabaseDisposal::dispose(std::unique_ptr<WorkingDatabase> working)
{
    if (!working->circuits.isEmpty()) {
        circuits_.push_back(std::move(working->circuits));
        slices_.start();
    }
    std::erase_if(pending_, [](const std::future<void>& going) {
        return going.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
    });
    pending_.push_back(
        std::async(std::launch::async, [going = std::move(working)]() mutable { going.reset(); }));
}

void WorkingDatabaseDisposal::releaseSlice()
{
    if (!circuits_.empty() && !circuits_.front().releaseSome(kCircuitsPerSlice))
        circuits_.pop_front();
    if (circuits_.empty())
        slices_.stop();
}
