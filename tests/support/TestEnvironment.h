#pragma once

#include <QTemporaryDir>

// What every test program sets up before its tests run: a per-user data
// folder of its own (so no shared standards file of the machine's user leaks
// into a test) and US English for the tests that set no locale.
class TestEnvironment
{
public:
    TestEnvironment();

    // Ends the test program: in a sanitizer build the leak check runs here,
    // while every thread of Qt and of the tests is idle. Left to exit(), it
    // stops the world while Qt's own threads are being torn down, and its
    // tracer now and then crashes on a thread half gone.
    static int finish(int status);

private:
    QTemporaryDir dataHome_;
};
