#include "support/TestEnvironment.h"

#include <QFile>
#include <QLocale>
#include <QThreadPool>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

TestEnvironment::TestEnvironment()
{
    qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome_.path()));
    qunsetenv("FIBROLOG_SHARED_STANDARDS");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

int TestEnvironment::finish(int status)
{
    QThreadPool::globalInstance()->waitForDone();
#if defined(__SANITIZE_ADDRESS__)
    // Reports and ends the program itself when something leaked; the check
    // does not run a second time at exit.
    __lsan_do_leak_check();
#endif
    return status;
}
