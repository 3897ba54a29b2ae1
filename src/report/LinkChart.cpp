#include "report/LinkChart.h"

#include "database/CircuitRecord.h"
#include "report/CircuitChoice.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// A reading of optical loss: measured, and not a return-loss result, whose
// figure is no loss at all.
bool hasLossReading(const CircuitRecord& circuit, int slot)
{
    return circuit.isMeasured(slot) && !circuit.isReturnLossOnly(slot) &&
           std::isfinite(circuit.at(slot).opticalLoss);
}

// The figures a wavelength's name starts with ("1300nm": 1300); names
// without figures sort after the others.
int wavelengthFigure(const QString& name)
{
    int digits = 0;
    while (digits < name.size() && name.at(digits).isDigit())
        ++digits;
    bool ok = false;
    const int figure = name.left(digits).toInt(&ok);
    return ok ? figure : std::numeric_limits<int>::max();
}

LinkChart::Bar barOf(const CircuitRecord& circuit, const QString& wavelength)
{
    LinkChart::Bar bar;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        if (circuit.wavelengthNames[static_cast<std::size_t>(slot)] != wavelength ||
            !hasLossReading(circuit, slot))
            continue;
        const SlotResult& result = circuit.at(slot);
        bar.measured = true;
        bar.loss = result.opticalLoss;
        bar.verdict = verdictCellFor(circuit, slot);
        // Only a judged fiber has an allowed loss worth drawing: a note or a
        // link without a real length was not judged against one.
        bar.limited = (bar.verdict == VerdictCell::Pass || bar.verdict == VerdictCell::Fail) &&
                      std::isfinite(result.allowedLoss);
        bar.allowedLoss = bar.limited ? result.allowedLoss : 0;
        break;
    }
    return bar;
}

} // namespace

LinkChart LinkChart::of(const ChosenCircuits& circuits, int first, int count)
{
    LinkChart chart;
    first = std::max(0, first);
    count = std::min(count, circuits.count() - first);
    if (count <= 0)
        return chart;
    const CircuitRecord& head = circuits.recordAt(first);
    chart.linkId_ = head.linkId;
    chart.companyName_ = head.companyName;
    chart.serialNumber_ = head.serialNumber;

    QStringList wavelengths;
    for (int i = first; i < first + count; ++i) {
        const CircuitRecord& circuit = circuits.recordAt(i);
        chart.circuitIds_.append(circuit.circuitId);
        for (int slot = 0; slot < kSlotCount; ++slot) {
            const QString& name = circuit.wavelengthNames[static_cast<std::size_t>(slot)];
            if (hasLossReading(circuit, slot) && !wavelengths.contains(name))
                wavelengths.append(name);
        }
    }
    std::stable_sort(wavelengths.begin(), wavelengths.end(), [](const QString& a, const QString& b) {
        return wavelengthFigure(a) < wavelengthFigure(b);
    });
    for (const QString& wavelength : std::as_const(wavelengths)) {
        Series series{wavelength, {}};
        series.bars.reserve(static_cast<std::size_t>(count));
        for (int i = first; i < first + count; ++i)
            series.bars.push_back(barOf(circuits.recordAt(i), wavelength));
        chart.series_.push_back(std::move(series));
    }
    return chart;
}
