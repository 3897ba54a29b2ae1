#pragma once

#include "cli/CliApp.h"

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTextStream>

// Runs fibrolog-cli in process with its output captured.
struct CliRun
{
    int status = -1;
    QString out;
    QString err;
};

inline CliRun runCliCaptured(const QStringList& arguments)
{
    const QLocale before;
    CliRun result;
    QTextStream out(&result.out);
    QTextStream err(&result.err);
    result.status = runCli(arguments, out, err);
    out.flush();
    err.flush();
    QLocale::setDefault(before);
    return result;
}
