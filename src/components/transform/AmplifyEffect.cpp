#include "components/transform/AmplifyEffect.h"

#include "components/transform/SampleMath.h"

namespace vesk {

AmplifyEffect::AmplifyEffect(double factor)
    : factor_(static_cast<float>(Clamp(factor, -kMaxGainFactor, kMaxGainFactor))) {}

void AmplifyEffect::Process(std::span<int16_t> block, size_t begin, size_t end) {
    // Single precision with an explicit clamp keeps the loop vectorisable; a 16-bit sample
    // times a gain of at most 1000 is exact enough in float.
    const float factor = factor_;
    int16_t* samples = block.data();
    for (size_t i = begin; i < end; ++i) {
        float value = samples[i] * factor;
        value = value > 32767.0f ? 32767.0f : (value < -32768.0f ? -32768.0f : value);
        samples[i] = static_cast<int16_t>(value + (value < 0 ? -0.5f : 0.5f));
    }
}

}  // namespace vesk
