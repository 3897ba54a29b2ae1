#pragma once

#include "standards/RecordId.h"
#include "standards/StandardKey.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

class Database;
class StandardsCatalog;

// An organisation that certifies the link.
struct CompanyChoice
{
    static constexpr int kMaxNameLength = 50;
    static constexpr int kMaxTelephoneLength = 13;

    RecordId number;           // empty: a new organisation, made by the import
    QString name;              // at most 50 characters, not empty
    QString telephone;         // at most 13 characters
    QString serialNo, version; // of an existing row; unused for a new one

    bool isNew() const { return number.isEmpty(); }
};

// What the download's header says about the meter.
struct CorvinaMeterInfo
{
    std::optional<QString> serial; // absent for "CV<NONE>" or no header
    std::optional<QString> version;
    QDateTime calibrationDate; // now when the header gives none
};

// The link data a Corvina download lacks, as the Link Wizard or the command
// line gives them.
struct LinkData
{
    static constexpr int kMaxLinkNameLength = 50;
    static constexpr int kMaxCount = 32767; // connector pairs and splices are 16-bit columns

    StandardKey standard;   // standard number + custom GUID + fiber type; wavelength -1
    double lengthKm = 0;    // 0..PlausibleValues::kMaxLinkLengthKm
    int connectorPairs = 0; // 0..32767
    int splices = 0;        // 0..32767
    QString linkName;       // 1..50 characters
    CompanyChoice company;
};

// Checks the limits above; the message for the user, empty when valid.
QString validateLinkData(const LinkData& link);

// The message that refuses a length outside 0..kMaxLinkLengthKm, naming the
// bound in kilometres and feet in the user's locale.
QString linkLengthRangeMessage();

// Whether `standard` (number, custom GUID, fiber type) names a standard of
// the catalogue that covers that fiber type, so that the link gets its
// standard's name and budget. The message for the user lists what exists
// (the standards by number and name, or the fiber types the standard
// covers); empty when it exists.
QString validateLinkStandard(const StandardKey& standard, const StandardsCatalog& catalog);

// The organisations of a test database as the Link Wizard offers them: each
// distinct name once, in name order, with its first row's values (the
// telephone without the column's padding). Throws DatabaseException.
QList<CompanyChoice> listCompanyChoices(Database& db);
