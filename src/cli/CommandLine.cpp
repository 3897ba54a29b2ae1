#include "cli/CommandLine.h"

#include <cmath>

namespace {

QString dashed(const QString& option)
{
    return QStringLiteral("--") + option;
}

bool isHelpWord(const QString& word)
{
    return word == QLatin1String("--help") || word == QLatin1String("-h");
}

// Whether any word before "--" asks for help: a call that is wrong in other
// ways still gets the usage it asks for.
bool asksForHelp(const QStringList& words)
{
    for (const QString& word : words) {
        if (word == QLatin1String("--"))
            return false;
        if (isHelpWord(word))
            return true;
    }
    return false;
}

} // namespace

CommandLine CommandLine::parse(const CommandSpec& syntax, const QStringList& words)
{
    try {
        return parseWords(syntax, words);
    } catch (const UsageError&) {
        if (!asksForHelp(words))
            throw;
        CommandLine help;
        help.helpRequested_ = true;
        return help;
    }
}

CommandLine CommandLine::parseWords(const CommandSpec& syntax, const QStringList& words)
{
    CommandLine line;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QString& word = words.at(i);
        // "--" ends the options: a file may be called "--feet".
        if (!optionsEnded && word == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        if (!optionsEnded && isHelpWord(word)) {
            line.helpRequested_ = true;
            continue;
        }
        if (optionsEnded || !word.startsWith(QLatin1String("--"))) {
            line.positional_.append(word);
            continue;
        }
        QString name = word.mid(2);
        QString inlineValue;
        bool hasInlineValue = false;
        if (const qsizetype eq = name.indexOf(QLatin1Char('=')); eq >= 0) {
            inlineValue = name.mid(eq + 1);
            name.truncate(eq);
            hasInlineValue = true;
        }
        const bool repeatable = syntax.repeatableOptions.contains(name);
        if (!repeatable && line.has(name))
            throw UsageError(QStringLiteral("option %1 given twice").arg(dashed(name)));
        if (syntax.flagOptions.contains(name)) {
            if (hasInlineValue)
                throw UsageError(QStringLiteral("option %1 takes no value").arg(dashed(name)));
            line.flags_.insert(name);
        } else if (repeatable || syntax.valueOptions.contains(name)) {
            if (!hasInlineValue) {
                if (i + 1 >= words.size())
                    throw UsageError(QStringLiteral("option %1 needs a value").arg(dashed(name)));
                inlineValue = words.at(++i);
            }
            if (repeatable)
                line.repeated_[name].append(inlineValue);
            else
                line.values_.insert(name, inlineValue);
        } else {
            throw UsageError(QStringLiteral("unknown option %1 for '%2'").arg(word, syntax.name));
        }
    }
    if (line.helpRequested_)
        return line;
    if (line.positional_.size() < syntax.minPositional)
        throw UsageError(QStringLiteral("'%1' needs more arguments").arg(syntax.name));
    if (line.positional_.size() > syntax.maxPositional)
        throw UsageError(QStringLiteral("too many arguments for '%1'").arg(syntax.name));
    return line;
}

QString CommandLine::requiredValue(const QString& option) const
{
    if (!values_.contains(option))
        throw UsageError(QStringLiteral("option %1 is required").arg(dashed(option)));
    return values_.value(option);
}

int CommandLine::intValue(const QString& option, int min, int max) const
{
    bool ok = false;
    const int number = requiredValue(option).toInt(&ok);
    if (!ok || number < min || number > max)
        throw UsageError(QStringLiteral("option %1 needs a whole number from %2 to %3")
                             .arg(dashed(option))
                             .arg(min)
                             .arg(max));
    return number;
}

double CommandLine::doubleValue(const QString& option, double min, double max) const
{
    bool ok = false;
    const double number = requiredValue(option).toDouble(&ok);
    if (!ok || !std::isfinite(number) || number < min || number > max)
        throw UsageError(QStringLiteral("option %1 needs a number from %2 to %3")
                             .arg(dashed(option))
                             .arg(min, 0, 'g', 15)
                             .arg(max, 0, 'g', 15));
    return number;
}

QString takeLocaleOption(QStringList& words)
{
    QString name;
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QString& word = words.at(i);
        if (word == QLatin1String("--"))
            break;
        if (word == QLatin1String("--locale")) {
            if (i + 1 >= words.size())
                throw UsageError(QStringLiteral("option --locale needs a value"));
            name = words.at(i + 1);
            words.remove(i, 2);
            --i;
        } else if (word.startsWith(QLatin1String("--locale="))) {
            name = word.mid(9);
            words.remove(i);
            --i;
        }
    }
    return name;
}

bool takeQuietOption(QStringList& words)
{
    bool quiet = false;
    for (qsizetype i = 0; i < words.size(); ++i) {
        if (words.at(i) == QLatin1String("--"))
            break;
        if (words.at(i) == QLatin1String("--quiet")) {
            quiet = true;
            words.remove(i);
            --i;
        }
    }
    return quiet;
}

RecordId parseCustomStandardId(const QString& text)
{
    static const QString kStoredOpening = QStringLiteral("{guid {");
    const QString given = text.trimmed();
    QString digits = given;
    if (given.startsWith(kStoredOpening, Qt::CaseInsensitive) && given.endsWith(QLatin1String("}}")))
        digits = given.mid(kStoredOpening.size(), given.size() - kStoredOpening.size() - 2);
    else if (given.startsWith(QLatin1Char('{')) && given.endsWith(QLatin1Char('}')))
        digits = given.mid(1, given.size() - 2);
    // The stored form is read by one rule; what it does not take is no GUID.
    const Guid guid = guidFromRecordId(kStoredOpening + digits + QStringLiteral("}}"));
    if (isNullGuid(guid))
        return {};
    // Rewritten in the stored form, so that it matches the rows it names
    // whatever case it was typed in.
    return recordIdFromGuid(guid);
}

RecordId customIdOption(const CommandLine& line)
{
    if (!line.has(QStringLiteral("custom-id")))
        return {};
    const RecordId id = parseCustomStandardId(line.value(QStringLiteral("custom-id")));
    if (id.isEmpty())
        throw UsageError(
            QStringLiteral("option --custom-id takes a custom standard's id as add-standard prints "
                           "it, {guid {XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}}, or as "
                           "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX} or "
                           "XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX"));
    return id;
}
