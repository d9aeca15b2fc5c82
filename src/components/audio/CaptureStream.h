// The capture side of the recorder. The input callback only copies each device buffer into a
// lock-free ring (CaptureStream); the notifier drains it (CaptureProcessor): software input
// gain, filters, levels and the latest samples, cut into blocks of the set size. So the
// callback stays a copy, and the filters' settings can be read with an ordinary lock at the
// start of every block.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <span>
#include <vector>

#include "components/audio/ChannelGain.h"
#include "components/audio/InputFilters.h"
#include "components/audio/SoundLevel.h"
#include "platform/concurrent/LatestValues.h"
#include "platform/concurrent/SpscRing.h"

namespace vesk {

class CaptureStream {
public:
    CaptureStream(SpscRing<int16_t>& ring, int channels) : ring_(ring), frame_(channels == 2 ? 2 : 1) {}

    // Callback: queues one device buffer; what the ring cannot hold is counted as lost.
    void Capture(std::span<const int16_t> samples);

    bool Started() const { return started_.load(std::memory_order_acquire); }
    uint64_t LostSamples() const { return lost_.load(std::memory_order_relaxed); }

private:
    SpscRing<int16_t>& ring_;
    const size_t frame_;
    std::atomic<bool> started_{false};
    std::atomic<uint64_t> lost_{0};
};

// Filter settings handed from the control's thread to the notifier.
class FilterSettingsBox {
public:
    void Set(const FilterSettings& settings);
    FilterSettings Get() const;

private:
    mutable std::mutex mutex_;
    FilterSettings settings_;
};

class CaptureProcessor {
public:
    struct Format {
        int rateHz;
        int channels;
        size_t blockFrames;
    };
    using BlockReady = std::function<void(std::vector<int16_t>&& block)>;

    CaptureProcessor(SpscRing<int16_t>& ring, const ChannelGain& gain, const FilterSettingsBox& filters,
                     PeakMeter& meter, LatestValues<int16_t>& latest, Format format);

    // Notifier: processes everything captured so far; each completed block goes to `ready`.
    void Drain(const BlockReady& ready);
    // Frames processed since the start.
    uint64_t Frames() const { return samples_ / static_cast<uint64_t>(format_.channels); }

private:
    void BeginBlock();

    SpscRing<int16_t>& ring_;
    const ChannelGain& gain_;
    const FilterSettingsBox& filterSettings_;
    PeakMeter& meter_;
    LatestValues<int16_t>& latest_;
    const Format format_;
    const size_t blockSamples_;
    InputFilters filters_;
    std::vector<int16_t> block_;
    size_t filled_ = 0;
    uint64_t samples_ = 0;
};

}  // namespace vesk
