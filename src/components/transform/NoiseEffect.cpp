#include "components/transform/NoiseEffect.h"

#include "components/transform/SampleMath.h"

namespace vesk {

NoiseEffect::NoiseEffect(double amplitude, NoiseColor color, uint64_t seed)
    : scale_(Clamp(amplitude, 0.0, 1.0) * 32767.0), generator_(color, seed) {}

void NoiseEffect::Process(std::span<int16_t> block, size_t begin, size_t end) {
    for (size_t i = begin; i < end; ++i) block[i] = ToSample(block[i] + scale_ * generator_.Next());
}

}  // namespace vesk
