// A gain that changes linearly from a start factor on the first sample to an end factor on
// the last: fades in (0 → 1), fades out (1 → 0) or any ramp between.
#pragma once

#include "components/transform/InPlaceEffect.h"

namespace vesk {

class FadeEffect : public InPlaceEffect {
public:
    // Factors are linear gains, clamped to ±kMaxGainFactor.
    FadeEffect(double startFactor, double endFactor);

    void Prepare(std::span<const int16_t> block) override;
    void Process(std::span<int16_t> block, size_t begin, size_t end) override;

private:
    double start_;
    double end_;
    double step_ = 0.0;  // gain change per sample
};

}  // namespace vesk
