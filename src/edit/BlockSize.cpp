#include "edit/BlockSize.h"

#include <climits>
#include <new>

namespace vesk {

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
