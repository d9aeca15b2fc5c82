#include "components/audio/NotifierThread.h"

#include <algorithm>

namespace vesk {

void NotifierThread::Start(Client& client, const std::atomic<int32_t>& intervalMs) {
    Stop();
    stopping_ = false;
    thread_ = std::thread([this, &client, &intervalMs] { Run(client, intervalMs); });
}

void NotifierThread::Stop() {
    if (!thread_.joinable()) return;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    thread_.join();
}

bool NotifierThread::WaitUntil(std::chrono::steady_clock::time_point until) {
    std::unique_lock<std::mutex> lock(mutex_);
    return !wake_.wait_until(lock, until, [this] { return stopping_; });
}

void NotifierThread::Run(Client& client, const std::atomic<int32_t>& intervalMs) {
    using Clock = std::chrono::steady_clock;
    auto interval = [&] {
        return std::chrono::milliseconds(
            std::clamp(intervalMs.load(std::memory_order_relaxed), kMinIntervalMs, kMaxIntervalMs));
    };
    Clock::time_point nextPosition = Clock::now() + interval();
    Clock::time_point nextPoll = Clock::now() + kPollPeriod;
    while (WaitUntil(std::min(nextPosition, nextPoll))) {
        const Clock::time_point now = Clock::now();
        const bool positionDue = now >= nextPosition;
        if (positionDue) {
            nextPosition += interval();
            // After a long stall start a fresh schedule instead of firing a burst.
            if (nextPosition <= now) nextPosition = now + interval();
        }
        nextPoll = now + kPollPeriod;
        client.Poll(positionDue);
    }
}

}  // namespace vesk
