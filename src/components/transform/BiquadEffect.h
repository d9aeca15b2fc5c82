// Runs one second-order filter over the block (transposed direct form II, double precision
// so that low cut-off frequencies stay stable and quiet).
#pragma once

#include "components/transform/BiquadDesign.h"
#include "components/transform/InPlaceEffect.h"

namespace vesk {

class BiquadEffect : public InPlaceEffect {
public:
    explicit BiquadEffect(const BiquadCoefficients& coefficients) : c_(coefficients) {}

    void Process(std::span<int16_t> block, size_t begin, size_t end) override;

private:
    BiquadCoefficients c_;
    double z1_ = 0.0;
    double z2_ = 0.0;
};

}  // namespace vesk
