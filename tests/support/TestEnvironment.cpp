#include "support/TestEnvironment.h"

#include <QFile>
#include <QLocale>

TestEnvironment::TestEnvironment()
{
    qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome_.path()));
    qputenv("XDG_STATE_HOME", QFile::encodeName(dataHome_.filePath(QStringLiteral("state"))));
    qunsetenv("FIBROLOG_SHARED_STANDARDS");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}
