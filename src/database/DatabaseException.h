#pragma once

#include <QString>

#include <stdexcept>

// Every failure of the database engine arrives as one of these, carrying a
// description fit to show the user after "An error occurred:".
class DatabaseException : public std::runtime_error
{
public:
    explicit DatabaseException(const QString& description)
        : std::runtime_error(description.toStdString()), description_(description)
    {
    }

    const QString& description() const { return description_; }

private:
    QString description_;
};
