// Flanger: a short delay swept by a sine, mixed back with the dry sound and fed back into
// itself, which moves a comb of notches up and down the spectrum.
//   delay[n] = base + depth · lfo[n]      line[n] = x[n] + feedback · tap
//   y[n] = x[n] + mix · tap               (tap = line read delay[n] samples back)
#pragma once

#include "components/transform/DelayLine.h"
#include "components/transform/InPlaceEffect.h"
#include "components/transform/Lfo.h"

namespace vesk {

class FlangerEffect : public InPlaceEffect {
public:
    struct Settings {
        double baseDelayMilliseconds;   // clamped to 0..50
        double mix;                     // wet level added to the dry sound, 0..1
        double feedback;                // −0.95..0.95
        double sweepDepthMilliseconds;  // 0..50
        double sweepRateHz;             // 0..100
        double sweepPhaseDegrees;       // any, wrapped
    };

    FlangerEffect(const Settings& settings, double sampleRateHz);

    void Process(std::span<int16_t> block, size_t begin, size_t end) override;

private:
    double baseSamples_;
    double depthSamples_;
    double mix_;
    double feedback_;
    Lfo lfo_;
    DelayLine line_;
};

}  // namespace vesk
