#include "database/CustomStandardSaver.h"

#include "app/StringIds.h"
#include "app/StringTable.h"
#include "database/CKAVStandardsSet2.h"
#include "database/CustomStandardsLoader.h"
#include "database/Database.h"
#include "database/DatabaseException.h"
#include "database/TestDatabaseSchema.h"
#include "standards/FiberTypes.h"
#include "standards/StandardsCatalog.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

#include <array>
#include <cmath>

namespace {

// A Site's wavelength slots hold six characters, so a standard's wavelength
// beyond 9999 nm could never match a tested link; the Standards column holds seven.
bool isStorableWavelength(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("^[1-9][0-9]{0,3}nm$"));
    return pattern.match(text).hasMatch();
}

bool isNonNegativeNumber(float value)
{
    return std::isfinite(value) && value >= 0.0f;
}

bool hasStorableValues(const StandardEntry& row)
{
    return isNonNegativeNumber(row.maxDistance) && isNonNegativeNumber(row.maxLoss) &&
           isNonNegativeNumber(row.attenuation) && isNonNegativeNumber(row.connectorLoss) &&
           isNonNegativeNumber(row.spliceLoss);
}

QString text(int id, const QStringList& arguments = {})
{
    return Strings::formatMessage(Strings::loadString(id), arguments);
}

// The rows in the order they are written: fiber type 0 to 3, each type's rows as given.
std::vector<StandardEntry> rowsInWritingOrder(const QString& name, const RecordId& id,
                                              const std::vector<StandardEntry>& rows)
{
    std::vector<StandardEntry> ordered;
    ordered.reserve(rows.size());
    for (unsigned type = 0; type < kFiberTypeCount; ++type) {
        for (const StandardEntry& row : rows) {
            if (row.fiberType != type)
                continue;
            StandardEntry stored = row;
            stored.standardName = name;
            stored.customStandardId = id;
            ordered.push_back(stored);
        }
    }
    return ordered;
}

void writeRows(const QString& path, const std::vector<StandardEntry>& rows)
{
    if (!QFileInfo::exists(path)) {
        const QString folder = QFileInfo(path).absolutePath();
        if (!QDir().mkpath(folder))
            throw DatabaseException(QStringLiteral("The folder '%1' cannot be made.").arg(folder));
        createSharedStandardsFile(path);
    }
    Database db;
    db.open(path, true, false, kConnectString);
    Transaction transaction(db);
    CKAVStandardsSet2 standards(db);
    standards.open();
    for (const StandardEntry& row : rows) {
        standards.addNew();
        standards.setEntry(row);
        standards.update();
    }
    standards.close();
    transaction.commit();
}

} // namespace

QString customStandardRefusal(const QString& name, const std::vector<StandardEntry>& rows)
{
    using namespace StringId;
    if (name.trimmed().isEmpty())
        return text(CustomStandardNameEmpty);
    if (name.size() > kMaxStandardNameLength)
        return text(CustomStandardNameTooLong, {QString::number(kMaxStandardNameLength)});
    if (rows.empty())
        return text(CustomStandardNoRows);
    QSet<QString> defined;
    for (const StandardEntry& row : rows) {
        if (row.fiberType >= kFiberTypeCount)
            return text(CustomStandardBadFiberType, {QString::number(row.fiberType)});
        const QString typeName = fiberTypeLongName(row.fiberType);
        if (!isStorableWavelength(row.wavelength))
            return text(CustomStandardBadWavelength, {row.wavelength, typeName});
        if (!hasStorableValues(row))
            return text(CustomStandardBadValue, {typeName, row.wavelength});
        const QString key = QString::number(row.fiberType) + QLatin1Char('/') + row.wavelength;
        if (defined.contains(key))
            return text(CustomStandardWavelengthTwice, {typeName, row.wavelength});
        defined.insert(key);
    }
    return QString();
}

SavedStandard saveCustomStandard(const QString& name, const std::vector<StandardEntry>& rows,
                                 StandardsCatalog* catalog)
{
    const QString refusal = customStandardRefusal(name, rows);
    if (!refusal.isEmpty())
        return {OperationResult::failure(refusal), {}};

    const RecordId id = newRecordId();
    std::vector<StandardEntry> ordered = rowsInWritingOrder(name, id, rows);
    try {
        writeRows(CustomStandards::sharedStandardsPath(), ordered);
    } catch (const DatabaseException& e) {
        return {OperationResult::failure(Strings::loadString(StringId::ErrorOccurred) + e.description()), {}};
    }
    if (catalog) {
        for (StandardEntry& row : ordered)
            catalog->add(row);
    }
    return {OperationResult::success(), id};
}
