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

#include <QFile>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    // Built on machines without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
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
    if (PdfReportFile(args.at(2), QPageSize::A4).write(note, logos, &error) == 0) {
        std::fprintf(stderr, "note-pdf: %s: %s\n", qPrintable(args.at(2)), qPrintable(error));
        return 1;
    }
    return 0;
}
