#include "database/SchemaVersions.h"

#include "database/CKAVCompanySet2.h"
#include "database/CKAVFiberSet1.h"
#include "database/CKAVFiberSet2.h"
#include "database/CKAVSiteSet1.h"
#include "database/CKAVSiteSet2_1.h"
#include "database/Condition.h"
#include "database/Database.h"
#include "database/DatabaseException.h"
#include "database/TestDatabaseSchema.h"
#include "standards/DefaultLinkBudget.h"
#include "standards/PlausibleValues.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QtDebug>

#include <array>

namespace {

// True when a recordset of each class opens on the database; opening fails
// when a bound column is missing, which tells the versions apart.
template <typename A, typename B, typename C>
bool recordsetsOpen(Database& db)
{
    try {
        A a(db);
        B b(db);
        C c(db);
        a.open();
        b.open();
        c.open();
        return true;
    } catch (const DatabaseException&) {
        return false;
    }
}

bool isNumberCharacter(QChar c)
{
    return c == QLatin1Char('+') || c == QLatin1Char('-') || c == QLatin1Char('.') ||
           (c >= QLatin1Char('0') && c <= QLatin1Char('9'));
}

struct SiteConversion
{
    CKAVSiteSet2& target;
    CKAVFiberSet2& targetFibers;
    CKAVFiberSet1& sourceFibers;
    const QHash<QString, QString>& companyVersions;
};

void convertSite(const CKAVSiteSet1& source, SiteConversion& c)
{
    std::array<RecordId, 4> newSites;
    const int packed = source.fiberType;
    int wizard = 0;
    if (packed & 1)
        wizard |= 1;
    if (packed & 2)
        wizard |= 4;
    if (packed & 4)
        wizard |= 16;
    const float meterVersion =
        SchemaVersions::meterVersionNumber(c.companyVersions.value(source.companyNumber)).value_or(0.0f);
    // A budget from a length no link has is no number to add to a reference:
    // the stored references stay as they are, read as set by hand, and the
    // link (which is judged by its length) gets no verdict.
    if (!PlausibleValues::isLinkLengthKm(metresToKilometres(source.fiberLength)))
        wizard = 0;

    for (int g = 0; g < 4; ++g) {
        newSites[static_cast<std::size_t>(g)] = newRecordId();
        c.target.addNew();
        c.target.siteNumber = newSites[static_cast<std::size_t>(g)];
        c.target.companyNumber = source.companyNumber;
        c.target.siteName = source.siteName;
        c.target.date = source.date;
        c.target.uploadDate = source.uploadDate;
        c.target.calibrationDate = source.calibrationDate;
        c.target.fiberLength = source.fiberLength;
        c.target.connections = source.connections;
        c.target.splices = source.splices;
        c.target.temperature = source.temperature;
        c.target.fiberType = static_cast<std::int16_t>(packed >> 4);
        c.target.wizard = static_cast<std::int16_t>(wizard);
        for (int slot = 0; slot < kSlotCount; ++slot)
            c.target.wavelengths[static_cast<std::size_t>(slot)] =
                conversionWavelengthName(slot, static_cast<unsigned>(g));

        DefaultLinkBudget budget;
        budget.setLengthKm(metresToKilometres(source.fiberLength));
        budget.setConnectorPairs(source.connections);
        budget.setSplices(source.splices);
        budget.setTypeCode(static_cast<std::uint32_t>(g) << 8);
        budget.selectTable(meterVersion);
        float reference850 = source.references[0];
        float reference1300 = source.references[1];
        float reference1550 = source.references[2];
        if (wizard & 1)
            reference850 = budget.restoreReference(reference850, DefaultBudget850);
        if (wizard & 4)
            reference1300 = budget.restoreReference(reference1300, DefaultBudget1300);
        if (wizard & 16)
            reference1550 = budget.restoreReference(reference1550, DefaultBudget1550);
        c.target.references = {reference850, 0.0f, reference1300, 0.0f, reference1550};
        c.target.standard = budget.standardNumber();
        c.target.update();
    }

    c.sourceFibers.setFilter(QStringLiteral("SiteNumber=") + source.siteNumber);
    c.sourceFibers.requery();
    for (; !c.sourceFibers.isEOF(); c.sourceFibers.moveNext()) {
        const int type = c.sourceFibers.fiberType;
        if (type < 0 || type > 3) {
            qWarning().noquote() << "Fiber" << c.sourceFibers.fiberName << "of link" << source.siteName
                                 << "has fiber type" << type << "and is not converted";
            continue;
        }
        c.targetFibers.addNew();
        c.targetFibers.fiberNumber = c.sourceFibers.fiberNumber;
        c.targetFibers.fiberName = c.sourceFibers.fiberName;
        c.targetFibers.fiberType = c.sourceFibers.fiberType;
        c.targetFibers.siteNumber = newSites[static_cast<std::size_t>(type)];
        c.targetFibers.powers = {c.sourceFibers.powers[0], 0.0f, c.sourceFibers.powers[1], 0.0f,
                                 c.sourceFibers.powers[2]};
        c.targetFibers.update();
    }
}

void convertRows(Database& source, Database& target)
{
    QHash<QString, QString> companyVersions;
    {
        CKAVCompanySet1 from(source);
        CKAVCompanySet2 to(target);
        from.open();
        to.open();
        for (; !from.isEOF(); from.moveNext()) {
            to.addNew();
            to.companyNumber = from.companyNumber;
            to.companyPhone = from.companyPhone;
            to.companyName = from.companyName;
            to.serialNo = from.serialNo;
            to.version = from.version;
            to.update();
            companyVersions.insert(from.companyNumber, from.version);
        }
    }
    CKAVSiteSet1 sites(source);
    CKAVFiberSet1 sourceFibers(source);
    CKAVSiteSet2 targetSites(target);
    CKAVFiberSet2 targetFibers(target);
    sites.open();
    sourceFibers.open();
    targetSites.open();
    targetFibers.open();
    SiteConversion conversion{targetSites, targetFibers, sourceFibers, companyVersions};
    for (; !sites.isEOF(); sites.moveNext())
        convertSite(sites, conversion);
}

} // namespace

