#pragma once

#include "document/DownloadSlotPlan.h"
#include "meter/DownloadModel.h"

#include <QString>
#include <QStringList>

class JobProgress;

// How storing a download ended.
struct ImportResult
{
    enum class Status
    {
        Stored,        // a database with the download's fibers was written
        NoTestData,    // the download holds no fiber to store
        NotReadable,   // the file has no readable header
        Incomplete,    // the data end inside a record: the transfer was cut short
        DatabaseError, // the new database could not be made or written
        Cancelled,     // the user stopped it; nothing was stored
    };

    Status status = Status::NotReadable;
    QString message; // for the user when not stored
    int sites = 0;
    int fibers = 0;
    int standards = 0;
    // Texts longer than their column, stored shortened ("Company.CompanyPhone").
    QStringList shortened;
    // Fibers and readings of the download that were not stored.
    ImportOmissions omissions;

    bool stored() const { return status == Status::Stored; }

    static ImportResult failure(Status status, const QString& message)
    {
        ImportResult result;
        result.status = status;
        result.message = message;
        return result;
    }
};

// Fibers written between two looks at the job's progress.
constexpr int kImportProgressStep = 1024;

// A store that did not end with Stored leaves no database behind, nor its
// journal.
void removeUnlessStored(const ImportResult& result, const QString& databasePath);

// Writes a Pendra or Lintel download into a brand-new test database: the
// Company row, the custom and return-loss standards, one Site row per tested
// link that has fibers (its slots re-mapped to the wavelengths its fibers were
// measured at) and one Fiber row per fiber. Everything is written in one
// transaction; when storing fails or there is nothing to store, no database
// is left behind. What could not be stored is counted in the result.
class DownloadImporter
{
public:
    // Parses the ".kav" file at `downloadPath` and stores it at `databasePath`,
    // where no file may exist yet. `progress` hears of the fibers written and
    // may cancel; a cancelled import leaves no database behind.
    static ImportResult importFile(const QString& downloadPath, const QString& databasePath,
                                   JobProgress* progress = nullptr);
    static ImportResult store(DownloadModel model, const QString& databasePath,
                              JobProgress* progress = nullptr);
};
