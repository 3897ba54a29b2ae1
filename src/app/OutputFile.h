#pragma once

#include "app/UnfinishedOutputs.h"

#include <QIODevice>
#include <QString>

// A file the program writes for the user (a CSV export, a PDF, a download
// kept as a file), written whole or not at all: the content goes into a
// sibling file that is renamed over the output only when it is complete, and
// that a signal ending the program removes. An output that is the input it is
// made from, or that exists and is not a regular file (a device, a FIFO, a
// folder), is refused before anything is written, and so is one with other
// names (hard links), which the rename would part from it. A symbolic link is
// written through, to the file it names, unless a stranger planted it in a
// shared folder (see LinkFollowing). A name that may stand for other bytes
// (see FileNameBytes) is refused.
class OutputFile
{
public:
    explicit OutputFile(const QString& path);
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // False, with the reason naming the path, when the output may not be
    // written; `input` is the file it is made from, if any.
    static bool check(const QString& path, const QString& input, QString* error);

    bool open(QString* error);
    QIODevice& device() { return device_; }
    // Makes the written content the output; false with the system's reason.
    bool commit(QString* error);
    // Throws the written content away; the output stays as it was.
    void cancel();

private:
    // Writes straight to the file descriptor, so a failed write reports the
    // system's own reason ("No space left on device", "File too large").
    class Device : public QIODevice
    {
    public:
        bool openDescriptor(int fd);
        int descriptor() const { return fd_; }
        // Why a write failed; empty while none has.
        const QString& failure() const { return failure_; }
        void close() override;
        bool isSequential() const override { return false; }

    protected:
        qint64 readData(char*, qint64) override { return -1; }
        qint64 writeData(const char* data, qint64 size) override;

    private:
        int fd_ = -1;
        QString failure_;
    };

    QString requested_; // the path as given
    QString path_;      // the real file, once open
    QString partial_;   // the sibling being written
    UnfinishedOutputNote note_;
    Device device_;
};
