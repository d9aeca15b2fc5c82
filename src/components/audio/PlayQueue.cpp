#include "components/audio/PlayQueue.h"

#include <algorithm>

namespace vesk {

void PlayQueue::Reset(int channels, size_t ringSamples) {
    std::lock_guard<std::mutex> lock(mutex_);
    frame_ = channels == 2 ? 2 : 1;
    ring_.Reset(ringSamples);
    taken_.store(0, std::memory_order_relaxed);
    waiting_.clear();
    frontOffset_ = 0;
    blockEnds_.clear();
    queued_ = 0;
}

void PlayQueue::Append(std::span<const int16_t> block) {
    const size_t samples = block.size() - block.size() % frame_;
    if (samples == 0) return;
    std::lock_guard<std::mutex> lock(mutex_);
    waiting_.emplace_back(block.begin(), block.begin() + static_cast<std::ptrdiff_t>(samples));
    queued_ += samples;
    blockEnds_.push_back(queued_);
    MoveWaitingLocked();
}

void PlayQueue::Refill() {
    std::lock_guard<std::mutex> lock(mutex_);
    MoveWaitingLocked();
}

void PlayQueue::MoveWaitingLocked() {
    while (!waiting_.empty()) {
        const std::vector<int16_t>& front = waiting_.front();
        size_t room = ring_.Writable();
        room -= room % frame_;
        const size_t count = std::min(room, front.size() - frontOffset_);
        if (count == 0) return;
        ring_.Push(std::span<const int16_t>(front).subspan(frontOffset_, count));
        frontOffset_ += count;
        if (frontOffset_ < front.size()) return;
        waiting_.pop_front();
        frontOffset_ = 0;
    }
}

size_t PlayQueue::Take(std::span<int16_t> out) {
    const size_t count = ring_.Pop(out.first(out.size() - out.size() % frame_));
    taken_.fetch_add(count, std::memory_order_release);
    return count;
}

uint64_t PlayQueue::Queued() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return queued_;
}

int PlayQueue::TakeFinishedBlocks() {
    const uint64_t taken = Taken();
    std::lock_guard<std::mutex> lock(mutex_);
    int finished = 0;
    while (!blockEnds_.empty() && blockEnds_.front() <= taken) {
        blockEnds_.pop_front();
        ++finished;
    }
    return finished;
}

}  // namespace vesk
