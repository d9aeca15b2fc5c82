#include "components/transform/NormalizeEffect.h"

#include <algorithm>
#include <cmath>

#include "components/transform/SampleMath.h"

namespace vesk {

NormalizeEffect::NormalizeEffect(double percentOfFullScale, bool removeDc)
    : target_(Clamp(percentOfFullScale, 0.0, 100.0) / 100.0 * 32767.0), removeDc_(removeDc) {}

void NormalizeEffect::Prepare(std::span<const int16_t> block) {
    if (block.empty()) return;
    if (removeDc_) {
        double sum = 0.0;
        for (int16_t s : block) sum += s;
        offset_ = -sum / static_cast<double>(block.size());
    }
    double peak = 0.0;
    for (int16_t s : block) peak = std::max(peak, std::fabs(s + offset_));
    gain_ = peak > 0.0 ? target_ / peak : 1.0;
}

void NormalizeEffect::Process(std::span<int16_t> block, size_t begin, size_t end) {
    for (size_t i = begin; i < end; ++i) block[i] = ToSample((block[i] + offset_) * gain_);
}

}  // namespace vesk
