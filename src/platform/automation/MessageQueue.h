// The thread's message queue. Companion components that work on other threads (audio
// callbacks, decoders) post their notifications here; they run on the control's thread when
// the host pumps messages (PumpWaitingMessages), never inside the callback. Event sources of the
// same thread (the display connection that serves the clipboard) are drained by the same pump,
// so whatever loop a host runs also answers them. A host with a main loop of its own (a
// toolkit's) sets a wake-up that tells that loop to pump, and watches the sources' descriptors.
#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

namespace vesk {

// Something that delivers events on a file descriptor and handles them on the owner thread.
class EventSource {
public:
    virtual ~EventSource() = default;
    // Handles the events that arrived, without waiting; returns how many were handled.
    virtual int DispatchPending() = 0;
    // The descriptor that becomes readable when events arrive (for a host's own poll loop).
    virtual int Descriptor() const = 0;
};

class MessageQueue {
public:
    // The queue of the calling thread (created on first use).
    static MessageQueue& ForCurrentThread();

    // Thread-safe: may be called from any thread.
    void Post(std::function<void()> message);
    // Handles the events of the registered sources, then runs the messages waiting now (not
    // those posted while they run); returns how many events and messages ran. Owner thread only.
    int PumpWaitingMessages();
    size_t Pending() const;

    // Called after every Post, on the posting thread and outside the queue's lock, so it must
    // be thread-safe and must not pump itself (a toolkit's thread-safe "wake the main loop").
    // An empty function removes it. Owner thread only.
    void SetWakeUp(std::function<void()> wakeUp);

    // Owner thread only. A source stays registered until it is removed; it must be removed
    // before it is destroyed. PumpWaitingMessages drains every registered source first.
    void AddSource(EventSource& source);
    void RemoveSource(EventSource& source);
    // The descriptors of the registered sources, for a host that waits on them.
    std::vector<int> SourceDescriptors() const;
    // Called with the descriptor of every source registered now and of each one added later, so
    // that a host running its own loop can watch it and pump when it becomes readable (sources
    // appear when first needed, e.g. at the first exchange with the desktop clipboard). An
    // empty function removes it. Owner thread only.
    void SetSourceWatch(std::function<void(int descriptor)> watch);

private:
    std::vector<EventSource*> sources_;  // owner thread only
    std::function<void(int)> sourceWatch_;  // owner thread only
    mutable std::mutex mutex_;
    std::deque<std::function<void()>> messages_;
    // Shared so that a Post racing with SetWakeUp calls a whole function, never a moved-from one.
    std::shared_ptr<const std::function<void()>> wakeUp_;
};

}  // namespace vesk
