#pragma once

#include <QString>
#include <QVariant>

class QComboBox;

// Inserts an item where a sorted drop-down list keeps it: in the user's
// collation order, after equal texts already there. Returns its index.
int insertSorted(QComboBox& combo, const QString& text, const QVariant& data);
