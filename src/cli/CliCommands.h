#pragma once

#include "cli/CommandLine.h"

#include <QTextStream>

// The commands of fibrolog-cli. Each returns the exit status; usage mistakes
// are thrown as UsageError.
//
// Standard output carries only data (CSV, JSON, lists, ids), so that a
// script can read it whole; what a command says it did goes to `status`,
// which is standard error, or nowhere with --quiet. Errors always go to `err`.
struct CliContext
{
    QTextStream& out;
    QTextStream& err;
    QTextStream& status;
    bool quiet = false;
};

extern const CommandSpec kStandardsSpec;
extern const CommandSpec kBudgetSpec;
extern const CommandSpec kAddStandardSpec;

int runStandards(const CommandLine& line, CliContext& context);
int runBudget(const CommandLine& line, CliContext& context);
int runAddStandard(const CommandLine& line, CliContext& context);

extern const CommandSpec kCreateSpec;
extern const CommandSpec kInfoSpec;
extern const CommandSpec kUpgradeSpec;

int runCreate(const CommandLine& line, CliContext& context);
int runInfo(const CommandLine& line, CliContext& context);
int runUpgrade(const CommandLine& line, CliContext& context);
extern const CommandSpec kFindMeterSpec;
extern const CommandSpec kDownloadSpec;

extern const CommandSpec kImportSpec;
extern const CommandSpec kExportCsvSpec;

int runImport(const CommandLine& line, CliContext& context);
int runExportCsv(const CommandLine& line, CliContext& context);

class CFibrologDoc;
// Says on standard error what the document's last stored download shortened or left out.
void reportImportOmissions(const CFibrologDoc& document, CliContext& context);
class CommandJob;
// Saves the document's working database into `target` and says what it holds;
// with a job, with its progress and cancel.
int saveDocumentInto(CFibrologDoc& document, const QString& target, CliContext& context,
                     CommandJob* job = nullptr);

int runFindMeter(const CommandLine& line, CliContext& context);
extern const CommandSpec kListPortsSpec;
int runListPorts(const CommandLine& line, CliContext& context);
int runDownload(const CommandLine& line, CliContext& context);

extern const CommandSpec kPrintSpec;

int runPrint(const CommandLine& line, CliContext& context);

// The team server.
extern const CommandSpec kServerInitSpec;
extern const CommandSpec kServerInfoSpec;
extern const CommandSpec kPublishSpec;
extern const CommandSpec kFetchSpec;

int runServerInit(const CommandLine& line, CliContext& context);
int runServerInfo(const CommandLine& line, CliContext& context);
int runPublish(const CommandLine& line, CliContext& context);
int runFetch(const CommandLine& line, CliContext& context);
