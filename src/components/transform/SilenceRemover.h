// Finds the quiet stretches of a block and removes them. A sample is loud when the RMS level
// over a window centred on it reaches the threshold; each loud stretch keeps attackTime of
// sound before it and releaseTime after it, and everything outside those stretches goes.
// Detection and cutting are separate so that the second channel of a stereo sound can be
// cut exactly like the first.
#pragma once

#include <optional>
#include <span>
#include <vector>

#include "components/transform/ProgressReporter.h"

namespace vesk {

// Sample ranges [begin, end) of a block, in order, not overlapping.
struct KeptRange {
    size_t begin;
    size_t end;
    friend bool operator==(const KeptRange&, const KeptRange&) = default;
};

class SilenceRemover {
public:
    struct Settings {
        double thresholdDb;          // relative to full scale, clamped to kFloorDb..0
        double attackMilliseconds;   // kept before sound, clamped to 0..60000
        double releaseMilliseconds;  // kept after sound, clamped to 0..60000
        double rmsMilliseconds;      // detector window, clamped to 0..10000 (at least 1 sample)
        friend bool operator==(const Settings&, const Settings&) = default;
    };

    SilenceRemover(const Settings& settings, double rateHz);

    // The ranges to keep, or nothing when asked to stop.
    std::optional<std::vector<KeptRange>> Detect(std::span<const int16_t> block, ProgressReporter& progress) const;

    // The samples of block inside ranges, in order.
    static std::vector<int16_t> Cut(std::span<const int16_t> block, const std::vector<KeptRange>& ranges);

private:
    // Adds a loud stretch, widened by attack and release, merging with the previous range.
    void AddLoud(std::vector<KeptRange>& ranges, size_t begin, size_t end, size_t blockSize) const;

    double thresholdMeanSquare_;
    size_t attack_;
    size_t release_;
    size_t window_;
};

}  // namespace vesk
