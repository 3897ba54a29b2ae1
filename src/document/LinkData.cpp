#include "document/LinkData.h"

#include "app/StringIds.h"
#include "app/StringTable.h"
#include "database/CKAVCompanySet2.h"
#include "standards/FiberTypes.h"
#include "standards/PlausibleValues.h"
#include "standards/StandardsCatalog.h"

#include <QLocale>

#include <cmath>
#include <set>
#include <utility>

namespace {

QString withLimit(int textId, int limit)
{
    return Strings::formatMessage(Strings::loadString(textId), {QString::number(limit)});
}

QString trimmedRight(const QString& text)
{
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1) == QLatin1Char(' '))
        --end;
    return text.left(end);
}

} // namespace

QString validateLinkData(const LinkData& link)
{
    if (link.standard.standardNumber < 0)
        return Strings::loadString(StringId::StandardNumberInvalid);
    if (link.standard.fiberType >= kFiberTypeCount)
        return Strings::loadString(StringId::FiberTypeInvalid);
    if (!PlausibleValues::isLinkLengthKm(link.lengthKm))
        return linkLengthRangeMessage();
    if (link.connectorPairs < 0 || link.connectorPairs > LinkData::kMaxCount)
        return withLimit(StringId::ConnectorPairsInvalid, LinkData::kMaxCount);
    if (link.splices < 0 || link.splices > LinkData::kMaxCount)
        return withLimit(StringId::SplicesInvalid, LinkData::kMaxCount);
    if (link.linkName.isEmpty() || link.linkName.size() > LinkData::kMaxLinkNameLength)
        return withLimit(StringId::LinkNameInvalid, LinkData::kMaxLinkNameLength);
    if (link.company.name.isEmpty() || link.company.name.size() > CompanyChoice::kMaxNameLength)
        return withLimit(StringId::OrganizationNameInvalid, CompanyChoice::kMaxNameLength);
    if (link.company.telephone.size() > CompanyChoice::kMaxTelephoneLength)
        return withLimit(StringId::TelephoneTooLong, CompanyChoice::kMaxTelephoneLength);
    return QString();
}

QString linkLengthRangeMessage()
{
    // Whole feet below the bound, so that the figure shown is one accepted.
    const auto feet = static_cast<qlonglong>(std::floor(PlausibleValues::kMaxLinkLengthMetres / 0.3048));
    const QLocale locale;
    return Strings::formatMessage(
        Strings::loadString(StringId::LinkLengthOutOfRange),
        {locale.toString(PlausibleValues::kMaxLinkLengthKm), locale.toString(feet)});
}

namespace {

// "12 ANSI/EIA/TIA568B.3", or for a custom standard "0 Campus SM {guid {...}}".
QString standardLabel(const StandardEntry& entry)
{
    QString label = QStringLiteral("%1 %2").arg(entry.standardNumber).arg(entry.standardName);
    if (entry.isCustom())
        label += QLatin1Char(' ') + entry.customStandardId;
    return label;
}

QString fiberTypeLabel(unsigned code)
{
    return QStringLiteral("%1 (%2)").arg(code).arg(fiberTypeShortName(code));
}

// An entry of exactly this standard: a built-in one for a null GUID, else
// one of that custom standard (a null GUID as a filter would admit any).
bool isOfStandard(const StandardEntry& entry, const StandardKey& standard)
{
    return entry.standardNumber == standard.standardNumber &&
           guidFromRecordId(entry.customStandardId) == standard.customGuid;
}

} // namespace

QString validateLinkStandard(const StandardKey& standard, const StandardsCatalog& catalog)
{
    std::set<unsigned> fiberTypes;
    QString name;
    std::set<std::pair<int, QString>> standards; // in number order, each once
    CatalogPosition position;
    StandardKey key;
    StandardEntry entry;
    while (catalog.iterate(position, key, entry)) {
        if (entry.fiberType >= kFiberTypeCount)
            continue; // no link has that fiber type
        if (isOfStandard(entry, standard)) {
            fiberTypes.insert(entry.fiberType);
            name = standardLabel(entry);
        }
        standards.insert({entry.standardNumber, standardLabel(entry)});
    }
    if (fiberTypes.count(standard.fiberType) > 0)
        return QString();
    if (!fiberTypes.empty()) {
        QStringList covered;
        for (unsigned code : fiberTypes)
            covered << fiberTypeLabel(code);
        return Strings::formatMessage(
            Strings::loadString(StringId::LinkStandardFiberTypeUnknown),
            {name, QString::number(standard.fiberType), covered.join(QLatin1String(", "))});
    }
    QStringList existing;
    for (const auto& [number, label] : standards)
        existing << label;
    QString asked = QString::number(standard.standardNumber);
    if (!isNullGuid(standard.customGuid))
        asked += QLatin1Char(' ') + recordIdFromGuid(standard.customGuid);
    return Strings::formatMessage(Strings::loadString(StringId::LinkStandardUnknown),
                                  {asked, existing.join(QLatin1String(", "))});
}

QList<CompanyChoice> listCompanyChoices(Database& db)
{
    QList<CompanyChoice> choices;
    CKAVCompanySet2 companies(db);
    companies.open();
    companies.setSort(QStringLiteral("[CompanyName]"));
    companies.requery();
    for (companies.moveFirst(); !companies.isEOF(); companies.moveNext()) {
        // A row without a name cannot be chosen; later rows of a listed name
        // are the same organisation.
        if (companies.companyName.isEmpty() ||
            (!choices.isEmpty() && choices.last().name == companies.companyName))
            continue;
        CompanyChoice choice;
        choice.number = companies.companyNumber;
        choice.name = companies.companyName;
        choice.telephone = trimmedRight(companies.companyPhone);
        choice.serialNo = companies.serialNo;
        choice.version = companies.version;
        choices.append(choice);
    }
    return choices;
}
