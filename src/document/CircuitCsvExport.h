#pragma once

#include <QString>

#include <functional>

class Database;
struct CircuitRecord;
class JobProgress;
class StandardsCatalog;

// Writes the evaluated circuits of an open test database as CSV (RFC 4180,
// UTF-8, CR LF line ends, header line first): one row per measured wavelength
// slot, circuits in the fiber cursor's order, slots in slot order. Numbers use
// "." and two decimals whatever the locale; a text a spreadsheet would run as
// a formula gets a leading "'". The circuits are streamed one link at a time,
// so memory stays flat however large the file; the file is written whole or
// not at all. False with the reason in `error`. `progress` hears of the
// circuits written and may stop the export, which then leaves no file. With
// `include`, only the circuits it accepts are written (the window's export
// of a chosen part).
bool exportCircuitsCsv(Database& db, const StandardsCatalog& catalogue, const QString& path, QString* error,
                       JobProgress* progress = nullptr,
                       const std::function<bool(const CircuitRecord&)>& include = {});

// The header line's columns.
QString circuitCsvHeader();
