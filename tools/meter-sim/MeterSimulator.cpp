#include "MeterSimulator.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <random>

#include <poll.h>
#include <unistd.h>

namespace {

// The line is filled in small bursts: fine enough for the pace, coarse enough
// not to wake a thousand times a second.
constexpr auto kBurst = std::chrono::milliseconds(10);
constexpr std::size_t kMaxStaged = 4096;
// Behind the schedule by more than this, the line was idle rather than late.
constexpr auto kIdle = std::chrono::milliseconds(100);

} // namespace

MeterSimulator::MeterSimulator(const SimOptions& options, PseudoTerminal& line)
    : options_(options), line_(line),
      // 8N1: a start bit, eight data bits and a stop bit per byte.
      bytePeriod_(options.fast ? std::chrono::nanoseconds(0)
                               : std::chrono::nanoseconds(10'000'000'000LL / options.baud)),
      nextDue_(Clock::now())
{
}

MeterSimulator::~MeterSimulator()
{
    if (download_)
        std::fclose(download_);
}

void MeterSimulator::handleByte(char c)
{
    if (options_.silent)
        return;
    if (c == '?') {
        if (options_.garbage) {
            std::mt19937 random(std::random_device{}());
            for (int i = 0; i < 64; ++i)
                answer_.push_back(static_cast<char>(random() & 0xFF));
        } else {
            answer_ += options_.identification;
        }
    } else if (c == 'd' && previous_ == 'D') {
        startDownload();
    }
    previous_ = c;
}

void MeterSimulator::startDownload()
{
    if (download_)
        return;
    downloadSent_ = 0;
    if (options_.downloadFile.empty()) {
        if (!options_.corvina)
            return;
        const char* builtIn = SimOptions::builtInCorvinaDownload();
        download_ = ::fmemopen(const_cast<char*>(builtIn), std::strlen(builtIn), "rb");
        if (!download_)
            std::perror("built-in Corvina download");
        return;
    }
    download_ = std::fopen(options_.downloadFile.c_str(), "rb");
    if (!download_)
        std::perror(options_.downloadFile.c_str());
}

void MeterSimulator::handleRequests()
{
    char buffer[256];
    for (;;) {
        const ssize_t got = ::read(line_.master(), buffer, sizeof buffer);
        if (got <= 0)
            return; // EAGAIN, or EIO while no program has the port open
        for (ssize_t i = 0; i < got; ++i)
            handleByte(buffer[i]);
    }
}

bool MeterSimulator::stageOutput(Clock::time_point now)
{
    if (!staged_.empty())
        return true;
    if (answer_.empty() && !download_)
        return false;
    // A line that had nothing to send owes nothing: the pace starts now, not
    // with a burst for the idle time.
    if (nextDue_ < now - kIdle)
        nextDue_ = now;
    if (now < nextDue_)
        return false;
    std::size_t allowed = kMaxStaged;
    if (bytePeriod_.count() > 0) {
        // Everything due by now and the next burst; the schedule is absolute,
        // so waking late sends more and the average rate stays exact.
        const auto due = (now + kBurst - nextDue_) / bytePeriod_;
        allowed = std::clamp<std::size_t>(static_cast<std::size_t>(due), 1, kMaxStaged);
    }
    if (!answer_.empty()) {
        staged_ = answer_.substr(0, allowed);
        answer_.erase(0, staged_.size());
        stagedFromDownload_ = 0;
        return true;
    }
    if (options_.pauseEvery > 0)
        allowed = std::min<std::size_t>(allowed, options_.pauseEvery - downloadSent_ % options_.pauseEvery);
    if (options_.hangUpAfter >= 0)
        allowed =
            std::min<std::size_t>(allowed, std::max<std::int64_t>(0, options_.hangUpAfter - downloadSent_));
    staged_.resize(allowed);
    const std::size_t got = allowed > 0 ? std::fread(staged_.data(), 1, allowed, download_) : 0;
    staged_.resize(got);
    stagedFromDownload_ = static_cast<std::int64_t>(got);
    if (got == 0 && allowed > 0) {
        std::fclose(download_);
        download_ = nullptr;
        return false;
    }
    return got > 0;
}

bool MeterSimulator::sendStaged()
{
    const ssize_t written = ::write(line_.master(), staged_.data(), staged_.size());
    if (written < 0)
        return errno == EAGAIN || errno == EINTR || errno == EIO;
    const auto count = static_cast<std::size_t>(written);
    const std::int64_t fromDownload = std::min<std::int64_t>(stagedFromDownload_, written);
    stagedFromDownload_ -= fromDownload;
    downloadSent_ += fromDownload;
    staged_.erase(0, count);
    nextDue_ += bytePeriod_ * count;
    if (fromDownload > 0 && options_.pauseEvery > 0 && downloadSent_ % options_.pauseEvery == 0)
        nextDue_ += std::chrono::milliseconds(options_.pauseMs);
    return true;
}

int MeterSimulator::pollTimeoutMs(Clock::time_point now, Clock::time_point end) const
{
    auto wait = end - now;
    if (!staged_.empty() || !answer_.empty() || download_)
        wait = std::min<Clock::duration>(wait, std::max<Clock::duration>(nextDue_ - now, Clock::duration(0)));
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(wait).count();
    return static_cast<int>(std::clamp<long long>(ms, 0, 1000));
}

int MeterSimulator::run(const volatile std::sig_atomic_t& stopRequested)
{
    const Clock::time_point end = Clock::now() + std::chrono::seconds(options_.lifetimeSeconds);
    while (!stopRequested) {
        const Clock::time_point now = Clock::now();
        if (now >= end)
            return 0;
        if (options_.hangUpAfter >= 0 && download_ && downloadSent_ >= options_.hangUpAfter) {
            // The cable is pulled: the program's port sees the line go dead.
            line_.hangUp();
            return 0;
        }
        const bool sending = stageOutput(now);
        pollfd entry{line_.master(), static_cast<short>(POLLIN | (sending ? POLLOUT : 0)), 0};
        const int ready = ::poll(&entry, 1, pollTimeoutMs(now, end));
        if (ready < 0 && errno != EINTR)
            return 1;
        if (ready <= 0)
            continue;
        if (entry.revents & POLLIN)
            handleRequests();
        if ((entry.revents & POLLOUT) && sending && !sendStaged())
            return 1;
        if ((entry.revents & POLLHUP) && !(entry.revents & POLLIN)) {
            // Only our own slave descriptor keeps the line up; a hang-up here
            // means the terminal is gone.
            return 1;
        }
    }
    return 0;
}
