#pragma once

#include <QLocale>

// Sets the thread locale for one test and puts the previous one back.
class LocaleGuard
{
public:
    explicit LocaleGuard(const char* name) : previous_(QLocale())
    {
        QLocale::setDefault(QLocale(QLatin1String(name)));
    }
    ~LocaleGuard() { QLocale::setDefault(previous_); }
    LocaleGuard(const LocaleGuard&) = delete;
    LocaleGuard& operator=(const LocaleGuard&) = delete;

private:
    QLocale previous_;
};
