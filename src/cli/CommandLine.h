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

// What "fibrolog-cli COMMAND --help" says of a command, and what the list of
// all commands and a usage error show of it. Kept with the command's options
// so that a new command brings its own.
struct CommandUsage
{
    QString synopsis; // "export-csv FILE.mdb OUT.csv", without the program name
    QString summary;  // one line for the list of all commands
    QString details;  // the options and what the command does, lines indented by two
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
    CommandUsage usage{};
};

// One command's arguments after parsing: positional arguments in order,
// options by name (without the leading dashes).
class CommandLine
{
public:
    // Parses the words after the command name; throws UsageError. "--help"
    // or "-h" where an option may stand asks for the command's usage instead,
    // whatever else the words hold.
    static CommandLine parse(const CommandSpec& syntax, const QStringList& words);

    bool helpRequested() const { return helpRequested_; }

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
    static CommandLine parseWords(const CommandSpec& syntax, const QStringList& words);

    QStringList positional_;
    QHash<QString, QString> values_;
    QHash<QString, QStringList> repeated_;
    QSet<QString> flags_;
    bool helpRequested_ = false;
};

// Takes "--locale NAME" (or "--locale=NAME") out of the words, wherever it is.
// Returns the name, empty when absent; throws UsageError when the value is missing.
QString takeLocaleOption(QStringList& words);

// Takes every "--quiet" before "--" out of the words, wherever it is: it may
// come before or after the command. True when there was one.
bool takeQuietOption(QStringList& words);

// A custom standard's id as a user may give it: the stored form
// "{guid {...}}" (what add-standard prints), "{...}" or the bare GUID, in
// either case. The stored form, or empty when the text is none of these or
// the all-zero GUID.
RecordId parseCustomStandardId(const QString& text);

// The value of --custom-id (see parseCustomStandardId); empty without the
// option. Throws UsageError naming the three forms for anything else.
RecordId customIdOption(const CommandLine& line);
