#include "edit/BlockSize.h"

#include <climits>
#include <cmath>
#include <new>

namespace vesk {

int32_t MulDiv(int32_t value, int32_t numerator, int32_t denominator) {
    if (denominator == 0) return -1;
    const long double exact = static_cast<long double>(value) * numerator / denominator;
    const long double rounded = std::round(exact);
    if (rounded > INT32_MAX || rounded < INT32_MIN) return -1;
    return static_cast<int32_t>(rounded);
}

uint32_t FrameBlockBytes(int32_t fileBufferMs, uint32_t bytesPerSecond, uint32_t stretchBytes) {
    const auto block = static_cast<uint32_t>(MulDiv(fileBufferMs, static_cast<int32_t>(bytesPerSecond), 1000));
    return block >= stretchBytes ? bytesPerSecond : block;
}

bool TryAllocate(std::vector<uint8_t>& buffer, size_t bytes) {
    try {
        buffer.resize(bytes);
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

}  // namespace vesk
