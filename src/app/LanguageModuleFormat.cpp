#include "app/LanguageModuleFormat.h"

#include <QList>
#include <QSet>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <limits>

namespace {

constexpr std::array<unsigned char, 16> kMagic = {0x3c, 0xb8, 0x64, 0x18, 0xca, 0xef, 0x9c, 0x95,
                                                  0xcd, 0x21, 0x1c, 0xbf, 0x60, 0xa1, 0xbd, 0xdd};

// The blocks lrelease writes. Only the messages and their hash table are
// used; the others are checked for their length and left alone.
enum Block : unsigned char
{
    Contexts = 0x2f,
    Hashes = 0x42,
    Messages = 0x69,
    NumerusRules = 0x88,
    Dependencies = 0x96,
    Language = 0xa7,
};

// The tags of a message record.
enum Tag : unsigned char
{
    End = 1,
    Translation = 3,
    Obsolete1 = 5,
    SourceText = 6,
    Context = 7,
    Comment = 8,
};

constexpr quint32 kNullString = 0xffffffffu;

// A cursor over bytes that never reads past their end.
class Reader
{
public:
    explicit Reader(QByteArrayView bytes) : bytes_(bytes) {}

    qsizetype position() const { return position_; }
    bool atEnd() const { return position_ >= bytes_.size(); }

    bool byte(unsigned char& out)
    {
        if (bytes_.size() - position_ < 1)
            return false;
        out = static_cast<unsigned char>(bytes_.at(position_++));
        return true;
    }

    bool number(quint32& out)
    {
        if (bytes_.size() - position_ < 4)
            return false;
        out = qFromBigEndian<quint32>(bytes_.data() + position_);
        position_ += 4;
        return true;
    }

    bool take(quint32 length, QByteArrayView& out)
    {
        if (static_cast<quint64>(bytes_.size() - position_) < length)
            return false;
        out = bytes_.sliced(position_, length);
        position_ += length;
        return true;
    }

