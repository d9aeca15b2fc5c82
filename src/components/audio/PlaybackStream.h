// What the output callback does with each device buffer: take the queued samples, fill the
// rest with silence, apply the output gain (volume and muted side) to them, measure their
// levels and keep them as the latest samples for GetCurrentPlayArray (the silence played
// while the queue is empty is not kept: the display keeps the last sound). Only the lock-free queue, atomics and
// memory of its own; never allocates or waits.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <limits>
#include <span>

#include "components/audio/ChannelGain.h"
#include "components/audio/PlayQueue.h"
#include "components/audio/SoundLevel.h"
#include "platform/concurrent/LatestValues.h"

namespace vesk {

class PlaybackStream {
public:
    using Clock = std::chrono::steady_clock;

    PlaybackStream(PlayQueue& queue, const ChannelGain& gain, PeakMeter& meter, LatestValues<int16_t>& latest,
                   int channels)
        : queue_(queue), gain_(gain), meter_(meter), latest_(latest), channels_(channels) {}

    // Callback: fills one device buffer.
    void Render(std::span<int16_t> out);

    bool Started() const { return started_.load(std::memory_order_acquire); }
    // When the first buffer was rendered (valid once Started()).
    Clock::time_point FirstBufferTime() const { return Clock::time_point(Clock::duration(firstBuffer_.load())); }
    // True when a buffer found nothing more to take after everything queued was taken: the
    // last queued sample has then gone to the device.
    bool RanDry() const;

private:
    PlayQueue& queue_;
    const ChannelGain& gain_;
    PeakMeter& meter_;
    LatestValues<int16_t>& latest_;
    const int channels_;
    std::atomic<bool> started_{false};
    std::atomic<Clock::rep> firstBuffer_{0};
    // queue_.Taken() when a buffer was last short of samples; "never" at first.
    std::atomic<uint64_t> shortAt_{std::numeric_limits<uint64_t>::max()};
};

}  // namespace vesk
