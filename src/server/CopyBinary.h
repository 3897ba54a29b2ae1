#pragma once

#include <QByteArray>
#include <QByteArrayView>

// COPY's binary format, in which the circuits go to the team server: the
// server stores each value as it arrives instead of reading numbers, GUIDs
// and small integers from text, which took half of a publish's time on it.
namespace CopyBinary {

// What opens and what ends the data of a binary COPY.
void appendHeader(QByteArray& out);
void appendTrailer(QByteArray& out);

// A row's count of fields, then each field: its length and its bytes, or
// the length -1 for NULL.
void appendFieldCount(QByteArray& out, int fields);
void appendNull(QByteArray& out);
void appendBytes(QByteArray& out, const QByteArray& bytes);
void appendInt16(QByteArray& out, qint16 value);

// A number written in decimal, as numeric's text input takes it ("-1.25",
// "1e-05", "NaN", "Infinity", "-Infinity"), as a numeric field: the server
// holds exactly what it would hold had it read the text, with the same
// scale. False, and nothing appended, for text that is not such a number.
bool appendNumeric(QByteArray& out, QByteArrayView decimal);

} // namespace CopyBinary
