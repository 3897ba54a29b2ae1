// kav-dump: prints the parsed model of a downloaded ".kav" file in the form of
// the sample files' expected results, to check a download or to regenerate
// tests/data/NAME.kav.expected after a deliberate change of the parser.
#include "meter/DownloadModelDump.h"
#include "meter/DownloadParser.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 2) {
        err << "Usage: kav-dump FILE.kav\n";
        return 2;
    }
    QString error;
    const std::optional<DownloadModel> model = DownloadParser::parseFile(arguments.at(1), &error);
    if (!model) {
        err << "kav-dump: " << error << '\n';
        return 1;
    }
    out << dumpDownloadModel(*model);
    return 0;
}
