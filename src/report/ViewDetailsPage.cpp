#include "report/ViewDetailsPage.h"

#include "app/LocaleFormat.h"
#include "app/StringIds.h"
#include "app/StringTable.h"
#include "database/CircuitRecord.h"
#include "report/CircuitResultRows.h"

using namespace StringId;

namespace {

int columnSlot(const CircuitRecord& circuit, int column)
{
    return CircuitResultRows::columnSlot(circuit, column);
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
    const std::vector<ResultRow> rows = CircuitResultRows::rowsOf(circuit, ResultTable::View);
    page.rows.clear();
    for (const ResultRow& row : rows)
        page.rows.push_back(static_cast<int>(row.code));

    for (int column = 0; column < ViewDetailsPage::kColumnCount; ++column) {
        const int slot = columnSlot(circuit, column);
        page.heads[static_cast<std::size_t>(column)] =
            slot >= 0 ? circuit.wavelengthNames[static_cast<std::size_t>(slot)]
                      : Strings::loadString(ViewWavelengthHeadBlank);
    }

    const QString blank = Strings::loadString(ViewCellBlank);
    for (std::size_t r = 0; r < ViewDetailsPage::kRowCount; ++r) {
        const bool usedRow = r < rows.size();
        page.rowCaptions[r] = usedRow ? Strings::loadString(rows[r].captionId) : QString();
        for (std::size_t column = 0; column < ViewDetailsPage::kColumnCount; ++column) {
            page.cells[r][column] = usedRow ? rows[r].cells[column].text : blank;
            page.verdicts[r][column] = usedRow ? rows[r].cells[column].kind : VerdictKind::None;
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
