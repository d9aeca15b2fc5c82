// Compressor and expander: an RMS detector measures the level of the original sound over a
// window, and a static gain curve around a threshold turns the level into a gain.
//   Compressor: above the threshold the level rises only 1/ratio dB per dB.
//   Expander:   below the threshold the level falls ratio dB per dB.
#pragma once

#include "components/transform/InPlaceEffect.h"
#include "components/transform/RmsDetector.h"

namespace vesk {

class DynamicsEffect : public InPlaceEffect {
public:
    enum class Kind { kCompressor, kExpander };

    // thresholdDb: dB relative to full scale, clamped to kFloorDb..0. ratio: clamped to
    // 1..100 (1 changes nothing). rmsMilliseconds: detector window, clamped to 0..10000
    // (at least one sample). rateHz: sample rate.
    DynamicsEffect(Kind kind, double thresholdDb, double ratio, double rmsMilliseconds, double rateHz);

    void Process(std::span<int16_t> block, size_t begin, size_t end) override;

    // Gain in dB the curve gives for a level in dB (pure; for tests).
    double GainDb(double levelDb) const;

private:
    Kind kind_;
    double thresholdDb_;
    double ratio_;
    RmsDetector detector_;
};

}  // namespace vesk
