// The small thread that turns what the audio callback left in its atomics into notifications.
// It polls its client every few tens of milliseconds (blocks finished, captured blocks complete, the
// queue run dry) and tells it when a position notification is due, every TimerInterval
// milliseconds on a fixed schedule from the start, so that the intervals do not drift.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>

namespace vesk {

class NotifierThread {
public:
    class Client {
    public:
        virtual ~Client() = default;
        // On the notifier thread; positionDue once per TimerInterval.
        virtual void Poll(bool positionDue) = 0;
    };

    // How often the client is polled between position notifications: often enough that a
    // finished block is announced long before the blocks queued behind it have played, rarely
    // enough that the thread costs next to nothing (each wake-up costs more than the poll).
    static constexpr std::chrono::milliseconds kPollPeriod{25};
    // Shortest and longest position interval honoured, ms.
    static constexpr int32_t kMinIntervalMs = 10;
    static constexpr int32_t kMaxIntervalMs = 60000;

    NotifierThread() = default;
    ~NotifierThread() { Stop(); }
    NotifierThread(const NotifierThread&) = delete;
    NotifierThread& operator=(const NotifierThread&) = delete;

    // The interval is read again before every wait, so a change applies at once.
    void Start(Client& client, const std::atomic<int32_t>& intervalMs);
    // Ends the thread and joins it; harmless when it is not running.
    void Stop();

private:
    void Run(Client& client, const std::atomic<int32_t>& intervalMs);
    // Sleeps until `until` or a stop; false on a stop.
    bool WaitUntil(std::chrono::steady_clock::time_point until);

    std::thread thread_;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool stopping_ = false;
};

}  // namespace vesk
