#include "report/ViewDetailsPage.h"

#include "app/LocaleFormat.h"
#include "app/StringIds.h"
#include "app/StringTable.h"
#include "database/CircuitRecord.h"
#include "report/ViewResultRows.h"

using namespace StringId;

namespace {

// The slot shown in column k: the site's k-th measured slot, -1 beyond them.
int columnSlot(const CircuitRecord& circuit, int column)
{
    const auto index = static_cast<std::size_t>(column);
    if (column < 0 || column >= circuit.siteSlotCount || index >= circuit.siteSlots.size())
        return -1;
    const int slot = circuit.siteSlots[index];
    return slot >= 0 && slot < kSlotCount ? slot : -1;
}

// Without a loss or return-loss result in any column (references set by
// hand, or no measurement) the link's figures were never part of a judgement.
bool hasJudgedColumn(const CircuitRecord& circuit)
{
    for (int column = 0; column < ViewDetailsPage::kColumnCount; ++column) {
        const int slot = columnSlot(circuit, column);
        if (slot >= 0 && circuit.hasLossOrReturnLoss(slot))
            return true;
    }
    return false;
}

QString lengthText(const CircuitRecord& circuit, bool lengthInKilometers)
{
    if (lengthInKilometers)
        return FormatLocalNumber(ViewLengthKmTemplate, ViewLengthKmFormat, circuit.lengthKm);
    return FormatLocalNumber(ViewLengthFeetTemplate, ViewLengthFeetFormat,
                             kilometresToFeet(circuit.lengthKm));
}

void fillLinkFigures(ViewDetailsPage& page, const CircuitRecord& circuit, bool lengthInKilometers)
{
    page.temperature = FormatLocalNumber(TemperatureTemplate, TemperatureFormat, circuit.temperature);
    // A return-loss standard does not depend on the link's makeup.
    if (circuit.isReturnLossCircuit()) {
        page.length = Strings::loadString(ViewLengthNone);
        page.splices = Strings::loadString(ViewSplicesNone);
        page.connectorPairs = Strings::loadString(ViewConnectorPairsNone);
        page.cableType = Strings::loadString(ViewCableTypeNone);
    } else {
        page.length = lengthText(circuit, lengthInKilometers);
        page.splices = FormatLocalNumber(ViewSplicesTemplate, ViewSplicesFormat, circuit.splices);
        page.connectorPairs =
            FormatLocalNumber(ViewConnectorPairsTemplate, ViewConnectorPairsFormat, circuit.connectorPairs);
        page.cableType = circuit.cableTypeName;
    }
    if (!hasJudgedColumn(circuit)) {
        page.temperature = Strings::loadString(TemperatureNone);
        page.length = Strings::loadString(ViewLengthNone);
        page.connectorPairs = Strings::loadString(ViewConnectorPairsNone);
        page.splices = Strings::loadString(ViewSplicesNone);
    }
    // Says why no column has a verdict, where a "-" would say nothing.
    if (!circuit.hasRealLength())
        page.length = Strings::loadString(LengthNotReal);
}

void fillResults(ViewDetailsPage& page, const CircuitRecord& circuit)
{
    page.title =
        Strings::loadString(circuit.isReturnLossCircuit() ? ViewResultsTitleReturnLoss : ViewResultsTitle);
    const auto rows = ViewResultRows::rowsOf(circuit);
    page.rows.assign(rows.begin(), rows.end());

    for (int column = 0; column < ViewDetailsPage::kColumnCount; ++column) {
        const int slot = columnSlot(circuit, column);
        page.heads[static_cast<std::size_t>(column)] =
            slot >= 0 ? circuit.wavelengthNames[static_cast<std::size_t>(slot)]
                      : Strings::loadString(ViewWavelengthHeadBlank);
    }

    const QString notApplicable = Strings::loadString(ViewCellNotApplicable);
    const QString blank = Strings::loadString(ViewCellBlank);
    for (int r = 0; r < ViewDetailsPage::kRowCount; ++r) {
        const auto index = static_cast<std::size_t>(r);
        const bool usedRow = index < rows.size();
        page.rowCaptions[index] =
            usedRow ? Strings::loadString(ViewResultRows::captionId(rows[index])) : QString();
        for (int column = 0; column < ViewDetailsPage::kColumnCount; ++column) {
            const int slot = columnSlot(circuit, column);
            QString& cell = page.cells[index][static_cast<std::size_t>(column)];
            if (!usedRow || slot < 0)
                cell = blank;
            else if (circuit.isMeasured(slot) && ViewResultRows::applies(rows[index], circuit, slot))
                cell = ViewResultRows::value(rows[index], circuit, slot);
            else
                cell = notApplicable;
        }
    }
}

} // namespace

ViewDetailsPage ViewDetailsPage::of(const CircuitRecord& circuit, bool lengthInKilometers)
{
    ViewDetailsPage page;
    page.company = circuit.companyName;
    page.telephone = circuit.companyPhone;
    page.meterType = circuit.meterModel;
    page.serialNumber = circuit.serialNumber;
    page.firmwareVersion = circuit.firmwareVersion;
    page.linkId = circuit.linkId;
    page.linkComment = circuit.linkComment;
    page.circuitId = circuit.circuitId;
    page.dateOfTest = circuit.testDateText;
    page.calibrationDate = circuit.calibrationDateText;
    page.dateOfDownload = circuit.uploadDateText;
    page.standard =
        circuit.isUserDefined() ? Strings::loadString(UserDefinedLinkBudget) : circuit.standardName;
    page.lengthCaption =
        Strings::loadString(lengthInKilometers ? LengthCaptionKilometers : LengthCaptionFeet);
    fillLinkFigures(page, circuit, lengthInKilometers);
    fillResults(page, circuit);
    return page;
}
