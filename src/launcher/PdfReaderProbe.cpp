#include "launcher/PdfReaderProbe.h"

#include <QProcess>

XdgMimePdfReaderProbe::XdgMimePdfReaderProbe(QString program) : program_(std::move(program)) {}

QString XdgMimePdfReaderProbe::readerVersion()
{
    QProcess query;
    query.setProcessChannelMode(QProcess::SeparateChannels);
    query.start(program_,
                {QStringLiteral("query"), QStringLiteral("default"), QStringLiteral("application/pdf")});
    if (!query.waitForFinished(3000)) {
        query.kill();
        query.waitForFinished(1000);
        return {};
    }
    if (query.exitStatus() != QProcess::NormalExit || query.exitCode() != 0)
        return {};
    QString name =
        QString::fromUtf8(query.readAllStandardOutput()).section(QLatin1Char('\n'), 0, 0).trimmed();
    const QString suffix = QStringLiteral(".desktop");
    if (name.endsWith(suffix))
        name.chop(suffix.size());
    return name;
}
