#pragma once

#include "standards/RecordId.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <cstdint>
#include <vector>

// Moves a recordset's bound members to and from the values of one row. A
// recordset class lists its columns once, in exchange order, in
// doFieldExchange(); the same list describes the columns, loads a row into the
// members and collects the members for writing.
class FieldExchange
{
public:
    enum class Pass
    {
        Describe, // collect the bound column names
        Load,     // row values (null for a new row) -> members
        Store,    // members -> values
    };

    FieldExchange(Pass pass, std::vector<QVariant>& values, QStringList& names)
        : pass_(pass), values_(values), names_(names)
    {
    }

    // For a new row an empty text, GUID or date means "not given" and is
    // stored as nothing; for an edited row an emptied text is a change.
    void setEmptyMeansUnset(bool unset) { emptyMeansUnset_ = unset; }

    Pass pass() const { return pass_; }

    void guid(const char* column, RecordId& member);
    void text(const char* column, QString& member);
    void dateTime(const char* column, QDateTime& member);
    void single(const char* column, float& member);
    void int16(const char* column, std::int16_t& member);
    void byte(const char* column, std::uint8_t& member);
    void variant(const QString& column, QVariant& member);

private:
    // The value slot of the next column; on Describe, records its name.
    // Names are only needed then, so they stay plain C strings until used.
    QVariant* slot(const char* column);
    QVariant* slot(const QString& column);
    QVariant* nextSlot();

    Pass pass_;
    std::vector<QVariant>& values_;
    QStringList& names_;
    std::size_t index_ = 0;
    bool emptyMeansUnset_ = false;
};
