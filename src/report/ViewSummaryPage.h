#pragma once

#include <QString>
#include <QStringList>

#include <array>

struct CircuitRecord;
class FiberCursor;

// Which result the Summary layout's table shows for every circuit and wavelength.
enum class SummaryMode : int
{
    PassFail = 0,
    SystemOverhead = 1,
    OpticalLoss = 2,
};

// The texts of the view's Summary layout: the page of circuits from a start
// index (up to ten, of one link and one company; see ViewSummaryPages), one
// row each, under up to four wavelength columns, with the company block above
// the table. Plain texts, so the window only places them and tests read them
// without a window.
struct ViewSummaryPage
{
    static constexpr int kMaxRows = 10;
    static constexpr int kColumnCount = 4;

    struct Row
    {
        int circuitIndex = -1; // in the cursor; -1 for a row past the page's end
        QString caption;       // link ID and circuit ID
        std::array<QString, kColumnCount> cells;
        QString meterType;
        QString temperature;
    };

    // The page's circuits are the cursor indexes start .. end - 1.
    int start = 0;
    int end = 0;
    QString title;
    // The wavelength names of the columns, shortest first; the rest blank.
    QStringList wavelengths;
    std::array<QString, kColumnCount> heads;
    std::array<Row, kMaxRows> rows;

    // The company block shows the page's company, that of its first circuit;
    // an edit made in it belongs to that company. -1 on an empty page.
    int companyCircuitIndex = -1;
    QString company;
    QString telephone;
    QString meterType;
    QString serialNumber;
    QString firmwareVersion;
    QString dateOfDownload;
    QString temperature;

    int rowCount() const { return end - start; }

    static ViewSummaryPage of(const FiberCursor& cursor, int start, SummaryMode mode);
    // A row's caption: the circuit's link ID and circuit ID.
    static QString rowCaption(const CircuitRecord& circuit);
};
