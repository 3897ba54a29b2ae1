#pragma once

#include "app/UserPrompt.h"

#include <QTextStream>

#include <optional>

// The user of a program run from a shell (fibrolog-cli, fibrolog --print):
// nobody is there to answer, so every question gets
// the careful answer (Cancel, No, Overwrite nothing) and every text goes to
// standard error, so that the user sees why the command gave up.
class ConsolePrompt : public UserPrompt
{
public:
    explicit ConsolePrompt(QTextStream& err) : err_(err) {}

    // The user chose on the command line (--merge, --overwrite): the question
    // is answered without being shown.
    void answerMergeOverwrite(PromptAnswer answer) { mergeAnswer_ = answer; }

    void message(const QString& text, const QString& caption, PromptIcon icon) override;
    PromptAnswer askYesNo(const QString& text, const QString& caption, PromptIcon icon) override;
    PromptAnswer askYesNoCancel(const QString& text, const QString& caption, PromptIcon icon) override;
    PromptAnswer askRetryCancel(const QString& text, const QString& caption, PromptIcon icon) override;
    PromptAnswer askMergeOverwrite(const QString& text, const QString& caption) override;
    std::optional<QString> saveFileName(const QString& suggestedPath) override;

private:
    void show(const QString& text, const QString& caption);

    QTextStream& err_;
    std::optional<PromptAnswer> mergeAnswer_;
};
