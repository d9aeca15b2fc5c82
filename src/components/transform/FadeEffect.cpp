#include "components/transform/FadeEffect.h"

#include "components/transform/SampleMath.h"

namespace vesk {

FadeEffect::FadeEffect(double startFactor, double endFactor)
    : start_(Clamp(startFactor, -kMaxGainFactor, kMaxGainFactor)),
      end_(Clamp(endFactor, -kMaxGainFactor, kMaxGainFactor)) {}

void FadeEffect::Prepare(std::span<const int16_t> block) {
    step_ = block.size() > 1 ? (end_ - start_) / static_cast<double>(block.size() - 1) : 0.0;
}

void FadeEffect::Process(std::span<int16_t> block, size_t begin, size_t end) {
    for (size_t i = begin; i < end; ++i) block[i] = ToSample(block[i] * (start_ + step_ * static_cast<double>(i)));
}

}  // namespace vesk
