#pragma once

#include <QString>

// The PDF reader warning's message: "%1" becomes the detected reader, "%%"
// a percent sign; any other "%n" stays as written, since the text comes
// from the medium's settings file and there is only the one value to put
// in. Then the two-character sequences backslash-r and backslash-n become a
// carriage return and a line feed.
QString formatWarningText(const QString& templ, const QString& readerVersion);

// `templ` with "%1" replaced by `value` and "%%" by a percent sign; any
// other "%n" stays as written.
QString formatOneArgument(const QString& templ, const QString& value);

// The text with each line break (CR LF, CR or LF) as a single LF, for
// showing in a label.
QString withPlainLineBreaks(QString text);
