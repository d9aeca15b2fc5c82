// What one pixel column of the spectral view shows: 64 samples of one channel, tapered towards
// both ends (sine squared) so that the cut at the column's edges does not spread energy over
// every bin, Fourier-transformed; each of the 32 bins below half the rate becomes a level in
// whole decibels of its power (truncated towards zero; −20 stands for no power at all).
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "components/transform/RealFft.h"

namespace vesk {

class SpectrumAnalyzer {
public:
    static constexpr int kSize = 64;
    static constexpr int kBins = kSize / 2;
    using Levels = std::array<int32_t, kBins>;

    SpectrumAnalyzer();

    // The levels of channel `channel` of `frames` (interleaved 16-bit samples of `channels`
    // channels); frames missing at the end count as silence.
    void Analyze(std::span<const int16_t> frames, int channels, int channel, Levels& levels);
    // 10·log10(power) truncated towards zero, −20 for no power.
    static int32_t Level(double power);

private:
    std::array<float, kSize> window_;
    RealFft fft_;
    std::vector<float> time_;
    std::vector<std::complex<float>> spectrum_;
};

}  // namespace vesk
