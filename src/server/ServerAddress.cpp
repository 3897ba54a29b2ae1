#include "server/ServerAddress.h"

#include <libpq-fe.h>

#include <QByteArray>

#include <cstdlib>

QString ServerAddress::resolve(const QString& given, QString* error)
{
    QString address = given;
    if (address.isEmpty())
        address = QString::fromLocal8Bit(qgetenv("FIBROLOG_SERVER"));
    if (address.trimmed().isEmpty()) {
        *error = QStringLiteral("no team server given: use --server URI or set FIBROLOG_SERVER");
        return QString();
    }
    char* parseError = nullptr;
    PQconninfoOption* options = PQconninfoParse(address.toUtf8().constData(), &parseError);
    if (!options) {
        *error =
            QStringLiteral("the team server address is not a libpq connection string or URI: %1")
                .arg(parseError ? QString::fromUtf8(parseError).trimmed() : QStringLiteral("out of memory"));
        if (parseError)
            PQfreemem(parseError);
        return QString();
    }
    bool carriesPassword = false;
    for (const PQconninfoOption* option = options; option->keyword; ++option) {
        if (qstrcmp(option->keyword, "password") == 0 && option->val && *option->val)
            carriesPassword = true;
    }
    PQconninfoFree(options);
    if (carriesPassword) {
        *error =
            QStringLiteral("the team server address carries a password; a password is never given on the "
                           "command line or in the settings: put it in ~/.pgpass, PGPASSFILE or a service "
                           "file");
        return QString();
    }
    return address;
}
