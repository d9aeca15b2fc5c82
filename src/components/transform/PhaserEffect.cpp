#include "components/transform/PhaserEffect.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "components/transform/SampleMath.h"

namespace vesk {

PhaserEffect::PhaserEffect(double sweepPeriodMilliseconds, double mix, double feedback, double sampleRateHz)
    : mix_(Clamp(mix, 0.0, 1.0)),
      feedback_(Clamp(feedback, -0.95, 0.95)),
      sampleRateHz_(sampleRateHz),
      lowHz_(std::min(200.0, 0.1 * sampleRateHz)),
      highHz_(std::min(3200.0, 0.45 * sampleRateHz)),
      lfo_(1000.0 / Clamp(sweepPeriodMilliseconds, 10.0, 60000.0), 0.0, sampleRateHz) {}

// First-order allpass H(z) = (a + z⁻¹) / (1 + a·z⁻¹), transposed form with one state each.
double PhaserEffect::RunChain(double input, double coefficient) {
    double signal = input;
    for (double& state : state_) {
        const double output = coefficient * signal + state;
        state = FlushTiny(signal - coefficient * output);
        signal = output;
    }
    return signal;
}

void PhaserEffect::Process(std::span<int16_t> block, size_t begin, size_t end) {
    const double octaves = std::log2(highHz_ / lowHz_);
    for (size_t i = begin; i < end; ++i) {
        const double breakHz = lowHz_ * std::exp2(octaves * lfo_.Next());
        const double t = std::tan(std::numbers::pi * breakHz / sampleRateHz_);
        const double coefficient = (t - 1.0) / (t + 1.0);
        const double dry = block[i];
        lastOutput_ = FlushTiny(RunChain(dry + feedback_ * lastOutput_, coefficient));
        block[i] = ToSample(dry + mix_ * lastOutput_);
    }
}

}  // namespace vesk
