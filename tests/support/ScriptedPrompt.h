#pragma once

#include "app/StatusSink.h"
#include "app/UserPrompt.h"

#include <QList>
#include <QStringList>

#include <deque>

// A UserPrompt that answers from a script and records what it was asked: the
// command line's non-interactive user, and the tests' user.
class ScriptedPrompt : public UserPrompt
{
public:
    struct Exchange
    {
        QString kind; // "message", "yesno", "yesnocancel", "retrycancel", "mergeoverwrite", "savefile"
        QString text;
        QString caption;
        PromptIcon icon = PromptIcon::None;
        PromptAnswer answer = PromptAnswer::Ok;
    };

    // Answers are taken in order; when the script runs out, `fallback` answers
    // every question (Cancel by default: the careful choice nobody typed).
    void addAnswer(PromptAnswer answer) { answers_.push_back(answer); }
    void setFallback(PromptAnswer answer) { fallback_ = answer; }
    void addSaveFileName(const QString& path) { fileNames_.push_back(path); }

    const QList<Exchange>& exchanges() const { return exchanges_; }
    QStringList texts() const;

    void message(const QString& text, const QString& caption, PromptIcon icon) override;
    PromptAnswer askYesNo(const QString& text, const QString& caption, PromptIcon icon) override;
    PromptAnswer askYesNoCancel(const QString& text, const QString& caption, PromptIcon icon) override;
    PromptAnswer askRetryCancel(const QString& text, const QString& caption, PromptIcon icon) override;
    PromptAnswer askMergeOverwrite(const QString& text, const QString& caption) override;
    std::optional<QString> saveFileName(const QString& suggestedPath) override;

private:
    PromptAnswer next(const QString& kind, const QString& text, const QString& caption, PromptIcon icon);

    std::deque<PromptAnswer> answers_;
    std::deque<QString> fileNames_;
    PromptAnswer fallback_ = PromptAnswer::Cancel;
    QList<Exchange> exchanges_;
};

// A StatusSink that keeps every text it was shown.
class RecordingStatusSink : public StatusSink
{
public:
    void showStatusText(const QString& text) override { texts.append(text); }
    void showRecordPosition(int position, int count) override
    {
        lastPosition = position;
        lastCount = count;
    }

    QStringList texts;
    int lastPosition = -1;
    int lastCount = -1;
};
