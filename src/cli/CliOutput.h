#pragma once

#include "cli/CliCommands.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>

#include <memory>

class QTemporaryDir;
class RegisteredTemporaryFile;

// What the commands print for people and for scripts, in one place.
namespace CliOutput {

// "1 link", "2 links": the count with the text id of its form. English and
// German both use the singular for one only.
QString countText(qint64 count, int singularId, int pluralId);

// One JSON document, the whole of standard output: keys in snake_case,
// numbers as JSON numbers whatever the locale, null for what is absent.
// Every command with --json writes through this.
void writeJson(CliContext& context, const QJsonObject& document);
void writeJsonList(CliContext& context, const QJsonArray& document);
// A measured or allowed value as the plain output gives it (two decimals),
// as a JSON number; null when it is not finite.
QJsonValue jsonNumber(double value);
// A text, or null when there is none.
QJsonValue jsonText(const QString& text);

// Says on standard error why the command failed; the exit status of a failure.
int fail(CliContext& context, const QString& message);

// "-" as an output file: standard output.
bool isStandardStream(const QString& path);
// The name a message gives an output: the path, or "standard output".
QString outputName(const QString& path);

} // namespace CliOutput

// A file bound for standard output: written whole into a private folder
// first (the report and CSV writers write files), then copied to standard
// output, so that a failure or Ctrl+C sends nothing. A signal that ends the
// program takes the folder along.
class StandardOutputFile
{
public:
    explicit StandardOutputFile(const QString& fileName);
    ~StandardOutputFile();
    StandardOutputFile(const StandardOutputFile&) = delete;
    StandardOutputFile& operator=(const StandardOutputFile&) = delete;

    // Where the writer writes; empty, with the reason, when no folder could
    // be made. The folder is made on the first call.
    QString path(QString* error);
    // Copies the written file to standard output, byte for byte. False with
    // the system's reason.
    bool send(CliContext& context, QString* error);

private:
    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<RegisteredTemporaryFile> onSignal_;
    std::unique_ptr<RegisteredTemporaryFile> fileOnSignal_;
    QString fileName_;
};

// Standard input kept whole in a private folder, for the readers that read
// files. A signal that ends the program takes it along.
class StandardInputFile
{
public:
    StandardInputFile();
    ~StandardInputFile();
    StandardInputFile(const StandardInputFile&) = delete;
    StandardInputFile& operator=(const StandardInputFile&) = delete;

    // Reads all of standard input into a file called `fileName`; its path,
    // or empty with the reason.
    QString read(const QString& fileName, QString* error);

private:
    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<RegisteredTemporaryFile> onSignal_;
    std::unique_ptr<RegisteredTemporaryFile> fileOnSignal_;
};
