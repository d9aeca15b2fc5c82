// Multiplies every sample by one factor. Silence (factor 0) and Invert (factor -1) are this
// effect too; -32768 inverted saturates at 32767.
#pragma once

#include "components/transform/InPlaceEffect.h"

namespace vesk {

class AmplifyEffect : public InPlaceEffect {
public:
    // factor: linear gain, clamped to ±kMaxGainFactor.
    explicit AmplifyEffect(double factor);
    double Factor() const { return factor_; }

    void Process(std::span<int16_t> block, size_t begin, size_t end) override;

private:
    float factor_;
};

}  // namespace vesk
