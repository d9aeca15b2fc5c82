// A slow sine oscillator for sweeps, running between 0 and 1.
#pragma once

namespace vesk {

class Lfo {
public:
    // rateHz: cycles per second (clamped to 0..100); phaseDegrees: starting phase (any
    // value, wrapped); sampleRateHz: rate of Next calls.
    Lfo(double rateHz, double phaseDegrees, double sampleRateHz);

    // (1 + sin(phase)) / 2, then advances one sample.
    double Next();

private:
    double phase_;      // radians, 0..2π
    double increment_;  // radians per sample
};

}  // namespace vesk
