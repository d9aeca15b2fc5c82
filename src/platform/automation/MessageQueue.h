// The thread's message queue. Companion components that work on other threads (audio
// callbacks, decoders) post their notifications here; they run on the control's thread when
// the host pumps messages (PumpWaitingMessages), never inside the callback.
#pragma once

#include <deque>
#include <functional>
#include <mutex>

namespace vesk {

class MessageQueue {
public:
    // The queue of the calling thread (created on first use).
    static MessageQueue& ForCurrentThread();

    // Thread-safe: may be called from any thread.
    void Post(std::function<void()> message);
    // Runs the messages waiting now (not those posted while they run); returns how many ran.
    // Owner thread only.
    int PumpWaitingMessages();
    size_t Pending() const;

private:
    mutable std::mutex mutex_;
    std::deque<std::function<void()>> messages_;
};

}  // namespace vesk
