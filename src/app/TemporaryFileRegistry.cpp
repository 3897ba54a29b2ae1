#include "app/TemporaryFileRegistry.h"

#include <QFile>

#include <array>
#include <atomic>
#include <csignal>
#include <cstring>
#include <mutex>
#include <unistd.h>

namespace {

// Fixed slots, so that the handler never meets a structure in the middle of
// an allocation. A program holds a handful of such files at a time.
constexpr std::size_t kSlots = 64;
constexpr std::size_t kPathBytes = 4096 + 16;

struct Slot
{
    std::atomic<bool> used{false};
    char path[kPathBytes] = {};
    char journal[kPathBytes] = {};
};

std::array<Slot, kSlots> slots;
std::mutex slotsMutex; // between threads only; the handler takes no lock
std::atomic<TemporaryFileRegistry::SignalEnd> signalEnd{TemporaryFileRegistry::SignalEnd::ByTheSignal};

void removeAndEnd(int signalNumber)
{
    TemporaryFileRegistry::removeAllAndEnd(signalNumber);
}

} // namespace

namespace TemporaryFileRegistry {

void add(const QString& path)
{
    const QByteArray file = QFile::encodeName(path);
    const QByteArray journal = file + "-journal";
    if (file.isEmpty() || static_cast<std::size_t>(journal.size()) >= kPathBytes)
        return;
    const std::lock_guard<std::mutex> lock(slotsMutex);
    for (Slot& slot : slots) {
        if (slot.used.load())
            continue;
        std::memcpy(slot.path, file.constData(), static_cast<std::size_t>(file.size()) + 1);
        std::memcpy(slot.journal, journal.constData(), static_cast<std::size_t>(journal.size()) + 1);
        slot.used.store(true);
        return;
    }
}

void forget(const QString& path)
{
    const QByteArray file = QFile::encodeName(path);
    const std::lock_guard<std::mutex> lock(slotsMutex);
    for (Slot& slot : slots) {
        if (slot.used.load() && std::strcmp(slot.path, file.constData()) == 0) {
            slot.used.store(false);
            return;
        }
    }
}

void removeAllNow()
{
    // Files first, then the folders they were in.
    for (Slot& slot : slots) {
        if (!slot.used.load())
            continue;
        ::unlink(slot.path);
        ::unlink(slot.journal);
    }
    for (Slot& slot : slots) {
        if (slot.used.load())
            ::rmdir(slot.path);
    }
}

[[noreturn]] void removeAllAndEnd(int signalNumber)
{
    removeAllNow();
    if (signalEnd.load() == SignalEnd::WithStatus)
        ::_exit(128 + signalNumber);
    std::signal(signalNumber, SIG_DFL);
    std::raise(signalNumber);
    // Only reached when the signal is blocked or ignored here.
    ::_exit(128 + signalNumber);
}

void removeOnTerminatingSignals(SignalEnd end)
{
    static_assert(std::atomic<SignalEnd>::is_always_lock_free);
    signalEnd.store(end);
    std::signal(SIGXFSZ, SIG_IGN);
    for (int signalNumber : {SIGINT, SIGTERM, SIGHUP, SIGQUIT}) {
        struct sigaction action
        {
        };
        action.sa_handler = removeAndEnd;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESETHAND;
        sigaction(signalNumber, &action, nullptr);
    }
}

} // namespace TemporaryFileRegistry

RegisteredTemporaryFile::RegisteredTemporaryFile(const QString& path)
{
    reset(path);
}

RegisteredTemporaryFile::~RegisteredTemporaryFile()
{
    reset(QString());
}

void RegisteredTemporaryFile::reset(const QString& path)
{
    if (!path_.isEmpty())
        TemporaryFileRegistry::forget(path_);
    path_ = path;
    if (!path_.isEmpty())
        TemporaryFileRegistry::add(path_);
}
