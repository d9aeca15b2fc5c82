// The thread's message queue. Companion components that work on other threads (audio
// callbacks, decoders) post their notifications here; they run on the control's thread when
// the host pumps messages (PumpWaitingMessages), never inside the callback. A host with a main
// loop of its own (a toolkit's) sets a wake-up that tells that loop to pump.
#pragma once

#include <deque>
#include <functional>
#include <memory>
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

    // Called after every Post, on the posting thread and outside the queue's lock, so it must
    // be thread-safe and must not pump itself (a toolkit's thread-safe "wake the main loop").
    // An empty function removes it. Owner thread only.
    void SetWakeUp(std::function<void()> wakeUp);

private:
    mutable std::mutex mutex_;
    std::deque<std::function<void()>> messages_;
    // Shared so that a Post racing with SetWakeUp calls a whole function, never a moved-from one.
    std::shared_ptr<const std::function<void()>> wakeUp_;
};

}  // namespace vesk
