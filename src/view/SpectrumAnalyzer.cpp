#include "view/SpectrumAnalyzer.h"

#include <cmath>
#include <numbers>

namespace vesk {

SpectrumAnalyzer::SpectrumAnalyzer() : fft_(kSize), time_(kSize), spectrum_(kSize / 2 + 1) {
    for (int i = 0; i < kSize; ++i) {
        const double s = std::sin(std::numbers::pi * i / kSize);
        window_[i] = static_cast<float>(s * s);
    }
}

// The powers are those of a Hartley transform of the windowed samples, H[k]² + H[N−k]² over N/2
// (H[0]² over N/2 at bin 0); for real input that is 4·|X[k]|²/N (2·|X[0]|²/N) of the Fourier
// transform X.
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
        levels[k] = power == 0 ? -20 : static_cast<int32_t>(10 * std::log10(power));
    }
}

}  // namespace vesk
