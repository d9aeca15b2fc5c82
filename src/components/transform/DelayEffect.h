// Echo: the sound comes back after a delay, each repetition scaled by the feedback.
//   line[n] = x[n] + feedback · line[n − D]      y[n] = x[n] + mix · line[n − D]
// so a click returns at D with level mix, at 2D with mix · feedback, and so on.
#pragma once

#include "components/transform/DelayLine.h"
#include "components/transform/InPlaceEffect.h"

namespace vesk {

class DelayEffect : public InPlaceEffect {
public:
    // delayMilliseconds: clamped to 0..5000 (at least one sample); mix: level of the echo
    // added to the dry sound, clamped to 0..1; feedback: clamped to −0.99..0.99.
    DelayEffect(double delayMilliseconds, double mix, double feedback, double rateHz);

    void Process(std::span<int16_t> block, size_t begin, size_t end) override;

private:
    double delaySamples_;
    double mix_;
    double feedback_;
    DelayLine line_;
};

}  // namespace vesk
