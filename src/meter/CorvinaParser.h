#pragma once

#include "meter/CorvinaDownload.h"

class QIODevice;

// Reads a Corvina (".kavw") download. An optional header line, present when
// the first character is a single quote, names the meter: serial number,
// version and calibration date, three quoted fields. Then one record per
// line: wavelength, first value, second value, plain numbers. A line that is
// not a whole record is left out and counted, so random bytes give no
// readings. Records end at the end of the data, at a wavelength no slot
// column can hold, or (in a file without header) at a blank line.
class CorvinaParser
{
public:
    // False (with the reason in `error`) only when the file cannot be opened.
    static bool parseFile(const QString& path, CorvinaDownload& download, QString* error = nullptr);
    static CorvinaDownload parse(QIODevice& device);
};
