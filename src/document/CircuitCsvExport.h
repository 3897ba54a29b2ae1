#pragma once

#include <QString>

class FiberCursor;

// Writes the evaluated circuits as CSV (RFC 4180, UTF-8, header line first):
// one row per measured wavelength slot, circuits in the cursor's order, slots
// in slot order. Numbers use "." and two decimals whatever the locale. The
// file is written whole or not at all.
bool exportCircuitsCsv(const FiberCursor& cursor, const QString& path, QString* error);

// The header line's columns.
QString circuitCsvHeader();
