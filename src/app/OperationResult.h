#pragma once

#include <QString>

// How one user operation ended: done, or not done and why, in words the
// user can be shown (the engine's own description where the engine failed).
class OperationResult
{
public:
    static OperationResult success() { return OperationResult(); }
    static OperationResult failure(const QString& message) { return OperationResult(message); }

    bool ok() const { return ok_; }
    explicit operator bool() const { return ok_; }
    const QString& message() const { return message_; }

private:
    OperationResult() = default;
    explicit OperationResult(const QString& message) : ok_(false), message_(message) {}

    bool ok_ = true;
    QString message_;
};
