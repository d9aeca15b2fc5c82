#include "components/transform/ReverseEffect.h"

#include <algorithm>
#include <utility>

namespace vesk {

void ReverseEffect::Process(std::span<int16_t> block, size_t begin, size_t end) {
    const size_t half = size_ / 2;
    for (size_t i = begin; i < std::min(end, half); ++i) std::swap(block[i], block[size_ - 1 - i]);
}

}  // namespace vesk
