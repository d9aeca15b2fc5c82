// The arithmetic of mixer lines, shared by the software line and the ALSA lines: a line's
// volume (0 .. 65535) and balance (-100 left .. 100 right) against the volumes of its two
// sides, and the line volume against the raw range of a hardware control.
//
// The louder side carries the volume; the balance says how much quieter the other side is, in
// percent of the volume, with the sign of the louder side (negative: the left is louder).
#pragma once

#include <cstdint>

namespace vesk {

inline constexpr int32_t kMaxLineVolume = 65535;

struct SideVolumes {
    int32_t left = 0;
    int32_t right = 0;
    friend bool operator==(const SideVolumes&, const SideVolumes&) = default;
};

// volume clamped to [0, 65535], balance to [-100, 100].
SideVolumes SplitBalance(int32_t volume, int32_t balance);
int32_t VolumeOfSides(SideVolumes sides);
int16_t BalanceOfSides(SideVolumes sides);

// A line volume as a raw value in [low, high] and back, both rounded to nearest.
long VolumeToRaw(int32_t volume, long low, long high);
int32_t RawToVolume(long raw, long low, long high);

}  // namespace vesk
