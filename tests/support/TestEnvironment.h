#pragma once

#include <QTemporaryDir>

// What every test program sets up before its tests run: per-user data and
// state folders of its own (so no shared standards file of the machine's
// user leaks into a test, and no kept download or log lands in the user's) and US English for the tests that
// set no locale.
class TestEnvironment
{
public:
    TestEnvironment();

private:
    QTemporaryDir dataHome_;
};
