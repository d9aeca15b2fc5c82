#include "components/transform/RmsDetector.h"

#include <algorithm>

namespace vesk {

RmsDetector::RmsDetector(size_t windowSamples) : squares_(std::max<size_t>(windowSamples, 1), 0) {}

double RmsDetector::Push(int16_t sample) {
    const auto square = static_cast<uint32_t>(int32_t{sample} * int32_t{sample});
    sum_ += square;
    sum_ -= squares_[next_];
    squares_[next_] = square;
    next_ = next_ + 1 == squares_.size() ? 0 : next_ + 1;
    filled_ = std::min(filled_ + 1, squares_.size());
    return static_cast<double>(sum_) / static_cast<double>(filled_);
}

}  // namespace vesk
