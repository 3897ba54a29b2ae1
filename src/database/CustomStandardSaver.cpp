#include "database/CustomStandardSaver.h"

#include "app/LogCategories.h"
#include "app/ProcessFiles.h"
#include "app/StringIds.h"
#include "app/StringTable.h"
#include "app/TemporaryFileRegistry.h"
#include "app/UserFolders.h"
#include "database/CKAVStandardsSet2.h"
#include "database/CustomStandardsLoader.h"
#include "database/Database.h"
#include "database/DatabaseException.h"
#include "database/FileUpgrade.h"
#include "database/TargetFile.h"
#include "database/TestDatabaseSchema.h"
#include "standards/CustomStandardLimits.h"
#include "standards/FiberTypes.h"
#include "standards/StandardsCatalog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>

#include <array>
#include <cmath>
#include <fcntl.h>
#include <unistd.h>

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

OperationResult errorOccurred(const QString& description)
{
    return OperationResult::failure(Strings::loadString(StringId::ErrorOccurred) + description);
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

QStringList catalogueNames(const StandardsCatalog* catalog)
{
    const StandardsCatalog builtIn;
    const StandardsCatalog& source = catalog ? *catalog : builtIn;
    QStringList names;
    CatalogPosition position;
    StandardKey key;
    StandardEntry entry;
    while (source.iterate(position, key, entry))
        names.append(entry.standardName);
    names.removeDuplicates();
    return names;
}

QStringList storedNames(Database& db)
{
    QStringList names;
    StatementLease select(db, QStringLiteral("SELECT DISTINCT StandardName FROM Standards"));
    while (select->step())
        names.append(select->columnText(0));
    return names;
}

bool mayWrite(const QString& path)
{
    return ::faccessat(AT_FDCWD, QFile::encodeName(path).constData(), W_OK, AT_EACCESS) == 0;
}

// The user's words for a file or folder the user may not change; empty when
// both may be changed. The folder counts too: the file's journal and lock live there.
QString writeDenial(const TargetFile& target)
{
    if (target.exists() && !mayWrite(target.path()))
        return text(StringId::CustomStandardFileReadOnly, {QDir::toNativeSeparators(target.path())});
    const QString folder = QFileInfo(target.path()).absolutePath();
    if (!mayWrite(folder))
        return text(StringId::CustomStandardFileReadOnly, {QDir::toNativeSeparators(folder)});
    return QString();
}

void addRows(Database& db, const std::vector<StandardEntry>& rows)
{
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

// Adds the rows to the existing file, unless the file has a standard of
// that name already. Runs under the file's lock.
OperationResult addToFile(const QString& path, const QString& name, const std::vector<StandardEntry>& rows)
{
    Database db;
    CustomStandards::openStandardsFile(db, path, true);
    const QString taken = standardNameRefusal(name, storedNames(db));
    if (!taken.isEmpty())
        return OperationResult::failure(taken);
    addRows(db, rows);
    return OperationResult::success();
}

// Makes the file with these rows. The engine makes its files itself, and
// not in a folder others may write (a name there could be taken by a link
// between the check and the making): the file is built in a private
// temporary folder, copied into the lock's sibling and renamed into place
// when complete.
OperationResult createFile(TargetFile& target, const std::vector<StandardEntry>& rows)
{
    const QString workingFolder = UserFolders::workingFolder();
    QTemporaryDir work(
        QDir(workingFolder).filePath(ProcessFiles::nameTemplate(QStringLiteral("_kavcurrent"), QString())));
    if (!work.isValid())
        return errorOccurred(QStringLiteral("Cannot make a folder in %1.").arg(workingFolder));
    const RegisteredTemporaryFile workFolder(work.path());
    const QString built = work.filePath(QStringLiteral("shareddata.mdb"));
    const RegisteredTemporaryFile workFile(built);
    if (!createSharedStandardsFile(built))
        throw DatabaseException(QStringLiteral("Cannot make %1.").arg(QDir::toNativeSeparators(built)));
    {
        Database db;
        db.open(built, true, false, kConnectString);
        addRows(db, rows);
    }
    QString why;
    const QString sibling = target.createSibling(&why);
    if (sibling.isEmpty() || !copyFileOver(built, sibling, &why) || !target.commit(&why))
        return errorOccurred(why);
    return OperationResult::success();
}

OperationResult writeStandard(const QString& path, const QString& name,
                              const std::vector<StandardEntry>& rows)
{
    const QString folder = QFileInfo(path).absolutePath();
    // The program's own data folder is the user's alone; a folder the
    // environment names may be one a team shares, and is made as it is.
    QString why;
    if (!qEnvironmentVariableIsEmpty("FIBROLOG_SHARED_STANDARDS")) {
        if (!QDir().mkpath(folder))
            return errorOccurred(QStringLiteral("The folder '%1' cannot be made.").arg(folder));
    } else if (!UserFolders::makePrivateFolder(folder, &why)) {
        return errorOccurred(why);
    }
    qCDebug(lcDatabase).noquote() << "Saving the custom standard" << name << "to" << path;
    TargetFile target(path);
    if (!target.isReplaceable(&why))
        return errorOccurred(why);
    const QString denied = writeDenial(target);
    if (!denied.isEmpty())
        return OperationResult::failure(denied);
    if (!target.lock(&why))
        return errorOccurred(why);
    try {
        // Another saver may have made the file while this one waited.
        return target.exists() ? addToFile(target.path(), name, rows) : createFile(target, rows);
    } catch (const DatabaseException& e) {
        target.discardSibling();
        return errorOccurred(e.description());
    }
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
        const QString beyondLimits = CustomStandardLimits::entryRefusal(row);
        if (!beyondLimits.isEmpty())
            return beyondLimits;
        const QString key = QString::number(row.fiberType) + QLatin1Char('/') + row.wavelength;
        if (defined.contains(key))
            return text(CustomStandardWavelengthTwice, {typeName, row.wavelength});
        defined.insert(key);
    }
    return QString();
}

QStringList standardNamesInUse(const StandardsCatalog* catalog)
{
    QStringList names = catalogueNames(catalog);
    const QString path = CustomStandards::sharedStandardsPath();
    if (!QFileInfo(path).isFile())
        return names;
    try {
        Database db;
        CustomStandards::openStandardsFile(db, path, false);
        names.append(storedNames(db));
    } catch (const DatabaseException&) {
        // A file that cannot be read is said where it is loaded; the saver
        // checks the names again under the file's lock.
    }
    names.removeDuplicates();
    return names;
}

QString standardNameRefusal(const QString& name, const QStringList& namesInUse)
{
    const QString wanted = name.trimmed();
    for (const QString& used : namesInUse) {
        if (used.trimmed().compare(wanted, Qt::CaseInsensitive) == 0)
            return text(StringId::CustomStandardNameTaken, {used.trimmed()});
    }
    return QString();
}

SavedStandard saveCustomStandard(const QString& name, const std::vector<StandardEntry>& rows,
                                 StandardsCatalog* catalog)
{
    QString refusal = customStandardRefusal(name, rows);
    if (refusal.isEmpty())
        refusal = standardNameRefusal(name, catalogueNames(catalog));
    if (!refusal.isEmpty())
        return {OperationResult::failure(refusal), {}};

    const RecordId id = newRecordId();
    std::vector<StandardEntry> ordered = rowsInWritingOrder(name, id, rows);
    const OperationResult written = writeStandard(CustomStandards::sharedStandardsPath(), name, ordered);
    if (!written)
        return {written, {}};
    if (catalog) {
        for (StandardEntry& row : ordered)
            catalog->add(row);
    }
    return {OperationResult::success(), id};
}
