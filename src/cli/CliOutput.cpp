#include "cli/CliOutput.h"

#include "app/ProcessFiles.h"
#include "app/StringIds.h"
#include "app/StringTable.h"
#include "app/TemporaryFileRegistry.h"
#include "cli/CliApp.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>

#include <cmath>

#include <unistd.h>

namespace {

constexpr qint64 kBlockBytes = 64 * 1024;

// A folder of this process's own in the temporary folder, with the name a
// killed run's leftovers are found by, removed by a terminating signal too.
std::unique_ptr<QTemporaryDir> privateFolder(std::unique_ptr<RegisteredTemporaryFile>& onSignal)
{
    auto folder = std::make_unique<QTemporaryDir>(
        QDir(QDir::tempPath())
            .filePath(ProcessFiles::nameTemplate(ProcessFiles::kRuntimeFolderPrefix, QString())));
    if (!folder->isValid())
        return nullptr;
    onSignal = std::make_unique<RegisteredTemporaryFile>(folder->path());
    return folder;
}

// Copies `from` to `to` in blocks; false with the reason of the side that failed.
bool copyAll(QIODevice& from, QIODevice& to, const QString& toName, QString* error)
{
    QByteArray block(kBlockBytes, Qt::Uninitialized);
    for (;;) {
        const qint64 got = from.read(block.data(), block.size());
        if (got < 0) {
            *error = from.errorString();
            return false;
        }
        if (got == 0)
            return true;
        if (to.write(block.constData(), got) != got) {
            *error = QStringLiteral("Cannot write %1: %2").arg(toName, to.errorString());
            return false;
        }
    }
}

} // namespace

namespace CliOutput {

QString countText(qint64 count, int singularId, int pluralId)
{
    return Strings::formatMessage(Strings::loadString(count == 1 ? singularId : pluralId),
                                  {QString::number(count)});
}

void writeJson(CliContext& context, const QJsonObject& document)
{
    context.out << QString::fromUtf8(QJsonDocument(document).toJson(QJsonDocument::Indented));
    context.out.flush();
}

void writeJsonList(CliContext& context, const QJsonArray& document)
{
    // An empty list is written "[]" on one line, as scripts test for it
    // (Qt would write "[\n]").
    if (document.isEmpty())
        context.out << "[]\n";
    else
        context.out << QString::fromUtf8(QJsonDocument(document).toJson(QJsonDocument::Indented));
    context.out.flush();
}

QJsonValue jsonNumber(double value)
{
    if (!std::isfinite(value))
        return QJsonValue::Null;
    // Rounded as the plain output prints it: a float's 0.3 is 0.30000001192...
    return std::round(value * 100.0) / 100.0;
}

QJsonValue jsonText(const QString& text)
{
    return text.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(text);
}

int fail(CliContext& context, const QString& message)
{
    context.err << "fibrolog-cli: " << message << '\n';
    return ExitError;
}

bool isStandardStream(const QString& path)
{
    return path == QLatin1String("-");
}

QString outputName(const QString& path)
{
    return isStandardStream(path) ? Strings::loadString(StringId::CliStandardOutput) : path;
}

} // namespace CliOutput

StandardOutputFile::StandardOutputFile(const QString& fileName) : fileName_(fileName) {}

StandardOutputFile::~StandardOutputFile() = default;

QString StandardOutputFile::path(QString* error)
{
    // Made only when asked for: an output to a file leaves no folder behind
    // even when the program is killed.
    if (!folder_) {
        folder_ = privateFolder(onSignal_);
        if (folder_)
            fileOnSignal_ = std::make_unique<RegisteredTemporaryFile>(folder_->filePath(fileName_));
    }
    if (!folder_) {
        *error = QStringLiteral("Cannot make a temporary folder in %1 for standard output")
                     .arg(QDir::toNativeSeparators(QDir::tempPath()));
        return {};
    }
    return folder_->filePath(fileName_);
}

bool StandardOutputFile::send(CliContext& context, QString* error)
{
    if (!folder_) {
        *error = QStringLiteral("nothing was written for standard output");
        return false;
    }
    QFile written(folder_->filePath(fileName_));
    if (!written.open(QIODevice::ReadOnly)) {
        *error = written.errorString();
        return false;
    }
    // Bytes, not text: the stream's codec must not touch a PDF.
    context.out.flush();
    QIODevice* device = context.out.device();
    if (!device) {
        *error = QStringLiteral("standard output takes no bytes in this run");
        return false;
    }
    const QString name = CliOutput::outputName(QStringLiteral("-"));
    if (!copyAll(written, *device, name, error))
        return false;
    if (auto* file = qobject_cast<QFile*>(device); file && !file->flush()) {
        *error = QStringLiteral("Cannot write %1: %2").arg(name, file->errorString());
        return false;
    }
    return true;
}

StandardInputFile::StandardInputFile() = default;

StandardInputFile::~StandardInputFile() = default;

QString StandardInputFile::read(const QString& fileName, QString* error)
{
    folder_ = privateFolder(onSignal_);
    if (!folder_) {
        *error = QStringLiteral("Cannot make a temporary folder in %1 for standard input")
                     .arg(QDir::toNativeSeparators(QDir::tempPath()));
        return {};
    }
    QFile input;
    if (!input.open(STDIN_FILENO, QIODevice::ReadOnly, QFileDevice::DontCloseHandle)) {
        *error = input.errorString();
        return {};
    }
    const QString path = folder_->filePath(fileName);
    fileOnSignal_ = std::make_unique<RegisteredTemporaryFile>(path);
    QFile kept(path);
    if (!kept.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        *error = kept.errorString();
        return {};
    }
    if (!copyAll(input, kept, path, error) || !kept.flush()) {
        if (error->isEmpty())
            *error = kept.errorString();
        return {};
    }
    return path;
}
