// A gain curve given as dB points spread evenly over the block (the first on the first
// sample, the last on the last); between points the dB value is interpolated linearly.
#pragma once

#include <vector>

#include "components/transform/InPlaceEffect.h"

namespace vesk {

class EnvelopeEffect : public InPlaceEffect {
public:
    // dbPoints: at least one value; each clamped to kFloorDb..+40 dB (kFloorDb silences).
    explicit EnvelopeEffect(std::vector<double> dbPoints);

    void Prepare(std::span<const int16_t> block) override;
    void Process(std::span<int16_t> block, size_t begin, size_t end) override;

    // Gain in dB at a position 0..1 along the block.
    double DbAt(double position) const;

private:
    std::vector<double> points_;
    double lastIndex_ = 0.0;  // index of the block's last sample
};

}  // namespace vesk
