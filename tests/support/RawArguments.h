#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// A shell command that runs `program` with `arguments` byte for byte.
// QProcess passes arguments as UTF-8 text, so it cannot pass a file name
// that is no UTF-8 (a Latin-1 "caf\xe9.mdb"); the shell's printf can.
inline QString rawCommandLine(const QString& program, const QList<QByteArray>& arguments)
{
    QString line = QStringLiteral("exec '%1'").arg(program);
    for (const QByteArray& argument : arguments) {
        line += QStringLiteral(" \"$(printf '");
        for (const char byte : argument)
            line += QStringLiteral("\\%1").arg(static_cast<uchar>(byte), 3, 8, QLatin1Char('0'));
        line += QStringLiteral("')\"");
    }
    return line;
}
