#include "platform/automation/MessageQueue.h"

#include <algorithm>
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
    int ran = 0;
    for (EventSource* source : sources_) ran += source->DispatchPending();
    // Take the waiting batch out first: messages may post more (which wait for the next pump)
    // and must run without the lock, since they may post themselves.
    std::deque<std::function<void()>> batch;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        batch.swap(messages_);
    }
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

void MessageQueue::AddSource(EventSource& source) {
    if (std::find(sources_.begin(), sources_.end(), &source) != sources_.end()) return;
    sources_.push_back(&source);
    if (sourceWatch_) sourceWatch_(source.Descriptor());
}

void MessageQueue::SetSourceWatch(std::function<void(int descriptor)> watch) {
    sourceWatch_ = std::move(watch);
    if (!sourceWatch_) return;
    for (const EventSource* source : sources_) sourceWatch_(source->Descriptor());
}

void MessageQueue::RemoveSource(EventSource& source) { std::erase(sources_, &source); }

std::vector<int> MessageQueue::SourceDescriptors() const {
    std::vector<int> descriptors;
    for (const EventSource* source : sources_) descriptors.push_back(source->Descriptor());
    return descriptors;
}

}  // namespace vesk
