#include "app/LanguageModule.h"

#include <QFile>
#include <QFileInfo>

LanguageModule::LanguageModule(const QString& path) : path_(path) {}

std::unique_ptr<LanguageModule> LanguageModule::open(const QString& path, QString* error)
{
    auto fail = [error](const QString& why) {
        if (error)
            *error = why;
        return std::unique_ptr<LanguageModule>();
    };
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("%1: %2").arg(path, file.errorString()));
    if (file.size() > kMaxFileSize)
        return fail(QStringLiteral("%1: larger than a language module can be").arg(path));
    // Read here rather than handing the name to QTranslator, which would try
    // other names (without the suffix, without the "_407" part) when this one
    // fails and so could load a different file.
    std::unique_ptr<LanguageModule> module(new LanguageModule(QFileInfo(path).absoluteFilePath()));
    module->data_ = file.read(kMaxFileSize + 1);
    if (file.error() != QFileDevice::NoError)
        return fail(QStringLiteral("%1: %2").arg(path, file.errorString()));
    if (module->data_.isEmpty() || module->data_.size() > kMaxFileSize)
        return fail(QStringLiteral("%1: not a language module").arg(path));
    const auto* bytes = reinterpret_cast<const uchar*>(module->data_.constData());
    if (!module->translator_.load(bytes, static_cast<int>(module->data_.size())))
        return fail(QStringLiteral("%1: not a language module").arg(path));
    return module;
}

std::optional<QString> LanguageModule::text(int id) const
{
    // Id-based messages have no context; the id stands where the source text
    // would, as qtTrId() looks them up.
    const QByteArray key = QByteArray::number(id);
    QString text = translator_.translate(nullptr, key.constData());
    if (text.isEmpty())
        return std::nullopt;
    return text;
}

QHash<int, QString> LanguageModule::texts(const QList<int>& ids) const
{
    QHash<int, QString> found;
    for (int id : ids) {
        if (auto t = text(id))
            found.insert(id, *t);
    }
    return found;
}
