#include "SyntheticFile.h"

#include "database/Database.h"
#include "support/TestDatabaseBuilder.h"

#include <QFile>

#include <algorithm>

namespace SyntheticFile {

void make(const QString& file, int circuits)
{
    TestDatabaseBuilder builder(file);
    builder.database().beginTransaction();
    const RecordId company = builder.addCompany(QString::fromLatin1(kCompany));
    for (int first = 0, link = 0; first < circuits; first += kFibersPerLink, ++link) {
        TestDatabaseBuilder::Site site;
        site.name = QStringLiteral("LINK %1").arg(link, 5, 10, QLatin1Char('0'));
        site.company = company;
        site.wizard = 0b111;
        site.references = {-20.0f, -19.5f, -19.0f, 0, 0};
        site.wavelengths = {"850nm", "1300nm", "1550nm", "9999nm", "9999nm"};
        const RecordId id = builder.addSite(site);
        const int fibers = std::min(kFibersPerLink, circuits - first);
        for (int fiber = 1; fiber <= fibers; ++fiber)
            builder.addFiber(id, QString::number(fiber), 0, {-24.1f - 0.01f * fiber, -21.5f, -20.8f, 0, 0});
    }
    builder.database().commit();
    // Closed before the window opens it.
    builder.close();
}

double statusMb(qint64 pid, const char* field)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray key = QByteArray(field) + ':';
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(key.size()).trimmed().split(' ').value(0).toDouble() / 1024.0;
    }
    return -1;
}

} // namespace SyntheticFile
