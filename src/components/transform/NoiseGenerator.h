// Deterministic white, pink and brown noise of roughly unit peak. Pink noise comes from the
// well-known three-pole-per-decade filter bank (−3 dB per octave), brown noise from a leaky
// integrator (−6 dB per octave above a few tens of hertz).
#pragma once

#include <cstdint>

namespace vesk {

enum class NoiseColor { kWhite = 0, kPink = 1, kBrown = 2 };

class NoiseGenerator {
public:
    // seed: any value; equal seeds give equal sequences.
    NoiseGenerator(NoiseColor color, uint64_t seed);

    // The next value, about −1..1.
    double Next();

private:
    double NextWhite();
    double NextPink(double white);
    double NextBrown(double white);

    NoiseColor color_;
    uint64_t state_;
    double pink_[7] = {};
    double brown_ = 0.0;
};

}  // namespace vesk
