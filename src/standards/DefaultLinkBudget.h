#pragma once

#include <cstdint>

// The fixed-table budget of older meters. Old downloads and schema 1 files
// store references with this budget already taken off; it turns them back into
// light-source references.
class DefaultLinkBudget
{
public:
    static constexpr float kConnectorLoss = 0.75f;
    static constexpr float kSpliceLoss = 0.3f;

    void setConnectorPairs(int pairs) { connectorPairs_ = pairs; }
    void setSplices(int splices) { splices_ = splices; }
    void setLengthKm(float km) { lengthKm_ = km; }
    // Fiber type in bits 8-9; the other bits are ignored.
    void setTypeCode(std::uint32_t code) { typeCode_ = code; }

    // Meters below firmware 1.3 and from 2.0 on used the later table.
    void selectTable(float meterVersion);
    bool usesLaterTable() const { return useLaterTable_; }

    // The catalogue standard whose entries match the selected table:
    // 12 "ANSI/EIA/TIA568B.3" or 2 "EIA/TIA 568-A / CAN-T529".
    std::int16_t standardNumber() const;

    float attenuation(int wavelengthIndex) const;
    float budget(int wavelengthIndex) const;
    float restoreReference(float storedReference, int wavelengthIndex) const;

private:
    int connectorPairs_ = 0;
    int splices_ = 0;
    float lengthKm_ = 0;
    std::uint32_t typeCode_ = 0;
    bool useLaterTable_ = false;
};
