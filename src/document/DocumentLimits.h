// What one document can hold. Positions inside the control are signed 32-bit byte offsets into
// the working file's data, so a working file holds at most kMaxDataBytes of sound: 3 h 22 min of
// CD-quality stereo, 6 h 45 min of mono. Sample rates outside [kMinFrequency, kMaxFrequency] are
// refused: below, no codec or device works; above, a block of one second no longer fits the
// block arithmetic comfortably and no device plays it.
#pragma once

#include <cstdint>

namespace vesk {

// The largest multiple of 4 (a stereo frame) that a signed 32-bit offset can reach.
inline constexpr int64_t kMaxDataBytes = 0x7FFFFFFC;
inline constexpr int32_t kMinFrequency = 1000;
inline constexpr int32_t kMaxFrequency = 384000;

constexpr bool IsSupportedFrequency(int64_t hz) { return hz >= kMinFrequency && hz <= kMaxFrequency; }
constexpr bool FitsDocument(int64_t bytes) { return bytes >= 0 && bytes <= kMaxDataBytes; }

}  // namespace vesk
