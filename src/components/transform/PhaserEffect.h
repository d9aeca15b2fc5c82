// Phaser: six first-order allpass stages whose common break frequency a sine sweeps
// exponentially from 200 Hz to 3.2 kHz; their output, added to the dry sound, cancels it where
// the phase has turned by an odd multiple of 180°, so notches glide through the spectrum.
//   chain input = x[n] + feedback · chain output[n − 1]      y[n] = x[n] + mix · chain output
#pragma once

#include <array>

#include "components/transform/InPlaceEffect.h"
#include "components/transform/Lfo.h"

namespace vesk {

class PhaserEffect : public InPlaceEffect {
public:
    // sweepPeriodMilliseconds: time of one sweep up and down, clamped to 10..60000; mix: wet
    // level added to the dry sound, 0..1; feedback: −0.95..0.95.
    PhaserEffect(double sweepPeriodMilliseconds, double mix, double feedback, double sampleRateHz);

    void Process(std::span<int16_t> block, size_t begin, size_t end) override;

private:
    double RunChain(double input, double coefficient);

    double mix_;
    double feedback_;
    double sampleRateHz_;
    double lowHz_;
    double highHz_;
    Lfo lfo_;
    std::array<double, 6> state_{};
    double lastOutput_ = 0.0;
};

}  // namespace vesk
