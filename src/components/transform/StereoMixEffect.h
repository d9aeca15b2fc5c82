// Remixes interleaved stereo through a 2×2 matrix:
// left' = LL·left + RL·right, right' = LR·left + RR·right.
#pragma once

#include "components/transform/InPlaceEffect.h"

namespace vesk {

class StereoMixEffect : public InPlaceEffect {
public:
    // Factors are linear gains, each clamped to ±kMaxGainFactor.
    StereoMixEffect(double ampLL, double ampLR, double ampRL, double ampRR);

    // The block is interleaved (left first); chunks start on a frame, a trailing odd sample
    // is left alone.
    void Process(std::span<int16_t> block, size_t begin, size_t end) override;

private:
    double ll_, lr_, rl_, rr_;
};

}  // namespace vesk
