#include "components/audio/SoundLevel.h"

#include <cmath>
#include <cstdlib>

namespace vesk {

int32_t LevelOfPeak(int32_t magnitude) {
    if (magnitude <= 1) return 0;
    return static_cast<int32_t>(20.0 * std::log10(static_cast<double>(magnitude)));
}

void PeakMeter::Raise(std::atomic<int32_t>& peak, int32_t magnitude) {
    int32_t seen = peak.load(std::memory_order_relaxed);
    while (magnitude > seen && !peak.compare_exchange_weak(seen, magnitude, std::memory_order_relaxed)) {
    }
}

void PeakMeter::Measure(std::span<const int16_t> samples, int channels) {
    int32_t peaks[2] = {0, 0};
    const size_t step = channels == 2 ? 2 : 1;
    for (size_t i = 0; i + step <= samples.size(); i += step) {
        for (size_t c = 0; c < step; ++c) {
            const int32_t magnitude = std::abs(static_cast<int32_t>(samples[i + c]));
            if (magnitude > peaks[c]) peaks[c] = magnitude;
        }
    }
    Raise(left_, peaks[0]);
    Raise(right_, step == 2 ? peaks[1] : peaks[0]);
}

ChannelLevels PeakMeter::TakeLevels() {
    return {LevelOfPeak(left_.exchange(0, std::memory_order_relaxed)),
            LevelOfPeak(right_.exchange(0, std::memory_order_relaxed))};
}

int32_t LevelHold::Hold(Held& held, int32_t level, Clock::time_point now, std::chrono::milliseconds hold) {
    if (level >= held.level || now - held.since >= hold) held = {level, now};
    return held.level;
}

ChannelLevels LevelHold::Apply(ChannelLevels measured, Clock::time_point now) {
    const std::chrono::milliseconds hold(holdMs_.load(std::memory_order_relaxed));
    if (hold.count() <= 0) return measured;
    return {Hold(left_, measured.left, now, hold), Hold(right_, measured.right, now, hold)};
}

}  // namespace vesk
