// The sound level that both audio components report with their position notifications, one
// definition for playback and capture: the peak magnitude m of a channel's samples since the
// last notification, as trunc(20·log10(m)), and 0 when m ≤ 1. Full scale gives 90, so the
// levels run from 0 (silence) to 90; a mono stream reports the same level for both sides.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <span>

namespace vesk {

int32_t LevelOfPeak(int32_t magnitude);

struct ChannelLevels {
    int32_t left = 0;
    int32_t right = 0;
    friend bool operator==(const ChannelLevels&, const ChannelLevels&) = default;
};

// Peak magnitudes per channel since the last TakeLevels. One thread measures (the audio
// callback or the capture notifier), another takes; both only touch atomics.
class PeakMeter {
public:
    // Interleaved frames of `channels` (1 or 2) samples.
    void Measure(std::span<const int16_t> samples, int channels);
    // The levels of the peaks measured since the last call, which start again from silence.
    ChannelLevels TakeLevels();

private:
    static void Raise(std::atomic<int32_t>& peak, int32_t magnitude);

    std::atomic<int32_t> left_{0};
    std::atomic<int32_t> right_{0};
};

// What the meter shows: with a hold of 0 ms each interval's own levels; otherwise the highest
// level of each side stays until it is older than the hold or a higher one comes.
class LevelHold {
public:
    using Clock = std::chrono::steady_clock;

    void SetHoldMs(int32_t milliseconds) { holdMs_.store(milliseconds, std::memory_order_relaxed); }
    ChannelLevels Apply(ChannelLevels measured, Clock::time_point now);

private:
    struct Held {
        int32_t level = 0;
        Clock::time_point since{};
    };
    int32_t Hold(Held& held, int32_t level, Clock::time_point now, std::chrono::milliseconds hold);

    std::atomic<int32_t> holdMs_{0};  // set on the control's thread, read by the notifier
    Held left_;
    Held right_;
};

}  // namespace vesk
