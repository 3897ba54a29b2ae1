#pragma once

#include "standards/RecordId.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

#include <stdexcept>

// A mistake in how the program was called: reported with the usage text, exit status 2.
class UsageError : public std::runtime_error
{
public:
    explicit UsageError(const QString& message) : std::runtime_error(message.toStdString()) {}
    QString text() const { return QString::fromStdString(what()); }
};

// The options one command accepts.
struct CommandSpec
{
    QString name;
    int minPositional = 0;
    int maxPositional = 0;
    QStringList valueOptions;        // "--standard" takes a value
    QStringList flagOptions;         // "--feet" stands alone
    QStringList repeatableOptions{}; // "--entry" takes a value and may be given again
};

// One command's arguments after parsing: positional arguments in order,
// options by name (without the leading dashes).
class CommandLine
{
public:
    // Parses the words after the command name; throws UsageError.
    static CommandLine parse(const CommandSpec& syntax, const QStringList& words);

    const QStringList& positional() const { return positional_; }
    bool has(const QString& option) const
    {
        return values_.contains(option) || flags_.contains(option) || repeated_.contains(option);
    }
    QString value(const QString& option) const { return values_.value(option); }
    // Every value of a repeatable option, in the order given.
    QStringList values(const QString& option) const { return repeated_.value(option); }

    // Typed values of options; a missing required option or a bad number is a UsageError.
    QString requiredValue(const QString& option) const;
    int intValue(const QString& option, int min, int max) const;
    double doubleValue(const QString& option, double min, double max) const;

private:
    QStringList positional_;
    QHash<QString, QString> values_;
    QHash<QString, QStringList> repeated_;
    QSet<QString> flags_;
};

// Takes "--locale NAME" (or "--locale=NAME") out of the words, wherever it is.
// Returns the name, empty when absent; throws UsageError when the value is missing.
QString takeLocaleOption(QStringList& words);

// The value of --custom-id: the stored form "{guid {...}}" or a bare GUID;
// empty without the option. Throws UsageError for anything else.
RecordId customIdOption(const CommandLine& line);
