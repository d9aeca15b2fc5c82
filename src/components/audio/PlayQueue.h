// The blocks queued for playback, from the control's thread to the audio callback. The
// callback takes samples from a lock-free ring; blocks that do not fit wait in a list until
// the ring has room. The control's thread (when it queues) and the notifier (when it polls)
// move them in under one lock, so the ring still has one producer at a time, and the callback
// never waits for either. Block ends are kept as running sample counts, so the notifier can
// tell how many blocks the callback has finished.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <mutex>
#include <span>
#include <vector>

#include "platform/concurrent/SpscRing.h"

namespace vesk {

class PlayQueue {
public:
    // Empties the queue for frames of `channels` samples, with a ring of about `ringSamples`.
    // Not while the callback runs.
    void Reset(int channels, size_t ringSamples);

    // Control's thread: appends a copy of the block (whole frames only; a trailing partial
    // frame is dropped). An empty block is not a block.
    void Append(std::span<const int16_t> block);
    // Notifier: moves waiting blocks into the ring as far as it has room.
    void Refill();
    // Callback: takes up to out.size() samples (whole frames); returns how many.
    size_t Take(std::span<int16_t> out);

    // Samples taken by the callback since the reset.
    uint64_t Taken() const { return taken_.load(std::memory_order_acquire); }
    // Samples ever appended since the reset.
    uint64_t Queued() const;
    // Notifier: how many blocks the callback has finished since the last call.
    int TakeFinishedBlocks();

private:
    void MoveWaitingLocked();

    SpscRing<int16_t> ring_;
    size_t frame_ = 1;
    std::atomic<uint64_t> taken_{0};

    mutable std::mutex mutex_;  // the fields below, and the ring's producer side
    std::deque<std::vector<int16_t>> waiting_;
    size_t frontOffset_ = 0;  // samples of waiting_.front() already in the ring
    std::deque<uint64_t> blockEnds_;
    uint64_t queued_ = 0;
};

}  // namespace vesk
