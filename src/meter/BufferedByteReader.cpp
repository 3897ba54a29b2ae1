#include "meter/BufferedByteReader.h"

#include <QIODevice>

#include <algorithm>
#include <cstring>

BufferedByteReader::BufferedByteReader(QIODevice& device) : device_(device), buffer_(kBufferSize, '\0') {}

bool BufferedByteReader::refill()
{
    if (atEnd_)
        return false;
    const std::int64_t got = device_.read(buffer_.data(), kBufferSize);
    if (got <= 0) {
        atEnd_ = true;
        filled_ = position_ = 0;
        return false;
    }
    filled_ = got;
    position_ = 0;
    return true;
}

bool BufferedByteReader::refillAndNext(char& c)
{
    if (!refill())
        return false;
    c = buffer_[position_++];
    return true;
}

bool BufferedByteReader::pushBack(char c)
{
    if (pushedCount_ >= kPushBackDepth)
        return false;
    pushed_[pushedCount_++] = c;
    return true;
}

bool BufferedByteReader::readUntil(char delimiter, QByteArray& out, qsizetype maxKeep)
{
    auto keep = [&](const char* data, std::int64_t size) {
        const qsizetype room = std::max<qsizetype>(0, maxKeep - out.size());
        out.append(data, std::min<qsizetype>(room, static_cast<qsizetype>(size)));
    };
    while (pushedCount_ > 0) {
        const char c = pushed_[--pushedCount_];
        if (c == delimiter)
            return true;
        keep(&c, 1);
    }
    for (;;) {
        if (position_ >= filled_ && !refill())
            return false;
        const char* start = buffer_.constData() + position_;
        const std::int64_t available = filled_ - position_;
        const void* found = std::memchr(start, delimiter, static_cast<size_t>(available));
        if (found) {
            const std::int64_t length = static_cast<const char*>(found) - start;
            keep(start, length);
            position_ += length + 1;
            return true;
        }
        keep(start, available);
        position_ = filled_;
    }
}
