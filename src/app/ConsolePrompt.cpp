#include "app/ConsolePrompt.h"

void ConsolePrompt::show(const QString& text, const QString& caption)
{
    if (!caption.isEmpty())
        err_ << caption << ": ";
    err_ << text << '\n';
    err_.flush();
}

void ConsolePrompt::message(const QString& text, const QString& caption, PromptIcon)
{
    show(text, caption);
}

PromptAnswer ConsolePrompt::askYesNo(const QString& text, const QString& caption, PromptIcon)
{
    show(text, caption);
    return PromptAnswer::No;
}

PromptAnswer ConsolePrompt::askYesNoCancel(const QString& text, const QString& caption, PromptIcon)
{
    show(text, caption);
    return PromptAnswer::Cancel;
}

PromptAnswer ConsolePrompt::askRetryCancel(const QString& text, const QString& caption, PromptIcon)
{
    show(text, caption);
    return PromptAnswer::Cancel;
}

PromptAnswer ConsolePrompt::askMergeOverwrite(const QString& text, const QString& caption)
{
    if (mergeAnswer_)
        return *mergeAnswer_;
    // Merging keeps what the file holds; it is the question's default.
    show(text, caption);
    return PromptAnswer::Merge;
}

std::optional<QString> ConsolePrompt::saveFileName(const QString&)
{
    return std::nullopt;
}
