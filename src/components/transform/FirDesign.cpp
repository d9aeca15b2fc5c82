#include "components/transform/FirDesign.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>
#include <utility>

#include "components/transform/RealFft.h"
#include "components/transform/SampleMath.h"

namespace vesk {
namespace {

double Blackman(size_t index, size_t length) {
    const double x = 2.0 * std::numbers::pi * static_cast<double>(index) / static_cast<double>(length - 1);
    return 0.42 - 0.5 * std::cos(x) + 0.08 * std::cos(2.0 * x);
}

// dB at frequency hz from points sorted by frequency.
double InterpolateDb(const std::vector<std::pair<double, double>>& points, double hz) {
    if (hz <= points.front().first) return points.front().second;
    if (hz >= points.back().first) return points.back().second;
    auto upper = std::upper_bound(points.begin(), points.end(), hz,
                                  [](double f, const std::pair<double, double>& p) { return f < p.first; });
    const auto& [f1, db1] = *(upper - 1);
    const auto& [f2, db2] = *upper;
    if (f2 <= f1) return db2;
    const double t = std::log(hz / f1) / std::log(f2 / f1);
    return db1 + (db2 - db1) * t;
}

}  // namespace

std::vector<double> BandGainsToBins(std::span<const float> bandGains, size_t binCount) {
    std::vector<double> bins(binCount, 1.0);
    if (bandGains.empty()) return bins;
    for (size_t k = 0; k < binCount; ++k) {
        const size_t band = std::min(k * bandGains.size() / binCount, bandGains.size() - 1);
        bins[k] = Clamp(bandGains[band], 0.0, kMaxGainFactor);
    }
    return bins;
}

std::vector<double> EqualizerToBins(std::span<const float> gainsDb, std::span<const float> frequenciesHz, double rateHz,
                                    size_t binCount) {
    std::vector<double> bins(binCount, 1.0);
    const double nyquist = rateHz / 2.0;
    std::vector<std::pair<double, double>> points;
    for (size_t i = 0; i < std::min(gainsDb.size(), frequenciesHz.size()); ++i) {
        points.emplace_back(Clamp(frequenciesHz[i], 1.0, nyquist), Clamp(gainsDb[i], -60.0, 60.0));
    }
    if (points.empty() || binCount < 2) return bins;
    std::sort(points.begin(), points.end());
    for (size_t k = 0; k < binCount; ++k) {
        const double hz = std::max(1.0, nyquist * static_cast<double>(k) / static_cast<double>(binCount - 1));
        bins[k] = DbToGain(InterpolateDb(points, hz));
    }
    return bins;
}

std::vector<float> LinearPhaseKernel(std::span<const double> binGains) {
    const size_t fftSize = 2 * (binGains.size() - 1);
    RealFft fft(fftSize);
    std::vector<std::complex<float>> spectrum(fft.BinCount());
    for (size_t k = 0; k < spectrum.size(); ++k) spectrum[k] = static_cast<float>(binGains[k]);
    std::vector<float> circular(fftSize);
    fft.Inverse(spectrum, circular);
    // The zero-phase response is centred on sample 0 of the circular result; rotate it to
    // the middle of the kernel.
    const size_t length = fftSize - 1;
    const size_t half = (length - 1) / 2;
    std::vector<float> kernel(length);
    for (size_t j = 0; j < length; ++j) {
        const double tap = circular[(j + fftSize - half) % fftSize] / static_cast<double>(fftSize);
        kernel[j] = static_cast<float>(tap * Blackman(j, length));
    }
    return kernel;
}

}  // namespace vesk
