#pragma once

#include "report/VerdictTexts.h"

#include <QString>

#include <array>
#include <vector>

struct CircuitRecord;

// The texts of the view's Details layout for one circuit: its link and
// company, the circuit characteristics and the ten-by-four results table.
// Plain texts, so the window only places them and tests read them without a
// window.
struct ViewDetailsPage
{
    static constexpr int kRowCount = 10;
    static constexpr int kColumnCount = 4;

    QString company;
    QString telephone;
    QString meterType;
    QString serialNumber;
    QString firmwareVersion;
    QString linkId;
    QString linkComment;
    QString circuitId;
    QString dateOfTest;
    QString calibrationDate;
    QString dateOfDownload;
    QString temperature;

    QString lengthCaption; // names the unit of `length`
    QString length;
    QString connectorPairs;
    QString splices;
    QString cableType;
    QString standard;

    QString title; // of the results table
    std::array<QString, kColumnCount> heads;
    std::vector<int> rows; // the row codes shown, top down
    std::array<QString, kRowCount> rowCaptions;
    std::array<std::array<QString, kColumnCount>, kRowCount> cells;
    // What each Pass/Fail cell says, for its colour; None in every other cell.
    std::array<std::array<VerdictKind, kColumnCount>, kRowCount> verdicts{};

    static ViewDetailsPage of(const CircuitRecord& circuit, bool lengthInKilometers);
};
