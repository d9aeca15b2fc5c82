// Cuts the quiet lead-in (or tail) of a sound: everything before the first (after the last)
// sample whose magnitude reaches the trim level goes, except fadeTime of it, which is kept
// and faded in (out) so that the sound does not start (stop) with a click.
//
// The block may be interleaved stereo and the component is not told the channel count, so
// cuts fall on even sample positions (whole frames) and the fade gives both samples of a pair
// the same gain; fadeTime counts pairs, so it is exact for stereo and doubled for mono.
#pragma once

#include "components/transform/ResizingEffect.h"

namespace vesk {

class TrimEffect : public ResizingEffect {
public:
    enum class Side { kStart, kEnd };

    // levelDb: relative to full scale, clamped to kFloorDb..0; fadeMilliseconds: clamped to
    // 0..60000; rateHz: sample rate. A block with no sample at the level becomes empty.
    TrimEffect(Side side, double levelDb, double fadeMilliseconds, double rateHz);

    std::optional<std::vector<int16_t>> Run(std::span<const int16_t> input, ProgressReporter& progress) override;

private:
    std::vector<int16_t> TrimStart(std::span<const int16_t> input, size_t firstLoud) const;
    std::vector<int16_t> TrimEnd(std::span<const int16_t> input, size_t lastLoud) const;

    Side side_;
    double threshold_;    // sample magnitude
    size_t fadeSamples_;  // even
};

}  // namespace vesk