    // A length-prefixed string; a null one (length 0xffffffff) is empty.
    bool string(QByteArrayView& out)
    {
        quint32 length = 0;
        if (!number(length))
            return false;
        if (length == kNullString) {
            out = {};
            return true;
        }
        return take(length, out);
    }

private:
    QByteArrayView bytes_;
    qsizetype position_ = 0;
};

// The hash Qt's translator files index their messages by.
quint32 elfHash(QByteArrayView text)
{
    quint32 h = 0;
    for (char c : text) {
        h = (h << 4) + static_cast<unsigned char>(c);
        const quint32 g = h & 0xf0000000u;
        if (g != 0)
            h ^= g >> 24;
        h &= ~g;
    }
    return h == 0 ? 1 : h;
}

// A string id as lrelease -idbased writes it: decimal, no sign, no leading
// zero.
std::optional<int> idOf(QByteArrayView source)
{
    if (source.isEmpty() || source.size() > 10 || (source.size() > 1 && source.front() == '0'))
        return std::nullopt;
    qint64 value = 0;
    for (char c : source) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(value);
}

struct Message
{
    qsizetype offset = 0;
    int id = 0;
    quint32 hash = 0;
    QString text;
};

// One record from its first tag to its End tag.
bool readMessage(Reader& reader, Message& out)
{
    out.offset = reader.position();
    bool haveSource = false;
    bool haveTranslation = false;
    QByteArrayView source;
    QByteArrayView comment;
    for (;;) {
        unsigned char tag = 0;
        if (!reader.byte(tag))
            return false;
        switch (tag) {
        case End: {
            if (!haveSource)
                return false;
            const auto id = idOf(source);
            if (!id)
                return false;
            out.id = *id;
            out.hash = elfHash(QByteArray(source.data(), source.size()) + comment.toByteArray());
            return true;
        }
        case Translation: {
            QByteArrayView utf16;
            if (!reader.string(utf16) || utf16.size() % 2 != 0)
                return false;
            // Numerus forms follow the first translation; the program's
            // texts have none, and the first is the one a lookup gives.
            if (!haveTranslation) {
                QString text(utf16.size() / 2, Qt::Uninitialized);
                for (qsizetype i = 0; i < text.size(); ++i)
                    text[i] = QChar(qFromBigEndian<quint16>(utf16.data() + 2 * i));
                out.text = text;
                haveTranslation = true;
            }
            break;
        }
        case Obsolete1: {
            quint32 ignored = 0;
            if (!reader.number(ignored))
                return false;
            break;
        }
        case SourceText:
            if (haveSource || !reader.string(source))
                return false;
            haveSource = true;
            break;
        case Context: {
            // Id-based messages have no context; one with a context would
            // never be found by its id.
            QByteArrayView context;
            if (!reader.string(context) || !context.isEmpty())
                return false;
            break;
        }
        case Comment:
            if (!reader.string(comment))
                return false;
            break;
        default:
            return false;
        }
    }
}

bool readMessages(QByteArrayView block, QList<Message>& out)
{
    Reader reader(block);
    while (!reader.atEnd()) {
        Message message;
        if (!readMessage(reader, message))
            return false;
        out.append(message);
    }
    return !out.isEmpty();
}

// Every entry names the hash and the offset of one message, in ascending
// order of hash, and every message is named exactly once.
bool hashesMatch(QByteArrayView block, const QList<Message>& messages)
{
    if (block.size() % 8 != 0 || block.size() / 8 != messages.size())
        return false;
    QHash<qsizetype, qsizetype> byOffset;
    for (qsizetype i = 0; i < messages.size(); ++i)
        byOffset.insert(messages.at(i).offset, i);
    QSet<qsizetype> named;
    Reader reader(block);
    quint32 previous = 0;
    while (!reader.atEnd()) {
        quint32 hash = 0;
        quint32 offset = 0;
        if (!reader.number(hash) || !reader.number(offset) || hash < previous)
            return false;
        previous = hash;
        const auto found = byOffset.constFind(offset);
        if (found == byOffset.constEnd() || messages.at(*found).hash != hash || named.contains(*found))
            return false;
        named.insert(*found);
    }
    return true;
}

} // namespace

std::optional<QHash<int, QString>> readLanguageModule(QByteArrayView bytes)
{
    if (bytes.size() < qsizetype(kMagic.size()) ||
        !std::equal(kMagic.begin(), kMagic.end(), reinterpret_cast<const unsigned char*>(bytes.data())))
        return std::nullopt;
    Reader reader(bytes.sliced(kMagic.size()));
    QSet<unsigned char> seen;
    QByteArrayView hashes;
    QByteArrayView messagesBlock;
    while (!reader.atEnd()) {
        unsigned char tag = 0;
        quint32 length = 0;
        QByteArrayView block;
        if (!reader.byte(tag) || !reader.number(length) || !reader.take(length, block))
            return std::nullopt;
        if (seen.contains(tag))
            return std::nullopt;
        seen.insert(tag);
        switch (tag) {
        case Hashes:
            hashes = block;
            break;
        case Messages:
            messagesBlock = block;
            break;
        case Contexts:
        case NumerusRules:
        case Language:
            break;
        case Dependencies:
            // A module stands alone: one that asks for other files to be
            // loaded with it is not one of ours.
        default:
            return std::nullopt;
        }
    }
    QList<Message> messages;
    if (!seen.contains(Messages) || !seen.contains(Hashes) || !readMessages(messagesBlock, messages) ||
        !hashesMatch(hashes, messages))
        return std::nullopt;

    QHash<int, QString> texts;
    QSet<int> ids;
    for (const Message& message : std::as_const(messages)) {
        if (ids.contains(message.id))
            return std::nullopt;
        ids.insert(message.id);
        if (!message.text.isEmpty())
            texts.insert(message.id, message.text);
    }
    return texts;
}
