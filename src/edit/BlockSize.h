// Sizes of the blocks in which edits stream sound between working files.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/MulDiv.h"

namespace vesk {

// The copy block of the frame: fileBufferMs milliseconds of audio at bytesPerSecond. When that
// is not smaller than the stretch to copy (unsigned compare), one second is used instead, so a
// short stretch still reports progress in several steps.
uint32_t FrameBlockBytes(int32_t fileBufferMs, uint32_t bytesPerSecond, uint32_t stretchBytes);

// Sizes a block buffer; false (buffer unchanged) when the memory cannot be had.
bool TryAllocate(std::vector<uint8_t>& buffer, size_t bytes);

}  // namespace vesk
