// Softens the borders of an edited range: it keeps the first and last samples of the block as
// they were before the effect and, afterwards, crossfades from that original into the
// processed sound at the start and from the processed sound back into the original at the
// end, so that the edit does not click where it meets the untouched sound.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace vesk {

class EdgeSmoother {
public:
    // Remembers the original edges. rampSamples: crossfade length (limited to half the
    // block); start/end: which borders to smooth.
    EdgeSmoother(std::span<const int16_t> original, size_t rampSamples, bool start, bool end);

    // Crossfades the processed block (same length as the original) with the remembered
    // edges: weight of the processed sound i / ramp at the start, mirrored at the end.
    void Apply(std::span<int16_t> processed) const;

private:
    size_t ramp_;
    std::vector<int16_t> head_;  // original first ramp_ samples (empty when start is off)
    std::vector<int16_t> tail_;  // original last ramp_ samples (empty when end is off)
};

}  // namespace vesk
