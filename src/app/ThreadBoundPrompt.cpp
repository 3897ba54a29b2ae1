#include "app/ThreadBoundPrompt.h"

#include <QMetaObject>
#include <QObject>
#include <QThread>

template <typename Ask>
auto ThreadBoundPrompt::onHomeThread(Ask ask) -> decltype(ask())
{
    using Answer = decltype(ask());
    if (!home_ || QThread::currentThread() == home_->thread())
        return ask();
    Answer answer{};
    QMetaObject::invokeMethod(
        home_, [&] { answer = ask(); }, Qt::BlockingQueuedConnection);
    return answer;
}

void ThreadBoundPrompt::message(const QString& text, const QString& caption, PromptIcon icon)
{
    onHomeThread([&] {
        prompt_.message(text, caption, icon);
        return 0;
    });
}

PromptAnswer ThreadBoundPrompt::askYesNo(const QString& text, const QString& caption, PromptIcon icon)
{
    return onHomeThread([&] { return prompt_.askYesNo(text, caption, icon); });
}

PromptAnswer ThreadBoundPrompt::askYesNoCancel(const QString& text, const QString& caption, PromptIcon icon)
{
    return onHomeThread([&] { return prompt_.askYesNoCancel(text, caption, icon); });
}

PromptAnswer ThreadBoundPrompt::askRetryCancel(const QString& text, const QString& caption, PromptIcon icon)
{
    return onHomeThread([&] { return prompt_.askRetryCancel(text, caption, icon); });
}

PromptAnswer ThreadBoundPrompt::askMergeOverwrite(const QString& text, const QString& caption)
{
    return onHomeThread([&] { return prompt_.askMergeOverwrite(text, caption); });
}

std::optional<QString> ThreadBoundPrompt::saveFileName(const QString& suggestedPath)
{
    return onHomeThread([&] { return prompt_.saveFileName(suggestedPath); });
}

void ThreadBoundStatus::showStatusText(const QString& text)
{
    if (!home_ || QThread::currentThread() == home_->thread()) {
        status_.showStatusText(text);
        return;
    }
    StatusSink* status = &status_;
    QMetaObject::invokeMethod(
        home_, [status, text] { status->showStatusText(text); }, Qt::QueuedConnection);
}

void ThreadBoundStatus::showRecordPosition(int position, int count)
{
    if (!home_ || QThread::currentThread() == home_->thread()) {
        status_.showRecordPosition(position, count);
        return;
    }
    StatusSink* status = &status_;
    QMetaObject::invokeMethod(
        home_, [status, position, count] { status->showRecordPosition(position, count); },
        Qt::QueuedConnection);
}
