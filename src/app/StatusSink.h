#pragma once

#include <QString>

// Where the core writes the status-bar texts: the main frame in the GUI,
// standard error or nothing on the command line, a recorder in tests.
//
// Threads: the core writes on the thread its operation runs on; a job on a
// worker gets a ThreadBoundStatus around the window's sink, which posts the
// texts to the window's thread.
class StatusSink
{
public:
    virtual ~StatusSink() = default;

    // The message pane, by string id or with a text.
    virtual void showStatus(int stringId);
    virtual void showStatusText(const QString& text) = 0;

    // The "Record %d of %d" pane.
    virtual void showRecordPosition(int position, int count) = 0;
};

// A sink that drops everything.
class NullStatusSink : public StatusSink
{
public:
    void showStatusText(const QString&) override {}
    void showRecordPosition(int, int) override {}
};
