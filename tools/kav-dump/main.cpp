// kav-dump: prints the parsed model of a downloaded ".kav" or ".kavw" file in
// the form of the sample files' expected results, to check a download or to
// regenerate tests/data/NAME.kav(w).expected after a deliberate change of a parser.
#include "meter/CorvinaDownloadDump.h"
#include "meter/CorvinaParser.h"
#include "meter/DownloadModelDump.h"
#include "meter/DownloadParser.h"

#include <QCoreApplication>
#include <QTextStream>

namespace {

int dumpCorvina(const QString& path, QTextStream& out, QTextStream& err)
{
    CorvinaDownload download;
    QString error;
    if (!CorvinaParser::parseFile(path, download, &error)) {
        err << "kav-dump: " << error << '\n';
        return 1;
    }
    out << dumpCorvinaDownload(download);
    return download.ok() ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 2) {
        err << "Usage: kav-dump FILE.kav|FILE.kavw\n";
        return 2;
    }
    const QString path = arguments.at(1);
    if (path.endsWith(QLatin1String(".kavw"), Qt::CaseInsensitive))
        return dumpCorvina(path, out, err);
    QString error;
    const std::optional<DownloadModel> model = DownloadParser::parseFile(path, &error);
    if (!model) {
        err << "kav-dump: " << error << '\n';
        return 1;
    }
    out << dumpDownloadModel(*model);
    return 0;
}
