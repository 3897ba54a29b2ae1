#include "cli/CliPrompt.h"

void CliPrompt::show(const QString& text, const QString& caption)
{
    if (!caption.isEmpty())
        err_ << caption << ": ";
    err_ << text << '\n';
    err_.flush();
}

void CliPrompt::message(const QString& text, const QString& caption, PromptIcon)
{
    show(text, caption);
}

PromptAnswer CliPrompt::askYesNo(const QString& text, const QString& caption, PromptIcon)
{
    show(text, caption);
    return PromptAnswer::No;
}

PromptAnswer CliPrompt::askYesNoCancel(const QString& text, const QString& caption, PromptIcon)
{
    show(text, caption);
    return PromptAnswer::Cancel;
}

PromptAnswer CliPrompt::askRetryCancel(const QString& text, const QString& caption, PromptIcon)
{
    show(text, caption);
    return PromptAnswer::Cancel;
}

PromptAnswer CliPrompt::askMergeOverwrite(const QString& text, const QString& caption)
{
    if (mergeAnswer_)
        return *mergeAnswer_;
    // Merging keeps what the file holds; it is the question's default.
    show(text, caption);
    return PromptAnswer::Merge;
}

std::optional<QString> CliPrompt::saveFileName(const QString&)
{
    return std::nullopt;
}
