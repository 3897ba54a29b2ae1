#pragma once

#include <QTemporaryDir>

// What every test program sets up before its tests run: a per-user data
// folder of its own (so no shared standards file of the machine's user leaks
// into a test) and US English for the tests that set no locale.
class TestEnvironment
{
public:
    TestEnvironment();

private:
    QTemporaryDir dataHome_;
};
