#pragma once

#include "app/OperationResult.h"
#include "standards/RecordId.h"
#include "standards/StandardEntry.h"

#include <QString>
#include <QStringList>

#include <vector>

class StandardsCatalog;

// The longest standard name the Standards table holds.
constexpr int kMaxStandardNameLength = 50;

struct SavedStandard
{
    OperationResult result;
    RecordId id; // the new standard's id; empty when nothing was saved
};

// Saves one custom standard to the shared standards file (sharedStandardsPath())
// in ONE transaction: one newRecordId for every row; rows in fiber type order
// 0..3, each type's rows in the order given. Every row is stored under `name`
// and the new id; its other fields as given. The rows join `catalog` (may be
// null) only after the commit, so the catalogue never shows a standard the
// file does not hold.
//
// Savers of one file take turns: each waits for the file's lock as saves of
// test databases do (TargetFile), so two saves at once both land. A missing
// file is built beside its place and renamed there complete, so no reader
// ever meets half a file.
//
// Refuses, writing nothing, with a sentence for the user: an empty name or one
// over 50 characters; a name another standard has (without regard to case:
// the built-in ones, those of `catalog` and those of the file); no rows; a
// fiber type above 3; a wavelength text that is not "<1..9999>nm"; two rows
// with the same fiber type and wavelength; a negative or non-numeric value; a
// value beyond CustomStandardLimits or an entry that allows no loss; a file
// or folder the user may not change. A database error writes nothing,
// changes no catalogue and is returned as "An error occurred:\n" + its description.
SavedStandard saveCustomStandard(const QString& name, const std::vector<StandardEntry>& rows,
                                 StandardsCatalog* catalog);

// Why these rows cannot be saved under this name, as far as the name and
// rows themselves tell; empty when they can.
QString customStandardRefusal(const QString& name, const std::vector<StandardEntry>& rows);

// The names of every standard the user has now: those of `catalog` (the
// built-in ones when it is null) and those the shared standards file holds.
QStringList standardNamesInUse(const StandardsCatalog* catalog);

// Why `name` cannot be a new standard's name, given the names in use; empty
// when it is free. Names compare without regard to case or outer blanks.
QString standardNameRefusal(const QString& name, const QStringList& namesInUse);
