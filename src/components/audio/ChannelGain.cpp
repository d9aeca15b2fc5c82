#include "components/audio/ChannelGain.h"

#include <algorithm>

namespace vesk {
namespace {

int16_t Scale(int16_t sample, int64_t gain) {
    const int64_t product = sample * gain;
    const int64_t half = ChannelGain::kUnity / 2;
    return static_cast<int16_t>((product + (product < 0 ? -half : half)) / ChannelGain::kUnity);
}

}  // namespace

int32_t ChannelGain::ClampGain(int32_t gain) { return std::clamp(gain, 0, kUnity); }

void ChannelGain::Set(int32_t left, int32_t right) {
    left_.store(ClampGain(left), std::memory_order_relaxed);
    right_.store(ClampGain(right), std::memory_order_relaxed);
}

void ChannelGain::Apply(std::span<int16_t> samples, int channels) const {
    const int64_t gains[2] = {Left(), channels == 2 ? Right() : Left()};
    if (gains[0] == kUnity && gains[1] == kUnity) return;
    const size_t step = channels == 2 ? 2 : 1;
    for (size_t i = 0; i < samples.size(); ++i) samples[i] = Scale(samples[i], gains[i % step]);
}

}  // namespace vesk
