#include "support/ScriptedSerialPort.h"

#include <algorithm>

ScriptedSerialPort::ScriptedSerialPort(ScriptedMeter& meter) : meter_(meter)
{
    ++meter_.opens;
}

ScriptedSerialPort::~ScriptedSerialPort()
{
    close();
}

void ScriptedSerialPort::close()
{
    if (!open_)
        return;
    open_ = false;
    ++meter_.closes;
}

std::int64_t ScriptedSerialPort::read(char* buffer, std::int64_t maxSize)
{
    if (meter_.talksForever) {
        buffer[0] = 'x';
        return 1;
    }
    if (pending_.empty()) {
        ++meter_.silentReads;
        return 0;
    }
    LineEvent& event = pending_.front();
    if (event.kind == LineEvent::Failure)
        return -1;
    if (event.kind == LineEvent::Silence) {
        pending_.pop_front();
        ++meter_.silentReads;
        return 0;
    }
    const auto count = std::min<std::int64_t>(maxSize, event.bytes.size());
    std::copy_n(event.bytes.constData(), count, buffer);
    event.bytes.remove(0, count);
    if (event.bytes.isEmpty())
        pending_.pop_front();
    return count;
}

std::int64_t ScriptedSerialPort::write(const char* data, std::int64_t size)
{
    if (meter_.refuseWrites)
        return -1;
    const QByteArray request(data, size);
    meter_.written += request;
    const QList<LineEvent>& reply = request == "?" ? meter_.answer : meter_.download;
    if (request == "?" || request == "Dd")
        pending_.insert(pending_.end(), reply.begin(), reply.end());
    return size;
}
