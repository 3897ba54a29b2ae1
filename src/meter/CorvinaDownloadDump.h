#pragma once

#include <QString>

struct CorvinaDownload;

// A readable, stable text form of a parsed Corvina download, one fact a line;
// the expected results of the ".kavw" sample files are such dumps.
QString dumpCorvinaDownload(const CorvinaDownload& download);
