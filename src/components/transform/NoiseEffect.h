// Adds white, pink or brown noise to the sound.
#pragma once

#include <cstdint>

#include "components/transform/InPlaceEffect.h"
#include "components/transform/NoiseGenerator.h"

namespace vesk {

class NoiseEffect : public InPlaceEffect {
public:
    // amplitude: noise level as a fraction of full scale, clamped to 0..1 (the peak of white
    // noise; pink and brown noise are scaled to a similar loudness). seed varies the noise.
    NoiseEffect(double amplitude, NoiseColor color, uint64_t seed);

    void Process(std::span<int16_t> block, size_t begin, size_t end) override;

private:
    double scale_;  // amplitude in sample units
    NoiseGenerator generator_;
};

}  // namespace vesk
