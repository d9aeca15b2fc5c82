#include "components/transform/StereoMixEffect.h"

#include "components/transform/SampleMath.h"

namespace vesk {

StereoMixEffect::StereoMixEffect(double ampLL, double ampLR, double ampRL, double ampRR)
    : ll_(Clamp(ampLL, -kMaxGainFactor, kMaxGainFactor)),
      lr_(Clamp(ampLR, -kMaxGainFactor, kMaxGainFactor)),
      rl_(Clamp(ampRL, -kMaxGainFactor, kMaxGainFactor)),
      rr_(Clamp(ampRR, -kMaxGainFactor, kMaxGainFactor)) {}

void StereoMixEffect::Process(std::span<int16_t> block, size_t begin, size_t end) {
    for (size_t i = begin; i + 1 < end; i += 2) {
        const double left = block[i];
        const double right = block[i + 1];
        block[i] = ToSample(ll_ * left + rl_ * right);
        block[i + 1] = ToSample(lr_ * left + rr_ * right);
    }
}

}  // namespace vesk
