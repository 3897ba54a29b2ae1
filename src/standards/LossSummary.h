#pragma once

#include "standards/StandardKey.h"

#include <QList>
#include <QString>

class StandardsCatalog;

// One line of the Loss Wizard's summary: a wavelength the standard covers and
// the loss a link may show there.
struct LossSummaryLine
{
    QString wavelength; // the entry's Wavelength text as the catalogue holds it
    QString loss;       // "%f db" of the negated allowed loss: "-9.300000 db"
};

// What the Loss Wizard's last page shows and prints for a planned link. The
// numbers are formatted with printf in the C locale ("." as the decimal point
// whatever the user's locale), the way the page and its printout have always
// shown them.
struct LossSummary
{
    QString lengthText;           // "%f km": "0.304800 km"
    QString connectorText;        // "%d"
    QString spliceText;           // "%d"
    QString cableTypeText;        // short name of the key's fiber type: "INDOOR SM"
    QString standardText;         // name of the last matching entry; empty when none matches
    QList<LossSummaryLine> lines; // one per entry passing the key, in walk order
};

// The allowed loss of every entry that passes `key` (a filter: standard
// number, custom GUID and fiber type; wavelength -1) for a link of this
// length, connector pairs and splices.
LossSummary computeLossSummary(const StandardsCatalog& catalog, const StandardKey& key, float lengthKm,
                               int connectorPairs, int splices);
