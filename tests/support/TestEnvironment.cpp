#include "support/TestEnvironment.h"

#include <QFile>
#include <QLocale>

TestEnvironment::TestEnvironment()
{
    qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome_.path()));
    qunsetenv("FIBROLOG_SHARED_STANDARDS");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}
