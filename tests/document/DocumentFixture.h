#pragma once

#include "database/CKAVCompanySet2.h"
#include "database/CKAVFiberSet2.h"
#include "database/CKAVSiteSet2_1.h"
#include "database/Database.h"
#include "database/TestDatabaseSchema.h"
#include "document/CFibrologDoc.h"
#include "support/ScriptedPrompt.h"
#include "support/TestFiles.h"

#include "support/ScriptedPortOpener.h"
#include "support/TempFolderGuard.h"

#include <memory>

// A document with a scripted user, a recorded status bar and scripted serial
// ports, its temporary files in a folder of the test's own.
class DocumentTest : public TempDirTest
{
protected:
    void SetUp() override { document_ = std::make_unique<CFibrologDoc>(prompt_, status_, ports_); }

    static QString sample(const char* name)
    {
        return QStringLiteral(FIBROLOG_TEST_DATA_DIR "/") + QLatin1String(name);
    }

    QStringList temporaryFiles() const { return temp_.files(); }

    // The Download command as the window runs it: the transfer, then the store.
    OperationResult download(JobProgress& progress)
    {
        const DownloadResult transfer = document_->transferDownload(progress);
        if (transfer.ok())
            return document_->storeDownload(transfer.path);
        const QString why = CFibrologDoc::transferFailureText(transfer);
        return transfer.status == DownloadStatus::Cancelled ? OperationResult::cancelled(why)
                                                            : OperationResult::failure(why);
    }

    static qint64 rows(const QString& file, const char* table)
    {
        Database db;
        db.open(file, true, true, kConnectString);
        return db.countRows(QLatin1String(table));
    }

    // Writes a download file from its lines (joined with CR LF).
    QString writeDownload(const char* name, const QStringList& lines)
    {
        const QString file = path(QLatin1String(name));
        writeFile(file, lines.join(QStringLiteral("\r\n")).toLatin1() + "\r\n");
        return file;
    }

    TempFolderGuard temp_;
    ScriptedPrompt prompt_;
    RecordingStatusSink status_;
    ScriptedPortOpener ports_;
    std::unique_ptr<CFibrologDoc> document_;
};
