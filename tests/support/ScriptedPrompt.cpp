#include "support/ScriptedPrompt.h"

QStringList ScriptedPrompt::texts() const
{
    QStringList out;
    for (const Exchange& e : exchanges_)
        out.append(e.text);
    return out;
}

PromptAnswer ScriptedPrompt::next(const QString& kind, const QString& text, const QString& caption,
                                  PromptIcon icon)
{
    PromptAnswer answer = fallback_;
    if (!answers_.empty()) {
        answer = answers_.front();
        answers_.pop_front();
    }
    exchanges_.append({kind, text, caption, icon, answer});
    return answer;
}

void ScriptedPrompt::message(const QString& text, const QString& caption, PromptIcon icon)
{
    exchanges_.append({QStringLiteral("message"), text, caption, icon, PromptAnswer::Ok});
}

PromptAnswer ScriptedPrompt::askYesNo(const QString& text, const QString& caption, PromptIcon icon)
{
    const PromptAnswer a = next(QStringLiteral("yesno"), text, caption, icon);
    return a == PromptAnswer::Yes ? a : PromptAnswer::No;
}

PromptAnswer ScriptedPrompt::askYesNoCancel(const QString& text, const QString& caption, PromptIcon icon)
{
    const PromptAnswer a = next(QStringLiteral("yesnocancel"), text, caption, icon);
    return a == PromptAnswer::Yes || a == PromptAnswer::No ? a : PromptAnswer::Cancel;
}

PromptAnswer ScriptedPrompt::askRetryCancel(const QString& text, const QString& caption, PromptIcon icon)
{
    const PromptAnswer a = next(QStringLiteral("retrycancel"), text, caption, icon);
    return a == PromptAnswer::Retry ? a : PromptAnswer::Cancel;
}

PromptAnswer ScriptedPrompt::askMergeOverwrite(const QString& text, const QString& caption)
{
    const PromptAnswer a = next(QStringLiteral("mergeoverwrite"), text, caption, PromptIcon::None);
    return a == PromptAnswer::Merge || a == PromptAnswer::Overwrite ? a : PromptAnswer::Cancel;
}

std::optional<QString> ScriptedPrompt::saveFileName(const QString& suggestedPath)
{
    if (fileNames_.empty()) {
        exchanges_.append(
            {QStringLiteral("savefile"), suggestedPath, QString(), PromptIcon::None, PromptAnswer::Cancel});
        return std::nullopt;
    }
    const QString path = fileNames_.front();
    fileNames_.pop_front();
    exchanges_.append({QStringLiteral("savefile"), suggestedPath, path, PromptIcon::None, PromptAnswer::Ok});
    return path;
}
