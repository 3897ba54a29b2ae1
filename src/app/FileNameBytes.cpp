#include "app/FileNameBytes.h"

#include "app/StringIds.h"
#include "app/StringTable.h"

#include <QFile>

namespace FileNameBytes {

bool isCarriedExactly(const QByteArray& name)
{
    return QFile::encodeName(QFile::decodeName(name)) == name;
}

namespace {

// The length of the UTF-8 sequence that starts at `at`, 0 when none does
// (a stray or missing continuation byte, an overlong form, a surrogate).
int sequenceAt(const QByteArray& bytes, qsizetype at)
{
    const auto byte = [&bytes](qsizetype i) { return static_cast<uchar>(bytes.at(i)); };
    const uchar lead = byte(at);
    if (lead < 0x80)
        return 1;
    int length = 0;
    char32_t code = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        code = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        code = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        code = lead & 0x07;
    } else {
        return 0;
    }
    if (at + length > bytes.size())
        return 0;
    for (int i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (byte(at + i) & 0x3F);
    }
    constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < kSmallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return 0;
    return length;
}

} // namespace

QString shown(const QByteArray& name)
{
    QString text;
    for (qsizetype at = 0; at < name.size();) {
        const int length = sequenceAt(name, at);
        if (length > 0) {
            text += QString::fromUtf8(name.mid(at, length));
            at += length;
        } else {
            text += QStringLiteral("\\x") + QString::number(static_cast<uchar>(name.at(at)), 16)
                                                .rightJustified(2, QLatin1Char('0'))
                                                .toUpper();
            ++at;
        }
    }
    return text;
}

bool mayStandForOtherBytes(const QString& name)
{
    return name.contains(QChar::ReplacementCharacter);
}

QString refusal(const QString& shownName)
{
    return Strings::formatMessage(Strings::loadString(StringId::FileNameNotUtf8), {shownName});
}

QString refusalForArguments(const QByteArrayList& arguments)
{
    for (const QByteArray& argument : arguments) {
        if (!isCarriedExactly(argument))
            return refusal(shown(argument));
    }
    return QString();
}

QByteArrayList argumentsOf(int argc, const char* const* argv)
{
    QByteArrayList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QByteArray(argv[i]);
    return arguments;
}

} // namespace FileNameBytes
