#pragma once

#include <QString>

struct DownloadModel;

// A readable, stable text form of a parsed download, one fact a line. GUIDs
// are new on every parse, so they appear as "<id N>" numbered in order of
// first appearance: the dump still shows which rows share an id. The upload
// time shows only whether it was set. The sample files' expected results are
// such dumps.
QString dumpDownloadModel(const DownloadModel& model);
