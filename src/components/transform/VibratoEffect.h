// Vibrato: the sound is read from a delay whose length a sine sweeps between 0 and the depth,
// which bends the pitch up and down periodically.
#pragma once

#include "components/transform/DelayLine.h"
#include "components/transform/InPlaceEffect.h"
#include "components/transform/Lfo.h"

namespace vesk {

class VibratoEffect : public InPlaceEffect {
public:
    // depthMilliseconds: sweep of the delay, clamped to 0..50; rateHz: sweeps per second,
    // clamped to 0..100; phaseDegrees: phase of the sweep at the first sample.
    VibratoEffect(double depthMilliseconds, double rateHz, double phaseDegrees, double sampleRateHz);

    void Process(std::span<int16_t> block, size_t begin, size_t end) override;

private:
    double depthSamples_;
    Lfo lfo_;
    DelayLine line_;
};

}  // namespace vesk
