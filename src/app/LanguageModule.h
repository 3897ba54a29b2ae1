#pragma once

#include <QHash>
#include <QList>
#include <QString>

#include <memory>
#include <optional>

// One language module file, opened and checked: a compiled Qt Linguist file
// (.qm) whose messages are keyed by string id. It is used only when the
// list of checksums beside it names it with the checksum of its bytes and
// every byte of its structure is sound; Qt's translator never reads it.
class LanguageModule
{
public:
    // Larger files are refused unread: a string table is a few hundred KiB.
    static constexpr qint64 kMaxFileSize = 16 * 1024 * 1024;

    // Reads and checks the file. Nothing, with the reason in the user's
    // words in *error (a clause such as "it is damaged ..."), when it cannot
    // be read, is not listed with its checksum, or is not a sound compiled
    // module.
    static std::unique_ptr<LanguageModule> open(const QString& path, QString* error);

    LanguageModule(const LanguageModule&) = delete;
    LanguageModule& operator=(const LanguageModule&) = delete;

    const QString& path() const { return path_; }

    // The module's text for `id`; nothing when it has none (or an empty one).
    std::optional<QString> text(int id) const;

    // The module's texts for those of `ids` it has.
    QHash<int, QString> texts(const QList<int>& ids) const;

private:
    LanguageModule(const QString& path, QHash<int, QString> texts);

    QString path_;
    QHash<int, QString> texts_;
};
