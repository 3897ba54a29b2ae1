#pragma once

#include <QString>

#include <optional>

// How the core asks the user something or tells him something. The GUI answers
// with Qt dialogs, the command line and the tests with scripted answers; the
// core itself never shows a window.
//
// Threads: the core calls a prompt on the thread its operation runs on. A
// dialog-showing prompt belongs to the window's thread, so a job on a worker
// gets a ThreadBoundPrompt around it, which carries each question there and
// waits for the answer.

enum class PromptIcon
{
    None,
    Information,
    Question,
    Exclamation, // also the "warning" icon
    Hand,        // stop / error
};

enum class PromptAnswer
{
    Ok,
    Cancel,
    Yes,
    No,
    Retry,
    Merge,
    Overwrite,
};

class UserPrompt
{
public:
    virtual ~UserPrompt() = default;

    // A message with an OK button.
    virtual void message(const QString& text, const QString& caption, PromptIcon icon) = 0;
    // Yes or No.
    virtual PromptAnswer askYesNo(const QString& text, const QString& caption, PromptIcon icon) = 0;
    // Yes, No or Cancel.
    virtual PromptAnswer askYesNoCancel(const QString& text, const QString& caption, PromptIcon icon) = 0;
    // Retry or Cancel.
    virtual PromptAnswer askRetryCancel(const QString& text, const QString& caption, PromptIcon icon) = 0;
    // Merge (the default), Overwrite, or Cancel when the user closes the
    // question (Escape): then nothing is saved.
    virtual PromptAnswer askMergeOverwrite(const QString& text, const QString& caption) = 0;
    // A file name to save to, or nothing when the user cancels.
    virtual std::optional<QString> saveFileName(const QString& suggestedPath) = 0;
};
