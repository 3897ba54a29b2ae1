#include "app/ApplicationIdentity.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

void setApplicationIdentity()
{
    QCoreApplication::setOrganizationName(kOrganizationName);
    QCoreApplication::setApplicationName(kApplicationName);
}

QString userDataFolder()
{
    // Built from the generic folder rather than AppDataLocation, which
    // follows whatever names the application object happens to have (in the
    // tests, the test program's own).
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return QDir(base).filePath(kOrganizationName + QLatin1Char('/') + kApplicationName);
}
