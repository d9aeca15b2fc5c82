// A software gain per channel on the audio path: 0 .. 65535, linear, 65535 is unity. There is
// no boost above unity, so applying it can never clip. The player's output volume (and its
// muting of one side) and the recorder's software input line are this gain. Set on the
// control's thread, applied by the audio callback or the capture notifier (atomics only).
#pragma once

#include <atomic>
#include <cstdint>
#include <span>

namespace vesk {

class ChannelGain {
public:
    static constexpr int32_t kUnity = 65535;

    static int32_t ClampGain(int32_t gain);

    void Set(int32_t left, int32_t right);
    int32_t Left() const { return left_.load(std::memory_order_relaxed); }
    int32_t Right() const { return right_.load(std::memory_order_relaxed); }

    // Scales interleaved frames of `channels` (1 or 2) samples in place, rounding to nearest;
    // a mono stream takes the left gain.
    void Apply(std::span<int16_t> samples, int channels) const;

private:
    std::atomic<int32_t> left_{kUnity};
    std::atomic<int32_t> right_{kUnity};
};

}  // namespace vesk
