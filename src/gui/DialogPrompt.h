#pragma once

#include "app/UserPrompt.h"

class QWidget;

// The window's UserPrompt: Qt message boxes and the file dialog, over the
// main window. It must be called on the UI thread; a job on a worker thread
// reaches it through a ThreadBoundPrompt.
class DialogPrompt : public UserPrompt
{
public:
    explicit DialogPrompt(QWidget* parent = nullptr) : parent_(parent) {}

    void setParent(QWidget* parent) { parent_ = parent; }

    void message(const QString& text, const QString& caption, PromptIcon icon) override;
    PromptAnswer askYesNo(const QString& text, const QString& caption, PromptIcon icon) override;
    PromptAnswer askYesNoCancel(const QString& text, const QString& caption, PromptIcon icon) override;
    PromptAnswer askRetryCancel(const QString& text, const QString& caption, PromptIcon icon) override;
    // Merge is the default button; Escape or closing the box is Cancel.
    PromptAnswer askMergeOverwrite(const QString& text, const QString& caption) override;
    std::optional<QString> saveFileName(const QString& suggestedPath) override;

private:
    QWidget* parent_ = nullptr;
};
