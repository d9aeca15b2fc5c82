// Design of the linear-phase FIR filters behind the FFT filter and the equalizer: a wanted
// magnitude per frequency bin, turned into a windowed, symmetric impulse response. Pure
// functions.
#pragma once

#include <cstddef>
#include <span>
#include <vector>

namespace vesk {

// Bins of the design grid, 0 Hz to the Nyquist frequency (a 2048-point design: about 22 Hz
// apart at 44.1 kHz); the kernels have 2 × (bins − 1) − 1 taps.
inline constexpr size_t kFirDesignBins = 1025;

// Linear gains of equal-width bands covering 0 Hz..Nyquist, low to high, spread over
// binCount bins (each bin takes its band's gain). Gains are clamped to 0..kMaxGainFactor;
// no bands means unity.
std::vector<double> BandGainsToBins(std::span<const float> bandGains, size_t binCount);

// Gains in dB at frequencies in Hz (pairs, any order), interpolated linearly in dB over
// the logarithm of frequency and held flat beyond the outermost points; returned as linear
// gains for binCount bins. Gains are clamped to ±60 dB, frequencies to 1 Hz..Nyquist.
std::vector<double> EqualizerToBins(std::span<const float> gainsDb, std::span<const float> frequenciesHz, double rateHz,
                                    size_t binCount);

// The zero-phase response given by binGains (at least 2 bins), inverse transformed, centred
// and shaped with a Blackman window: an odd-length kernel whose delay is (length − 1) / 2.
std::vector<float> LinearPhaseKernel(std::span<const double> binGains);

}  // namespace vesk
