#include "meter/MeterType.h"

MeterType meterTypeFromAnswer(const QByteArray& answer)
{
    if (answer.startsWith("LN"))
        return MeterType::Lintel;
    if (answer == "MKAV" || answer.startsWith("PN") || answer.startsWith("PX"))
        return MeterType::Pendra;
    if (answer.startsWith("CV") || answer.startsWith("CX"))
        return MeterType::Corvina;
    return MeterType::None;
}

bool answerIsSettled(const QByteArray& answer)
{
    for (const char* prefix : {"LN", "PN", "PX", "CV", "CX"}) {
        if (answer.startsWith(prefix))
            return true;
    }
    return false;
}

QString meterFamilyName(MeterType type)
{
    switch (type) {
    case MeterType::Corvina:
        return QStringLiteral("Corvina");
    case MeterType::Pendra:
        return QStringLiteral("Pendra");
    case MeterType::Lintel:
        return QStringLiteral("Lintel");
    case MeterType::None:
        break;
    }
    return QStringLiteral("none");
}

QString downloadFileExtension(MeterType type)
{
    return type == MeterType::Corvina ? QStringLiteral(".kavw") : QStringLiteral(".kav");
}
