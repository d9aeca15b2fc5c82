#include "view/SpectrumAnalyzer.h"

#include <array>
#include <bit>
#include <cmath>
#include <numbers>

namespace vesk {

namespace {

// 10^(L/10) for the levels L a spectrum meets in practice; a level is found by comparing with
// these instead of a logarithm per bin, as a frame takes tens of thousands of them.
constexpr int kLowestLevel = -300;
constexpr int kHighestLevel = 300;
constexpr int kSpan = 5;  // thresholds compared per level
const std::array<double, kHighestLevel - kLowestLevel + 1>& Thresholds() {
    static const auto thresholds = [] {
        std::array<double, kHighestLevel - kLowestLevel + 1> t{};
        for (int level = kLowestLevel; level <= kHighestLevel; ++level) {
            t[level - kLowestLevel] = std::pow(10.0, level / 10.0);
        }
        return t;
    }();
    return thresholds;
}

}  // namespace

int32_t SpectrumAnalyzer::Level(double power) {
    if (power == 0) return -20;
    const auto& t = Thresholds();
    if (!(power >= t[kSpan] && power < t[t.size() - 1 - kSpan])) {
        return static_cast<int32_t>(10 * std::log10(power));
    }
    // With 2^e ≤ power < 2^(e+1), floor(10·log10(power)) lies in [floor(3.0103·e), floor(3.0103·(e+1))]:
    // counting the thresholds of that span at or below the power finds it without a branch.
    const int exponent = static_cast<int>((std::bit_cast<uint64_t>(power) >> 52) & 0x7FF) - 1023;
    const int below = (exponent * 30103 + 400 * 10000) / 10000 - 400 - 1;  // floor(3.0103·e) − 1
    int floorLevel = below;
    for (int i = 1; i <= kSpan; ++i) floorLevel += t[below + i - kLowestLevel] <= power ? 1 : 0;
    // Truncation rounds the levels below 0 dB up.
    const bool exact = t[floorLevel - kLowestLevel] == power;
    return floorLevel + (power < 1 && !exact ? 1 : 0);
}

SpectrumAnalyzer::SpectrumAnalyzer() : fft_(kSize), time_(kSize), spectrum_(kSize / 2 + 1) {
    for (int i = 0; i < kSize; ++i) {
        const double s = std::sin(std::numbers::pi * i / kSize);
        window_[i] = static_cast<float>(s * s);
    }
}

// The power of bin k is 4·|X[k]|²/N of the windowed samples' transform X: a real signal's energy
// at a frequency is split between X[k] and its mirror X[N−k], and both halves are counted. The
// bin at 0 Hz has no mirror and counts 2·|X[0]|²/N.
void SpectrumAnalyzer::Analyze(std::span<const int16_t> frames, int channels, int channel, Levels& levels) {
    const size_t available = frames.size() / static_cast<size_t>(channels);
    for (size_t i = 0; i < kSize; ++i) {
        const float sample = i < available ? frames[i * static_cast<size_t>(channels) + channel] : 0.0f;
        time_[i] = sample * window_[i];
    }
    fft_.Forward(time_, spectrum_);
    for (int k = 0; k < kBins; ++k) {
        const double magnitude = std::norm(std::complex<double>(spectrum_[k]));
        const double power = (k == 0 ? 2.0 : 4.0) * magnitude / kSize;
        levels[k] = Level(power);
    }
}

}  // namespace vesk
