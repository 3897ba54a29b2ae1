#pragma once

#include "document/DownloadImporter.h"
#include "document/LinkData.h"
#include "meter/CorvinaDownload.h"

#include <QString>
#include <QStringList>

class JobProgress;

// Stores a Corvina download with its link data in a brand-new test database:
// the link's Company and Site rows, its wavelength slots ordered by ascending
// wavelength, and one Fiber row per reading position ("01", "02", ...), all
// in one transaction. When storing fails nothing is left behind.
class CorvinaImporter
{
public:
    // What the header tells about the meter; the calibration date is now
    // when the download gives none.
    static CorvinaMeterInfo meterInfo(const CorvinaDownload& download);
    // Why a download cannot be imported at all; empty when it can.
    static QString problemMessage(const CorvinaDownload& download);
    // Why a download without readings stores nothing.
    static QString nothingToStoreMessage(const CorvinaDownload& download);
    // What of the download was left out or not read, one sentence each.
    static QStringList omissions(const CorvinaDownload& download);

    // Writes into `databasePath`, where no file may exist yet. `progress`
    // hears of the fibers written and may cancel.
    static ImportResult store(const CorvinaDownload& download, const LinkData& link,
                              const CorvinaMeterInfo& meter, const QString& databasePath,
                              JobProgress* progress = nullptr);
};
