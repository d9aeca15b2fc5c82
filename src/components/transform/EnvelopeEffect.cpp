#include "components/transform/EnvelopeEffect.h"

#include <cmath>
#include <utility>

#include "components/transform/SampleMath.h"

namespace vesk {

EnvelopeEffect::EnvelopeEffect(std::vector<double> dbPoints) : points_(std::move(dbPoints)) {
    if (points_.empty()) points_.push_back(0.0);
    for (double& db : points_) db = Clamp(db, kFloorDb, 40.0);
}

void EnvelopeEffect::Prepare(std::span<const int16_t> block) {
    lastIndex_ = block.size() > 1 ? static_cast<double>(block.size() - 1) : 1.0;
}

double EnvelopeEffect::DbAt(double position) const {
    const double x = Clamp(position, 0.0, 1.0) * static_cast<double>(points_.size() - 1);
    const auto left = static_cast<size_t>(x);
    if (left + 1 >= points_.size()) return points_.back();
    const double t = x - static_cast<double>(left);
    return points_[left] + (points_[left + 1] - points_[left]) * t;
}

void EnvelopeEffect::Process(std::span<int16_t> block, size_t begin, size_t end) {
    for (size_t i = begin; i < end; ++i) {
        const double db = DbAt(static_cast<double>(i) / lastIndex_);
        block[i] = db <= kFloorDb ? 0 : ToSample(block[i] * DbToGain(db));
    }
}

}  // namespace vesk
