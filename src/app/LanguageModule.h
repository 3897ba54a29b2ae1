#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QTranslator>

#include <memory>
#include <optional>

// One language module file, opened: a compiled Qt Linguist file (.qm) whose
// messages are keyed by string id.
class LanguageModule
{
public:
    // Larger files are refused unread: a string table is a few hundred KiB.
    static constexpr qint64 kMaxFileSize = 16 * 1024 * 1024;

    // Reads and checks the file. Nothing, with the reason in *error, when it
    // cannot be read or is not a compiled translation file.
    static std::unique_ptr<LanguageModule> open(const QString& path, QString* error);

    LanguageModule(const LanguageModule&) = delete;
    LanguageModule& operator=(const LanguageModule&) = delete;

    const QString& path() const { return path_; }

    // The module's text for `id`; nothing when it has none (or an empty one).
    std::optional<QString> text(int id) const;

    // The module's texts for those of `ids` it has.
    QHash<int, QString> texts(const QList<int>& ids) const;

private:
    explicit LanguageModule(const QString& path);

    QString path_;
    // The translator reads its messages from these bytes for as long as it
    // lives, so they are declared first and go last.
    QByteArray data_;
    QTranslator translator_;
};
