#include "edit/EffectProgress.h"

#include <algorithm>

namespace vesk {

void EffectProgress::Start(int32_t startByte, int32_t endByte, int32_t totalBytes, int operationCount,
                           int16_t channelPass) {
    active_ = true;
    channelPass_ = channelPass;
    startByte_ = startByte;
    lengthBytes_ = endByte - startByte;
    totalBytes_ = totalBytes;
    operationCount_ = operationCount;
}

std::optional<int16_t> EffectProgress::Map(int32_t percent) const {
    if (!active_) return std::nullopt;
    // Each channel pass covers its share of the range: a stereo effect over both channels
    // reports the first pass as the first half and the second as the second half.
    const double perPercent = lengthBytes_ / 100.0;
    double part = 0.0;
    if (channelPass_ > 2) {
        part = perPercent * percent;
    } else {
        part = perPercent * (percent + 100.0 * channelPass_) / std::max(operationCount_, 1);
    }
    if (totalBytes_ <= 0) return int16_t{0};
    const double value = std::clamp((startByte_ + part) / totalBytes_ * 100.0, 0.0, 100.0);
    return static_cast<int16_t>(value);
}

}  // namespace vesk
