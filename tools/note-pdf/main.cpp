// Prints a note written as plain text (see NoteDocument) to a PDF file with
// the reports' own page painter. The build runs it for the notes Fibrolog
// ships, so the PDF always matches its text.
//
//   note-pdf SOURCE.txt OUTPUT.pdf
#include "app/StringIds.h"
#include "app/StringTable.h"
#include "report/FontFaceLookup.h"
#include "report/LogoSource.h"
#include "report/NoteDocument.h"
#include "report/PdfReportFile.h"

#include <QDateTime>
#include <QFile>
#include <QGuiApplication>
#include <QHashFunctions>

#include <algorithm>
#include <cstdio>

namespace {

// Qt stamps a PDF with the time it is written. A package build dates the
// note as its sources instead (SOURCE_DATE_EPOCH, the last commit's time), so
// two builds of one commit give the same file (scripts/package.sh starts a
// build folder afresh when that date changes). The stamp keeps its length,
// so the offsets in the PDF's cross-reference table still hold.
bool dateAsTheSources(const QString& path, QString* error)
{
    const QByteArray epoch = qgetenv("SOURCE_DATE_EPOCH");
    if (epoch.isEmpty())
        return true;
    bool isNumber = false;
    const qint64 seconds = epoch.toLongLong(&isNumber);
    if (!isNumber || seconds < 0) {
        *error =
            QStringLiteral("SOURCE_DATE_EPOCH is not a number of seconds: ") + QString::fromLatin1(epoch);
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite)) {
        *error = file.errorString();
        return false;
    }
    const QByteArray content = file.readAll();
    const QByteArray key("/CreationDate (D:");
    const qsizetype at = content.indexOf(key);
    if (at < 0)
        return true;
    const QByteArray stamp =
        QDateTime::fromSecsSinceEpoch(seconds, Qt::UTC).toString(QStringLiteral("yyyyMMddHHmmss")).toLatin1();
    const qsizetype digits = at + key.size();
    const QByteArray written = content.mid(digits, stamp.size());
    if (written.size() != stamp.size() ||
        !std::all_of(written.begin(), written.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        *error = QStringLiteral("the creation date Qt wrote is not of the form D:YYYYMMDDHHMMSS");
        return false;
    }
    if (!file.seek(digits) || file.write(stamp) != stamp.size()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    // Built on machines without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The fonts are numbered in the order of a hash table; with Qt's seed
    // drawn anew each run, two builds would give PDFs in other orders.
    QHashSeed::setDeterministicGlobalSeed();
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: note-pdf SOURCE.txt OUTPUT.pdf\n");
        return 2;
    }
    QFile source(args.at(1));
    if (!source.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "note-pdf: %s: %s\n", qPrintable(args.at(1)), qPrintable(source.errorString()));
        return 1;
    }
    NoteDocument note(QString::fromUtf8(source.readAll()),
                      FontFaceLookup::find(Strings::loadString(StringId::ReportFontFace)));
    const LogoSource logos{QString()};
    QString error;
    if (PdfReportFile(args.at(2), QPageSize::A4).write(note, logos, &error) == 0 ||
        !dateAsTheSources(args.at(2), &error)) {
        std::fprintf(stderr, "note-pdf: %s: %s\n", qPrintable(args.at(2)), qPrintable(error));
        return 1;
    }
    return 0;
}
