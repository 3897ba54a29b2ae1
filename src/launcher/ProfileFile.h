#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// A settings file in the Windows profile layout ("[section]" lines and
// "key=value" lines), read the way the medium's authors expect: section and
// key names in any case, values exactly as written (commas, backslashes and
// percent signs kept; only one pair of enclosing quotes is taken off), the
// first of two equal names winning. QSettings would split values at commas
// and take backslashes as escapes, so it cannot read these files.
class ProfileFile
{
public:
    // The longest text a value gives, and the longest number text.
    static constexpr qsizetype kMaxTextLength = 4095;
    static constexpr qsizetype kMaxNumberLength = 63;

    // A file that cannot be read is an empty profile: every text is empty,
    // every number 0.
    static ProfileFile fromFile(const QString& path);
    // UTF-8, or Latin-1 when the bytes are no valid UTF-8 (a file saved by
    // an older Windows editor).
    static ProfileFile fromBytes(const QByteArray& bytes);

    // The value, empty when the section or key is missing.
    QString text(const QString& section, const QString& key) const;
    // The value read as a decimal integer: optional sign, then digits up to
    // the first other character; empty or no digits give 0.
    int number(const QString& section, const QString& key) const;

    struct Entry
    {
        QString key;
        QString value;
    };
    // The entries of a section in file order; empty when it is missing.
    QList<Entry> entries(const QString& section) const;

private:
    struct Section
    {
        QString name;
        QList<Entry> entries;
    };
    const Section* findSection(const QString& name) const;

    QList<Section> sections_;
};
