#include "components/transform/Lfo.h"

#include <cmath>
#include <numbers>

#include "components/transform/SampleMath.h"

namespace vesk {

namespace {
constexpr double kTwoPi = 2.0 * std::numbers::pi;
}

Lfo::Lfo(double rateHz, double phaseDegrees, double sampleRateHz)
    : phase_(std::fmod(Clamp(phaseDegrees, -1e9, 1e9), 360.0) / 360.0 * kTwoPi),
      increment_(kTwoPi * Clamp(rateHz, 0.0, 100.0) / sampleRateHz) {
    if (phase_ < 0) phase_ += kTwoPi;
}

double Lfo::Next() {
    const double value = 0.5 + 0.5 * std::sin(phase_);
    phase_ += increment_;
    if (phase_ >= kTwoPi) phase_ -= kTwoPi;
    return value;
}

}  // namespace vesk
