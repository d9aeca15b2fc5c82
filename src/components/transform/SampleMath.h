// Small numeric helpers shared by the effects: saturating conversion to 16-bit samples,
// parameter clamping that also absorbs NaN and infinities, and unit conversions.
#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>

namespace vesk {

inline constexpr double kFullScale = 32768.0;
// Largest gain factor any effect applies; beyond it every sample saturates anyway.
inline constexpr double kMaxGainFactor = 1000.0;
// Quietest level the effects tell apart from silence, dB relative to full scale.
inline constexpr double kFloorDb = -120.0;

// Rounds to the nearest sample value (halves away from zero) and saturates at the 16-bit
// limits. NaN becomes 0 so that no invalid value can reach a block.
inline int16_t ToSample(double value) {
    if (value >= 32767.0) return 32767;
    if (value <= -32768.0) return -32768;
    if (value != value) return 0;
    return static_cast<int16_t>(value + (value < 0 ? -0.5 : 0.5));
}

// value limited to [low, high]; NaN gives low, infinities give the bound on their side.
inline double Clamp(double value, double low, double high) {
    if (!(value >= low)) return low;
    return value > high ? high : value;
}

inline double DbToGain(double db) { return std::pow(10.0, db / 20.0); }

// Level in dB relative to full scale of a mean square (in squared sample units); never below
// kFloorDb, so silence gives a finite level.
inline double MeanSquareToDb(double meanSquare) {
    const double floor = kFullScale * kFullScale * 1e-12;  // -120 dB
    return 10.0 * std::log10((meanSquare > floor ? meanSquare : floor) / (kFullScale * kFullScale));
}

// Values this small are inaudible; flushing them to zero keeps decaying feedback loops out of
// the very slow subnormal range of floating point.
inline double FlushTiny(double value) { return (value < 1e-15 && value > -1e-15) ? 0.0 : value; }

// A duration in milliseconds as a sample count at rateHz (rounded, never negative).
inline size_t MsToSamples(double milliseconds, double rateHz) {
    const double samples = Clamp(milliseconds, 0.0, 1e7) * rateHz / 1000.0;
    return static_cast<size_t>(samples + 0.5);
}

}  // namespace vesk
