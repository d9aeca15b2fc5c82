#include "components/transform/ProgressReporter.h"

#include <algorithm>
#include <utility>

namespace vesk {

ProgressReporter::ProgressReporter(size_t totalUnits, Listener listener, const bool& abortRequested)
    : totalUnits_(totalUnits), listener_(std::move(listener)), abortRequested_(abortRequested) {
    const size_t twentieth = (totalUnits + 19) / 20;
    chunkUnits_ = std::max(kShortOperationUnits, twentieth + (twentieth & 1));
}

bool ProgressReporter::Advance(size_t doneUnits) {
    if (totalUnits_ > kShortOperationUnits && listener_) {
        const auto percent = static_cast<int32_t>(std::min(doneUnits, totalUnits_) * 100 / totalUnits_);
        if (percent > lastPercent_) {
            lastPercent_ = percent;
            listener_(percent);
        }
    }
    return !abortRequested_;
}

}  // namespace vesk
