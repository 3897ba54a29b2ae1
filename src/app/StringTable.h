#pragma once

#include <QByteArrayView>
#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>

// The table every user-visible text is loaded from by id. English is built in;
// a language module replaces some or all of the texts. Ids the module does not
// carry keep their English text.
class StringTable
{
public:
    StringTable();

    // The table the program loads its strings from.
    static StringTable& current();

    QString text(int id) const;
    bool contains(int id) const;
    QList<int> ids() const;

    void setOverrides(const QHash<int, QString>& texts);
    void clearOverrides();
    int overrideCount() const { return overrides_.size(); }

    // Reads the text form of a language module's table: one "id<TAB>text" per
    // line, "\n", "\t" and "\\" as escapes, lines starting with "#" and empty
    // lines ignored. Fails with a message naming the first bad line.
    static std::optional<QHash<int, QString>> parse(QByteArrayView data, QString* error);

    // The text form of the English table, which parse() reads back.
    static QByteArray englishAsText();

private:
    QHash<int, QString> english_;
    QHash<int, QString> overrides_;
};

namespace Strings {

// Shorthand for StringTable::current().text(id).
QString loadString(int id);

// Message-template rules: "%1" .. "%99" are the arguments, "%%" a percent sign;
// any other "%" stays as it is. A missing argument leaves its "%n" in place.
QString formatMessage(const QString& templ, const QStringList& arguments);

} // namespace Strings
