#pragma once

#include <QString>

// How one user operation ended: done; not done, and why, in words the user
// can be shown (the engine's own description where the engine failed); or
// stopped by the user. A cancel is told from a failure by what the result is,
// never by its text: the window says a failure where it cannot be missed and
// a cancel only in the status bar, the command line ends a cancel with its
// own exit status.
class OperationResult
{
public:
    enum class Outcome
    {
        Success,
        Failure,
        Cancelled,
    };

    static OperationResult success() { return OperationResult(Outcome::Success, QString()); }
    static OperationResult failure(const QString& message)
    {
        return OperationResult(Outcome::Failure, message);
    }
    // `message` says what the cancel left (by default, that nothing changed).
    static OperationResult cancelled(const QString& message = QString());

    bool ok() const { return outcome_ == Outcome::Success; }
    bool isCancelled() const { return outcome_ == Outcome::Cancelled; }
    bool isFailure() const { return outcome_ == Outcome::Failure; }
    Outcome outcome() const { return outcome_; }
    explicit operator bool() const { return ok(); }
    const QString& message() const { return message_; }

private:
    OperationResult(Outcome outcome, const QString& message) : outcome_(outcome), message_(message) {}

    Outcome outcome_ = Outcome::Success;
    QString message_;
};
