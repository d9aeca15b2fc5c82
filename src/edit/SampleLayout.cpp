#include "edit/SampleLayout.h"

#include <algorithm>
#include <cmath>

namespace vesk {

void SplitStereo(std::span<const int16_t> interleaved, std::span<int16_t> left, std::span<int16_t> right,
                 size_t first) {
    const size_t room = std::min(left.size(), right.size());
    const size_t frames = first < room ? std::min(interleaved.size() / 2, room - first) : 0;
    for (size_t i = 0; i < frames; ++i) {
        left[first + i] = interleaved[2 * i];
        right[first + i] = interleaved[2 * i + 1];
    }
}

void MergeStereo(std::span<int16_t> interleaved, std::span<const int16_t> left, std::span<const int16_t> right,
                 size_t first) {
    const size_t frames = interleaved.size() / 2;
    for (size_t i = 0; i < frames; ++i) {
        const size_t at = first + i;
        interleaved[2 * i] = at < left.size() ? left[at] : 0;
        interleaved[2 * i + 1] = at < right.size() ? right[at] : 0;
    }
}

void MixSaturating(std::span<int16_t> target, std::span<const int16_t> added, double targetGain, double addedGain) {
    const size_t n = std::min(target.size(), added.size());
    for (size_t i = 0; i < n; ++i) {
        // Clamp in double first: converting an out-of-range double to an integer is undefined,
        // and a gain that is not a number (or an infinite one meeting a zero sample) gives
        // silence rather than a value.
        const double sum = target[i] * targetGain + added[i] * addedGain;
        target[i] = std::isnan(sum) ? 0 : static_cast<int16_t>(std::clamp(sum, -32768.0, 32767.0));
    }
}

}  // namespace vesk
