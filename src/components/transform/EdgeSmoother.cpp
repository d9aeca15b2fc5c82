#include "components/transform/EdgeSmoother.h"

#include <algorithm>

#include "components/transform/SampleMath.h"

namespace vesk {
namespace {

int16_t Blend(int16_t original, int16_t processed, double processedWeight) {
    return ToSample(original + (processed - original) * processedWeight);
}

}  // namespace

EdgeSmoother::EdgeSmoother(std::span<const int16_t> original, size_t rampSamples, bool start, bool end)
    : ramp_(std::min(rampSamples, original.size() / 2)) {
    if (ramp_ == 0) return;
    if (start) head_.assign(original.begin(), original.begin() + ramp_);
    if (end) tail_.assign(original.end() - ramp_, original.end());
}

void EdgeSmoother::Apply(std::span<int16_t> processed) const {
    if (ramp_ == 0 || processed.size() < 2 * ramp_) return;
    const double step = 1.0 / static_cast<double>(ramp_);
    for (size_t i = 0; i < head_.size(); ++i) processed[i] = Blend(head_[i], processed[i], i * step);
    const size_t tailStart = processed.size() - ramp_;
    for (size_t i = 0; i < tail_.size(); ++i) {
        processed[tailStart + i] = Blend(tail_[i], processed[tailStart + i], (ramp_ - 1 - i) * step);
    }
}

}  // namespace vesk
