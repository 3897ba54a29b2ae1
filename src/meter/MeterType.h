#pragma once

#include <QByteArray>
#include <QString>

// The meter family found on a port; the numbers are the ones stored and passed
// around (0 none, 1 Corvina, 2 Pendra, 3 Lintel).
enum class MeterType : int
{
    None = 0,
    Corvina = 1,
    Pendra = 2,
    Lintel = 3,
};

// The family an identification answer names, None for anything else. The
// comparison is case-sensitive and the first rule that matches wins.
MeterType meterTypeFromAnswer(const QByteArray& answer);

// True when no further byte can change what the answer names: its first two
// characters name a family. ("MKAV" is not settled: "MKAVX" names none.)
bool answerIsSettled(const QByteArray& answer);

// "Corvina", "Pendra", "Lintel", or "none".
QString meterFamilyName(MeterType type);

// Corvina meters send a different file format, kept apart by its extension.
QString downloadFileExtension(MeterType type);
