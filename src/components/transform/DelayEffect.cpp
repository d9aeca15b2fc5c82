#include "components/transform/DelayEffect.h"

#include <algorithm>

#include "components/transform/SampleMath.h"

namespace vesk {

DelayEffect::DelayEffect(double delayMilliseconds, double mix, double feedback, double rateHz)
    : delaySamples_(
          static_cast<double>(std::max<size_t>(MsToSamples(Clamp(delayMilliseconds, 0.0, 5000.0), rateHz), 1))),
      mix_(Clamp(mix, 0.0, 1.0)),
      feedback_(Clamp(feedback, -0.99, 0.99)),
      line_(static_cast<size_t>(delaySamples_)) {}

void DelayEffect::Process(std::span<int16_t> block, size_t begin, size_t end) {
    for (size_t i = begin; i < end; ++i) {
        const double dry = block[i];
        const double echo = line_.Tap(delaySamples_);
        line_.Push(dry + feedback_ * echo);
        block[i] = ToSample(dry + mix_ * echo);
    }
}

}  // namespace vesk
