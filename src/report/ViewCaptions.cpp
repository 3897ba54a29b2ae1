#include "report/ViewCaptions.h"

#include "app/StringIds.h"
#include "app/StringTable.h"

#include <algorithm>
#include <array>

namespace {

using namespace StringId;

constexpr std::array kCaptions = std::to_array<ViewCaption>({
    {0, 1002, ViewCaptionCompany},
    {0, 1051, ViewCaptionTelephone},
    {0, 1005, ViewCaptionMeterType},
    {0, 1006, ViewCaptionSerialNumber},
    {0, 1007, ViewCaptionFirmwareVersion},
    {1124, 1058, ViewCaptionLinkId},
    {1125, 1060, ViewCaptionDateOfTest},
    {1126, 1061, ViewCaptionTemperature},
    {1127, 1062, ViewCaptionDateOfDownload},
    {1128, 1063, ViewCaptionCircuitId},
    {1131, 1012, ViewCaptionConnectorPairs},
    {1132, 1013, ViewCaptionSplices},
    {1133, 1014, ViewCaptionCableType},
    {1145, 1146, ViewCaptionCalibrationDate},
    {1148, 1149, ViewCaptionStandard},
    {1175, 1174, ViewCaptionLinkComment},
});

} // namespace

std::span<const ViewCaption> viewCaptions()
{
    return kCaptions;
}

QString viewCaptionText(int captionControlId)
{
    if (captionControlId == 0)
        return QString();
    const auto it = std::find_if(kCaptions.begin(), kCaptions.end(), [&](const ViewCaption& caption) {
        return caption.captionControlId == captionControlId;
    });
    return it != kCaptions.end() ? Strings::loadString(it->stringId) : QString();
}

QString viewCaptionTextForValue(int valueControlId)
{
    const auto it = std::find_if(kCaptions.begin(), kCaptions.end(), [&](const ViewCaption& caption) {
        return caption.valueControlId == valueControlId;
    });
    return it != kCaptions.end() ? Strings::loadString(it->stringId) : QString();
}
