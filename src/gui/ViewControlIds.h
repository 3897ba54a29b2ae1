#pragma once

#include <array>

// The ids of the report view's controls, as the form has always numbered
// them; each widget carries its id as its object name ("c1063"), so the
// tests and the language modules can find it.
namespace ViewControlIds {

constexpr int kNoData = 1123;
constexpr int kSummaryPicture = 1143;
constexpr int kCompany = 1002;
constexpr int kTelephone = 1051;
constexpr int kMeterType = 1005;
constexpr int kSerialNumber = 1006;
constexpr int kFirmware = 1007;
constexpr int kLinkId = 1058;
constexpr int kLinkComment = 1174;
constexpr int kCircuitId = 1063;
constexpr int kCalibrationDate = 1146;
constexpr int kDateOfTest = 1060;
constexpr int kTemperature = 1061;
constexpr int kDateOfDownload = 1062;
constexpr int kCharacteristicsGroup = 1053;
constexpr int kLength = 1010;
constexpr int kConnectorPairs = 1012;
constexpr int kSplices = 1013;
constexpr int kCableType = 1014;
constexpr int kStandard = 1149;
constexpr int kLengthCaption = 1130;
constexpr int kResultsGroup = 1052;
constexpr int kResultsTitle = 1000;
constexpr int kLinkFrame = 1129;
constexpr int kSummaryGroup = 1138;

constexpr std::array<int, 10> kDetailRowCaptions = {1001, 1008, 1009, 1065, 1066,
                                                    1068, 1069, 1070, 1072, 1180};
constexpr std::array<int, 4> kDetailHeads = {1142, 1139, 1140, 1141};
constexpr std::array<int, 4> kSummaryHeads = {1135, 1134, 1136, 1137};

// The Details cells, row by row: rows 1-8 are 1015 onwards, four a row; then
// rows 9 and 10 have ids of their own.
constexpr int detailCell(int row, int column)
{
    constexpr std::array<int, 4> row9 = {1176, 1177, 1178, 1179};
    constexpr std::array<int, 4> row10 = {1056, 1057, 1064, 1067};
    if (row < 8)
        return 1015 + row * 4 + column;
    return row == 8 ? row9[static_cast<std::size_t>(column)] : row10[static_cast<std::size_t>(column)];
}

constexpr int summaryRowCaption(int row)
{
    return 1073 + row;
}

constexpr int summaryCell(int row, int column)
{
    return 1083 + row * 4 + column;
}

} // namespace ViewControlIds
