#pragma once

#include <QString>

// Whether a download arrived whole. Nothing on the wire frames a download: it
// ends where the meter falls silent. A meter ends every record with a line
// end, so data that stop without one were cut short (a pause longer than the
// silence that ends a transfer, a cable pulled) and their last number may be
// half of one. Data cut at a line end cannot be told from a whole download.
namespace DownloadCompleteness {

// Data whose last byte is `lastByte` end inside a record.
bool endsInsideRecord(char lastByte);
// The file holds data that end inside a record (an empty file does not).
bool fileEndsInsideRecord(const QString& path);

// "<folder>/<name>-incomplete.<ext>": the name that says a kept file does not
// hold a whole download, whatever opens it later.
QString incompleteName(const QString& path);

// For the user: the download is incomplete, nothing was stored, and its data
// are kept at `keptPath`.
QString message(const QString& keptPath);

} // namespace DownloadCompleteness
