// Scales the block so that its highest peak reaches a given share of full scale, after
// removing the DC offset if asked.
#pragma once

#include "components/transform/InPlaceEffect.h"

namespace vesk {

class NormalizeEffect : public InPlaceEffect {
public:
    // percentOfFullScale: target peak, clamped to 0..100 (100 = 32767). removeDc: subtract
    // the block's mean first.
    NormalizeEffect(double percentOfFullScale, bool removeDc);

    // Measures the mean and the peak; a silent block is left silent.
    void Prepare(std::span<const int16_t> block) override;
    void Process(std::span<int16_t> block, size_t begin, size_t end) override;

private:
    double target_;
    bool removeDc_;
    double offset_ = 0.0;
    double gain_ = 1.0;
};

}  // namespace vesk