float SchemaVersions::detectVersion(const QString& path)
{
    // Only read: a file the user may only read has a version too, and a
    // reader holds a shared lock, so other readers are not refused.
    Database db;
    try {
        db.open(path, true, true, kConnectString);
    } catch (const DatabaseException&) {
        return 0.0f;
    }
    if (recordsetsOpen<CKAVFiberSet2, CKAVCompanySet2, CKAVSiteSet2_1>(db))
        return kCurrentSchemaVersion;
    if (recordsetsOpen<CKAVFiberSet2, CKAVCompanySet2, CKAVSiteSet2>(db))
        return kSchemaVersion2;
    if (recordsetsOpen<CKAVFiberSet1, CKAVCompanySet1, CKAVSiteSet1>(db))
        return kSchemaVersion1;
    return 0.0f;
}

OperationResult SchemaVersions::upgradeToCurrent(const QString& path)
{
    try {
        Database db;
        db.open(path, true, false, kConnectString);
        db.execute(kSiteCommentUpgradeSql);
        db.close();
        return OperationResult::success();
    } catch (const DatabaseException& e) {
        return OperationResult::failure(e.description());
    }
}

OperationResult SchemaVersions::convertSchema1(const QString& sourcePath, const QString& targetPath)
{
    const bool targetExisted = QFileInfo::exists(targetPath);
    bool converted = false;
    QString error;
    try {
        if (!createTestDatabase(targetPath, kCurrentSchemaVersion)) {
            error = QStringLiteral("Cannot create %1.").arg(targetPath);
        } else {
            Database source;
            Database target;
            source.open(sourcePath, true, false, kConnectString);
            target.open(targetPath, true, false, kConnectString);
            Transaction transaction(target);
            convertRows(source, target);
            transaction.commit();
            converted = true;
        }
    } catch (const DatabaseException& e) {
        error = e.description();
    }
    if (!converted && !targetExisted)
        QFile::remove(targetPath);
    return converted ? OperationResult::success() : OperationResult::failure(error);
}

std::optional<float> SchemaVersions::meterVersionNumber(const QString& versionText)
{
    qsizetype i = 0;
    while (i < versionText.size() && !isNumberCharacter(versionText.at(i)))
        ++i;
    if (i >= versionText.size())
        return std::nullopt;
    // Clamped, so that a long run of digits cannot overflow.
    constexpr std::int64_t kLimit = 1000000000;
    std::int64_t whole = 0;
    std::int64_t fraction = 0;
    bool afterPoint = false;
    for (; i < versionText.size() && isNumberCharacter(versionText.at(i)); ++i) {
        const QChar c = versionText.at(i);
        if (c == QLatin1Char('.')) {
            afterPoint = true;
            continue;
        }
        if (c == QLatin1Char('+') || c == QLatin1Char('-'))
            continue;
        std::int64_t& part = afterPoint ? fraction : whole;
        part = std::min(kLimit, part * 10 + c.digitValue());
    }
    return static_cast<float>(whole) + static_cast<float>(fraction) / 100.0f;
}
