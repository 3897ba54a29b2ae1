#pragma once

#include <QByteArray>

#include <array>
#include <cstdint>

class QIODevice;

// Reads a device byte by byte through a 64 KB buffer, with a small push-back
// stack. Once the end of the data is met the reader stays at the end; a read
// error counts as the end, so nothing past it is ever read.
class BufferedByteReader
{
public:
    static constexpr std::int64_t kBufferSize = 64 * 1024;
    static constexpr int kPushBackDepth = 8;

    explicit BufferedByteReader(QIODevice& device);
    BufferedByteReader(const BufferedByteReader&) = delete;
    BufferedByteReader& operator=(const BufferedByteReader&) = delete;

    bool next(char& c)
    {
        if (pushedCount_ > 0) {
            c = pushed_[--pushedCount_];
            return true;
        }
        if (position_ < filled_) {
            c = buffer_[position_++];
            return true;
        }
        return refillAndNext(c);
    }

    // False when the stack is full; the character is then lost.
    bool pushBack(char c);

    bool atEnd() const { return atEnd_; }

    // Moves everything up to `delimiter` into `out` (at most `maxKeep` bytes
    // are kept, the rest dropped) and consumes the delimiter. False when the
    // data end first.
    bool readUntil(char delimiter, QByteArray& out, qsizetype maxKeep);

private:
    bool refill();
    bool refillAndNext(char& c);

    QIODevice& device_;
    QByteArray buffer_;
    std::int64_t position_ = 0;
    std::int64_t filled_ = 0;
    bool atEnd_ = false;
    std::array<char, kPushBackDepth> pushed_{};
    int pushedCount_ = 0;
};
