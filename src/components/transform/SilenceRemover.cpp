#include "components/transform/SilenceRemover.h"

#include <algorithm>

#include "components/transform/RmsDetector.h"
#include "components/transform/SampleMath.h"

namespace vesk {

SilenceRemover::SilenceRemover(const Settings& settings, double rateHz)
    : thresholdMeanSquare_(kFullScale * kFullScale * DbToGain(2.0 * Clamp(settings.thresholdDb, kFloorDb, 0.0))),
      attack_(MsToSamples(Clamp(settings.attackMilliseconds, 0.0, 60000.0), rateHz)),
      release_(MsToSamples(Clamp(settings.releaseMilliseconds, 0.0, 60000.0), rateHz)),
      window_(std::max<size_t>(MsToSamples(Clamp(settings.rmsMilliseconds, 0.0, 10000.0), rateHz), 1)) {}

void SilenceRemover::AddLoud(std::vector<KeptRange>& ranges, size_t begin, size_t end, size_t blockSize) const {
    const size_t from = begin > attack_ ? begin - attack_ : 0;
    const size_t to = std::min(blockSize, end + release_);
    if (!ranges.empty() && from <= ranges.back().end) {
        ranges.back().end = std::max(ranges.back().end, to);
    } else {
        ranges.push_back({from, to});
    }
}

std::optional<std::vector<KeptRange>> SilenceRemover::Detect(std::span<const int16_t> block,
                                                             ProgressReporter& progress) const {
    std::vector<KeptRange> ranges;
    RmsDetector detector(window_);
    // The detector's window ends at the pushed sample; its level belongs to the sample in
    // the middle of the window, lead samples earlier.
    const size_t lead = window_ / 2;
    const size_t total = block.size() + lead;
    size_t loudSince = 0;
    bool loud = false;
    const size_t step = progress.ChunkUnits();
    for (size_t begin = 0; begin < total; begin += step) {
        const size_t end = std::min(total, begin + step);
        for (size_t pushed = begin; pushed < end; ++pushed) {
            const double meanSquare = detector.Push(pushed < block.size() ? block[pushed] : int16_t{0});
            if (pushed < lead) continue;
            const size_t at = pushed - lead;
            const bool nowLoud = meanSquare >= thresholdMeanSquare_;
            if (nowLoud && !loud) loudSince = at;
            if (!nowLoud && loud) AddLoud(ranges, loudSince, at, block.size());
            loud = nowLoud;
        }
        if (!progress.Advance(end)) return std::nullopt;
    }
    if (loud) AddLoud(ranges, loudSince, block.size(), block.size());
    return ranges;
}

std::vector<int16_t> SilenceRemover::Cut(std::span<const int16_t> block, const std::vector<KeptRange>& ranges) {
    std::vector<int16_t> kept;
    size_t count = 0;
    for (const KeptRange& range : ranges) count += std::min(range.end, block.size()) - std::min(range.begin, range.end);
    kept.reserve(count);
    for (const KeptRange& range : ranges) {
        const size_t end = std::min(range.end, block.size());
        if (range.begin < end) kept.insert(kept.end(), block.begin() + range.begin, block.begin() + end);
    }
    return kept;
}

}  // namespace vesk
