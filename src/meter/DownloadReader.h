#pragma once

#include "meter/BufferedByteReader.h"

#include <QString>

class QIODevice;

// The character reader of a downloaded data file: comma-separated fields,
// text in single quotes (no escapes), numbers read leniently. A meter writes a
// number as an optional sign, digits and at most one point; a field that holds
// anything else (letters, an exponent, a second point or sign) is read as
// before but marked damaged, so the caller can leave it out rather than store
// a value the meter never sent ("1e400" would read as 1400). Every operation
// consumes at least one character or fails at the end of the data, so loops
// over it always finish. A raised line-end flag is never lowered here; the
// caller clears it when a new line begins.
class DownloadReader
{
public:
    // Longer texts are read to their closing quote, but only this much is kept.
    static constexpr qsizetype kMaxStringLength = 4096;

    explicit DownloadReader(QIODevice& device);

    bool nextChar(char& c);
    bool peekChar(char& c);
    bool atEnd() const { return bytes_.atEnd(); }

    // The text between the next pair of quotes. With `skip`, anything before
    // the opening quote is passed over (commas and line ends too); without,
    // the very next character must be the quote, and is consumed either way.
    bool readString(QString& target, bool skip);

    // A number: characters that cannot begin one are passed over, except that a
    // comma fails, a line feed fails unless `skipLineEnds`, and the end of the
    // data fails; both of the latter raise `lineEnd`. The number runs to the
    // next comma, line feed (raising `lineEnd`) or the end of the data;
    // characters in it that are not digits are ignored, a leading "-" negates,
    // and the digits after a "." are not part of the whole number.
    bool readInteger(int& target, bool skipLineEnds, bool* lineEnd = nullptr);
    // As readInteger; the first "." starts the fraction, in single precision.
    bool readDecimal(float& target, bool skipLineEnds, bool* lineEnd = nullptr);
    // Whether the field of the last readInteger or readDecimal held what a
    // meter never writes in a number, also when that read found no number
    // at all ("abc"). Blanks and carriage returns around a number are no damage.
    bool lastNumberDamaged() const { return lastNumberDamaged_; }

    // Consumes through the next comma; false at the end of the data.
    bool skipToComma();
    // Consumes through the next comma (true) or line feed (false); false at
    // the end of the data.
    bool skipToCommaOrLineEnd();

private:
    struct Number;
    bool readNumber(Number& number, bool skipLineEnds, bool* lineEnd);

    BufferedByteReader bytes_;
    QByteArray text_;
    bool lastNumberDamaged_ = false;
};
