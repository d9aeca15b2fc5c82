#include "components/audio/VolumeBalance.h"

#include <algorithm>

namespace vesk {
namespace {

// a · b / c rounded to nearest, for non-negative values.
int64_t MulDivRound(int64_t a, int64_t b, int64_t c) { return c == 0 ? 0 : (a * b + c / 2) / c; }

}  // namespace

SideVolumes SplitBalance(int32_t volume, int32_t balance) {
    volume = std::clamp(volume, 0, kMaxLineVolume);
    balance = std::clamp(balance, -100, 100);
    const auto quieter = static_cast<int32_t>(MulDivRound(volume, 100 - (balance < 0 ? -balance : balance), 100));
    return {balance > 0 ? quieter : volume, balance < 0 ? quieter : volume};
}

int32_t VolumeOfSides(SideVolumes sides) { return std::max(sides.left, sides.right); }

int16_t BalanceOfSides(SideVolumes sides) {
    const int32_t louder = VolumeOfSides(sides);
    if (louder <= 0 || sides.left == sides.right) return 0;
    const auto shortfall = static_cast<int16_t>(100 - MulDivRound(std::min(sides.left, sides.right), 100, louder));
    return sides.left > sides.right ? static_cast<int16_t>(-shortfall) : shortfall;
}

long VolumeToRaw(int32_t volume, long low, long high) {
    if (high <= low) return low;
    return low + static_cast<long>(MulDivRound(std::clamp(volume, 0, kMaxLineVolume), high - low, kMaxLineVolume));
}

int32_t RawToVolume(long raw, long low, long high) {
    if (high <= low) return 0;
    return static_cast<int32_t>(MulDivRound(std::clamp(raw, low, high) - low, kMaxLineVolume, high - low));
}

}  // namespace vesk
