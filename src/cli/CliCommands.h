#pragma once

#include "cli/CommandLine.h"

#include <QTextStream>

// The commands of fibrolog-cli. Each returns the exit status; usage mistakes
// are thrown as UsageError.
struct CliContext
{
    QTextStream& out;
    QTextStream& err;
};

extern const CommandSpec kStandardsSpec;
extern const CommandSpec kBudgetSpec;

int runStandards(const CommandLine& line, CliContext& context);
int runBudget(const CommandLine& line, CliContext& context);

extern const CommandSpec kCreateSpec;
extern const CommandSpec kInfoSpec;
extern const CommandSpec kUpgradeSpec;

int runCreate(const CommandLine& line, CliContext& context);
int runInfo(const CommandLine& line, CliContext& context);
int runUpgrade(const CommandLine& line, CliContext& context);
extern const CommandSpec kFindMeterSpec;
extern const CommandSpec kDownloadSpec;

int runFindMeter(const CommandLine& line, CliContext& context);
int runDownload(const CommandLine& line, CliContext& context);

extern const CommandSpec kPrintSpec;

int runPrint(const CommandLine& line, CliContext& context);

// Why the file at `path` cannot be used as a test database, in the words the
// user should see.
QString whyNotATestDatabase(const QString& path);
