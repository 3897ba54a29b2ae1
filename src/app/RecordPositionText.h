#pragma once

#include <QString>
#include <QStringView>

// The status bar's "Record %d of %d" with the current position and the number
// of circuits. The template comes from the language module and is written
// with printf, so it is checked first: exactly two integer conversions
// ("%d", "%i" or "%u", with flags "-+ 0", a width and a precision of up to
// two digits and at most 64) in that order, and "%%" for a percent sign. A template
// that asks for anything else (a "%s", a third number, "%2$d" reordering, a
// lone "%") is never handed to printf; the English text is used instead.
QString recordPositionText(int position, int count);

// Whether `templ` is a template recordPositionText() would use.
bool isRecordPositionTemplate(QStringView templ);
