// An effect that keeps the length of the block and rewrites it front to back, in place.
// RunInPlace drives it chunk by chunk so that progress can be reported and an abort honoured.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace vesk {

class ProgressReporter;

class InPlaceEffect {
public:
    virtual ~InPlaceEffect() = default;

    // Called once with the whole block before the first Process (for effects that need its
    // length or a measurement of it, such as the peak).
    virtual void Prepare(std::span<const int16_t> block) { (void)block; }

    // Rewrites block[begin, end). Calls come in order and together cover the block; samples
    // from end on are still the original ones, so an effect may look ahead.
    virtual void Process(std::span<int16_t> block, size_t begin, size_t end) = 0;
};

// Prepares the effect and processes the block in the reporter's chunks. Returns false when
// aborted; the block then holds the processed chunks followed by original samples.
bool RunInPlace(InPlaceEffect& effect, std::span<int16_t> block, ProgressReporter& progress);

}  // namespace vesk
