#pragma once

#include "meter/SerialTransport.h"

#include <QByteArray>
#include <QList>

#include <deque>

// What one read of a scripted line gives: bytes, a silent read, or a failure.
struct LineEvent
{
    enum Kind
    {
        Data,
        Silence,
        Failure,
    };
    Kind kind = Silence;
    QByteArray bytes;

    static LineEvent data(const QByteArray& bytes) { return {Data, bytes}; }
    static LineEvent silence() { return {Silence, {}}; }
    static LineEvent failure() { return {Failure, {}}; }
};

// A meter behind a scripted port: what it answers to "?" and to "Dd", how
// the port misbehaves, and a record of what happened to it.
struct ScriptedMeter
{
    QList<LineEvent> answer;   // after "?"
    QList<LineEvent> download; // after "Dd"
    bool failConfigure = false;
    bool refuseWrites = false;
    bool talksForever = false; // every read gives a byte

    int opens = 0;
    int closes = 0;
    int silentReads = 0; // reads that returned no byte
    QByteArray written;
};

// A serial line that plays a ScriptedMeter; once the script is used up every
// read is silent.
class ScriptedSerialPort : public SerialTransport
{
public:
    explicit ScriptedSerialPort(ScriptedMeter& meter);
    ~ScriptedSerialPort() override;

    bool configure() override { return !meter_.failConfigure; }
    void setReadTimeout(int) override {}
    std::int64_t read(char* buffer, std::int64_t maxSize) override;
    std::int64_t write(const char* data, std::int64_t size) override;
    bool drain() override { return true; }
    void purgeInput() override {}
    void close() override;
    QString errorString() const override { return QStringLiteral("scripted failure"); }

private:
    ScriptedMeter& meter_;
    std::deque<LineEvent> pending_;
    bool open_ = true;
};
