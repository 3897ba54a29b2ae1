#pragma once

#include "app/StatusSink.h"
#include "app/UserPrompt.h"

#include <QPointer>

class QObject;

// A UserPrompt for jobs on a worker thread: every question is carried to the
// thread of `home` (the window's), asked there with the prompt given, and the
// worker waits for the answer. Called on the home thread itself it asks
// directly. The home thread must be running its event loop while a worker
// asks (a progress dialog's exec() or the application's loop does).
class ThreadBoundPrompt : public UserPrompt
{
public:
    ThreadBoundPrompt(UserPrompt& prompt, QObject* home) : prompt_(prompt), home_(home) {}

    void message(const QString& text, const QString& caption, PromptIcon icon) override;
    PromptAnswer askYesNo(const QString& text, const QString& caption, PromptIcon icon) override;
    PromptAnswer askYesNoCancel(const QString& text, const QString& caption, PromptIcon icon) override;
    PromptAnswer askRetryCancel(const QString& text, const QString& caption, PromptIcon icon) override;
    PromptAnswer askMergeOverwrite(const QString& text, const QString& caption) override;
    std::optional<QString> saveFileName(const QString& suggestedPath) override;

private:
    template <typename Ask>
    auto onHomeThread(Ask ask) -> decltype(ask());

    UserPrompt& prompt_;
    QPointer<QObject> home_;
};

// A StatusSink for jobs on a worker thread: texts are posted to the thread of
// `home` and shown there in order; the worker does not wait.
class ThreadBoundStatus : public StatusSink
{
public:
    ThreadBoundStatus(StatusSink& status, QObject* home) : status_(status), home_(home) {}

    void showStatusText(const QString& text) override;
    void showRecordPosition(int position, int count) override;

private:
    StatusSink& status_;
    QPointer<QObject> home_;
};
