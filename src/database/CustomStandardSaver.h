#pragma once

#include "app/OperationResult.h"
#include "standards/RecordId.h"
#include "standards/StandardEntry.h"

#include <QString>

#include <vector>

class StandardsCatalog;

// The longest standard name the Standards table holds.
constexpr int kMaxStandardNameLength = 50;

struct SavedStandard
{
    OperationResult result;
    RecordId id; // the new standard's id; empty when nothing was saved
};

// Saves one custom standard to the shared standards file (sharedStandardsPath();
// created when missing; opened exclusively read-write with the password) in
// ONE transaction: one newRecordId for every row; rows in fiber type order
// 0..3, each type's rows in the order given. Every row is stored under `name`
// and the new id; its other fields as given. The rows join `catalog` (may be
// null) only after the commit, so the catalogue never shows a standard the
// file does not hold.
//
// Refuses, writing nothing, with a sentence for the user: an empty name or one
// over 50 characters; no rows; a fiber type above 3; a wavelength text that is
// not "<1..9999>nm"; two rows with the same fiber type and wavelength; a
// negative or non-numeric value. A database error writes nothing, changes no
// catalogue and is returned as "An error occurred:\n" + its description.
SavedStandard saveCustomStandard(const QString& name, const std::vector<StandardEntry>& rows,
                                 StandardsCatalog* catalog);

// Why these rows cannot be saved under this name; empty when they can.
QString customStandardRefusal(const QString& name, const std::vector<StandardEntry>& rows);
