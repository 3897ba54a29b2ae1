#pragma once

#include "document/LinkData.h"

#include <QStringList>

#include <vector>

class Database;

// One wavelength slot of the new link's Site row.
struct LinkSlot
{
    int wavelengthNm = 0; // 0: the slot is empty
    float reference = 0.0f;
};

// Writes a Corvina link into `db` (a new test database, inside the caller's
// transaction): the chosen organisation's Company row, a further Company row
// when the meter differs from that organisation's (so the rows that already
// name the organisation stay as they are), and the Site row with `slots` in
// slot order. Meter texts longer than their column are shortened and named
// in `shortened`. Returns the new SiteNumber; throws DatabaseException.
RecordId createLink(Database& db, const LinkData& link, const CorvinaMeterInfo& meter,
                    const std::vector<LinkSlot>& slots, QStringList* shortened = nullptr);
