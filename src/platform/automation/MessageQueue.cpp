#include "platform/automation/MessageQueue.h"

#include <utility>

namespace vesk {

MessageQueue& MessageQueue::ForCurrentThread() {
    thread_local MessageQueue queue;
    return queue;
}

void MessageQueue::Post(std::function<void()> message) {
    std::shared_ptr<const std::function<void()>> wakeUp;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        messages_.push_back(std::move(message));
        wakeUp = wakeUp_;
    }
    if (wakeUp) (*wakeUp)();
}

void MessageQueue::SetWakeUp(std::function<void()> wakeUp) {
    auto shared = wakeUp ? std::make_shared<const std::function<void()>>(std::move(wakeUp)) : nullptr;
    std::lock_guard<std::mutex> lock(mutex_);
    wakeUp_ = std::move(shared);
}

int MessageQueue::PumpWaitingMessages() {
    // Take the waiting batch out first: messages may post more (which wait for the next pump)
    // and must run without the lock, since they may post themselves.
    std::deque<std::function<void()>> batch;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        batch.swap(messages_);
    }
    int ran = 0;
    for (auto& message : batch) {
        if (message) message();
        ++ran;
    }
    return ran;
}

size_t MessageQueue::Pending() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return messages_.size();
}

}  // namespace vesk
