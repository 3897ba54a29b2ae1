#include "standards/LossSummary.h"

#include "standards/FiberTypes.h"
#include "standards/StandardLinkBudget.h"
#include "standards/StandardsCatalog.h"

LossSummary computeLossSummary(const StandardsCatalog& catalog, const StandardKey& key, float lengthKm,
                               int connectorPairs, int splices)
{
    // QString::asprintf formats as the C locale does, so these texts never
    // take the user's decimal comma.
    LossSummary summary;
    summary.lengthText = QString::asprintf("%f km", static_cast<double>(lengthKm));
    summary.connectorText = QString::asprintf("%d", connectorPairs);
    summary.spliceText = QString::asprintf("%d", splices);
    summary.cableTypeText = fiberTypeShortName(key.fiberType);

    StandardLinkBudget budget;
    budget.setCatalogue(&catalog);
    budget.setConnectorPairs(connectorPairs);
    budget.setLengthKm(lengthKm);
    budget.setSplices(splices);

    CatalogPosition position;
    StandardEntry entry;
    while (catalog.findNext(key, position, entry)) {
        summary.standardText = entry.standardName;
        budget.setStandard(entry.standardNumber, entry.customStandardId, entry.fiberType, entry.wavelength);
        // The allowance is shown as the negative figure a meter reads for a loss.
        const float allowed = budget.allowedLoss();
        summary.lines.append({entry.wavelength, QString::asprintf("%f db", static_cast<double>(-allowed))});
    }
    return summary;
}
