#include "components/transform/FlangerEffect.h"

#include "components/transform/SampleMath.h"

namespace vesk {

FlangerEffect::FlangerEffect(const Settings& settings, double sampleRateHz)
    : baseSamples_(static_cast<double>(MsToSamples(Clamp(settings.baseDelayMilliseconds, 0.0, 50.0), sampleRateHz))),
      depthSamples_(static_cast<double>(MsToSamples(Clamp(settings.sweepDepthMilliseconds, 0.0, 50.0), sampleRateHz))),
      mix_(Clamp(settings.mix, 0.0, 1.0)),
      feedback_(Clamp(settings.feedback, -0.95, 0.95)),
      lfo_(settings.sweepRateHz, settings.sweepPhaseDegrees, sampleRateHz),
      line_(static_cast<size_t>(baseSamples_ + depthSamples_) + 2) {}

void FlangerEffect::Process(std::span<int16_t> block, size_t begin, size_t end) {
    for (size_t i = begin; i < end; ++i) {
        const double dry = block[i];
        const double tap = line_.Tap(1.0 + baseSamples_ + depthSamples_ * lfo_.Next());
        line_.Push(dry + feedback_ * tap);
        block[i] = ToSample(dry + mix_ * tap);
    }
}

}  // namespace vesk
