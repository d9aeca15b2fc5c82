#include "components/transform/VibratoEffect.h"

#include "components/transform/SampleMath.h"

namespace vesk {

VibratoEffect::VibratoEffect(double depthMilliseconds, double rateHz, double phaseDegrees, double sampleRateHz)
    : depthSamples_(static_cast<double>(MsToSamples(Clamp(depthMilliseconds, 0.0, 50.0), sampleRateHz))),
      lfo_(rateHz, phaseDegrees, sampleRateHz),
      line_(static_cast<size_t>(depthSamples_) + 2) {}

void VibratoEffect::Process(std::span<int16_t> block, size_t begin, size_t end) {
    for (size_t i = begin; i < end; ++i) {
        line_.Push(block[i]);
        // Tap(1) is the sample just pushed: zero depth leaves the sound as it was.
        block[i] = ToSample(line_.Tap(1.0 + depthSamples_ * lfo_.Next()));
    }
}

}  // namespace vesk
