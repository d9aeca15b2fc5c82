// Sample-level helpers of the edits: splitting interleaved stereo into two channel arrays and
// back, and the saturating mix of two 16-bit signals.
#pragma once

#include <cstdint>
#include <span>

namespace vesk {

// Copies the frames of `interleaved` (left, right, ...) to left[first + i] and right[first + i].
// A trailing odd sample is ignored; frames that do not fit the arrays are dropped.
void SplitStereo(std::span<const int16_t> interleaved, std::span<int16_t> left, std::span<int16_t> right,
                 size_t first);
// The inverse: fills `interleaved` from left[first + i] and right[first + i]; elements missing
// from either array read as 0.
void MergeStereo(std::span<int16_t> interleaved, std::span<const int16_t> left, std::span<const int16_t> right,
                 size_t first);
// target[i] = trunc(target[i] × targetGain + added[i] × addedGain), limited to the 16-bit range,
// for i below the shorter length. Gains are factors (1.0 = unchanged).
void MixSaturating(std::span<int16_t> target, std::span<const int16_t> added, double targetGain, double addedGain);

}  // namespace vesk
