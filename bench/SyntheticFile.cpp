#include "SyntheticFile.h"

#include "database/Database.h"
#include "support/TestDatabaseBuilder.h"

#include <QFile>

#include <algorithm>
#include <array>
#include <cstdint>

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

int makeMixed(const QString& file, int circuits)
{
    TestDatabaseBuilder builder(file);
    builder.database().beginTransaction();
    const std::array<RecordId, 3> companies{
        builder.addCompany(QStringLiteral("North Cabling"), QStringLiteral("SN:P2031")),
        builder.addCompany(QStringLiteral("South Cabling"), QStringLiteral("SN:P2032")),
        builder.addCompany(QStringLiteral("East Cabling"), QStringLiteral("SN:P2033"))};
    // Sizes spread over 25..200, the same every run.
    std::uint32_t random = 2026;
    int link = 0;
    for (int first = 0; first < circuits; ++link) {
        random = random * 1664525u + 1013904223u;
        const int size = std::min(25 + static_cast<int>((random >> 8) % 176), circuits - first);
        TestDatabaseBuilder::Site site;
        site.name = QStringLiteral("CABLE %1").arg(link, 5, 10, QLatin1Char('0'));
        site.company = companies[static_cast<std::size_t>(link) % companies.size()];
        site.date = site.date.addSecs(link * 600LL);
        site.wizard = 0b111;
        site.references = {-20.0f, -19.5f, -19.0f, 0, 0};
        site.wavelengths = {"850nm", "1300nm", "1550nm", "9999nm", "9999nm"};
        const RecordId id = builder.addSite(site);
        for (int fiber = 1; fiber <= size; ++fiber)
            builder.addFiber(
                id, QString::number(fiber), 0,
                {-24.1f - 0.01f * static_cast<float>(fiber % 37), -21.5f - 0.001f * fiber, -20.8f, 0, 0});
        first += size;
    }
    builder.database().commit();
    builder.close();
    return link;
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
