#include "components/transform/TrimEffect.h"

#include <algorithm>
#include <cmath>

#include "components/transform/ProgressReporter.h"
#include "components/transform/SampleMath.h"

namespace vesk {
namespace {

bool IsLoud(int16_t sample, double threshold) { return std::abs(int32_t{sample}) >= threshold; }

// Gain for the pair at index pair of a fade count pairs long, rising from 0.
double RampGain(size_t pair, size_t count) { return static_cast<double>(pair) / static_cast<double>(count); }

}  // namespace

TrimEffect::TrimEffect(Side side, double levelDb, double fadeMilliseconds, double rateHz)
    : side_(side),
      threshold_(std::max(1.0, kFullScale * DbToGain(Clamp(levelDb, kFloorDb, 0.0)))),
      fadeSamples_(2 * MsToSamples(Clamp(fadeMilliseconds, 0.0, 60000.0), rateHz)) {}

std::vector<int16_t> TrimEffect::TrimStart(std::span<const int16_t> input, size_t firstLoud) const {
    const size_t soundStart = firstLoud & ~size_t{1};
    const size_t keepFrom = soundStart > fadeSamples_ ? soundStart - fadeSamples_ : 0;
    std::vector<int16_t> kept(input.begin() + keepFrom, input.end());
    const size_t fadePairs = (soundStart - keepFrom) / 2;
    for (size_t i = 0; i < 2 * fadePairs; ++i) kept[i] = ToSample(kept[i] * RampGain(i / 2, fadePairs));
    return kept;
}

std::vector<int16_t> TrimEffect::TrimEnd(std::span<const int16_t> input, size_t lastLoud) const {
    const size_t soundEnd = std::min(input.size(), (lastLoud + 2) & ~size_t{1});
    const size_t keepTo = std::min(input.size(), soundEnd + fadeSamples_);
    std::vector<int16_t> kept(input.begin(), input.begin() + keepTo);
    // Mirror of the fade-in: the last kept pair is silent.
    const size_t fadePairs = (keepTo - soundEnd + 1) / 2;
    for (size_t i = soundEnd; i < keepTo; ++i) {
        kept[i] = ToSample(kept[i] * RampGain(fadePairs - 1 - (i - soundEnd) / 2, fadePairs));
    }
    return kept;
}

std::optional<std::vector<int16_t>> TrimEffect::Run(std::span<const int16_t> input, ProgressReporter& progress) {
    const auto loud = [this](int16_t s) { return IsLoud(s, threshold_); };
    std::vector<int16_t> result;
    if (side_ == Side::kStart) {
        const auto first = std::find_if(input.begin(), input.end(), loud);
        if (first != input.end()) result = TrimStart(input, static_cast<size_t>(first - input.begin()));
    } else {
        const auto last = std::find_if(input.rbegin(), input.rend(), loud);
        if (last != input.rend()) result = TrimEnd(input, static_cast<size_t>(input.rend() - last) - 1);
    }
    if (!progress.Advance(input.size())) return std::nullopt;
    return result;
}

}  // namespace vesk
