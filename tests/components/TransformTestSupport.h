// Known signals and measurements for the tests of the transform component and its effects:
// sines and clicks as 16-bit blocks, RMS levels in dB, band powers through an FFT.
#pragma once

#include <cmath>
#include <cstdint>
#include <functional>
#include <numbers>
#include <span>
#include <vector>

#include "components/transform/RealFft.h"
#include "components/transform/SampleMath.h"
#include "platform/automation/SafeArray.h"

namespace vesk::test {

inline constexpr double kRate = 44100.0;

inline std::vector<int16_t> Sine(double hz, double amplitude, size_t count, double rate = kRate) {
    std::vector<int16_t> samples(count);
    for (size_t i = 0; i < count; ++i) {
        samples[i] = ToSample(amplitude * std::sin(2.0 * std::numbers::pi * hz * static_cast<double>(i) / rate));
    }
    return samples;
}

inline std::vector<int16_t> Click(size_t count, size_t at, int16_t value = 10000) {
    std::vector<int16_t> samples(count, 0);
    samples[at] = value;
    return samples;
}

inline SafeArrayPtr MakeBlock(std::span<const int16_t> samples) {
    SafeArrayPtr block(SafeArrayCreateVector(VT_I2, 0, static_cast<uint32_t>(samples.size())));
    std::copy(samples.begin(), samples.end(), block.shorts().begin());
    return block;
}

inline SafeArrayPtr MakeFloats(std::initializer_list<float> values) {
    SafeArrayPtr array(SafeArrayCreateVector(VT_R4, 0, static_cast<uint32_t>(values.size())));
    std::copy(values.begin(), values.end(), array.floats().begin());
    return array;
}

inline std::vector<int16_t> Samples(const SafeArrayPtr& block) {
    auto shorts = block.shorts();
    return {shorts.begin(), shorts.end()};
}

// Runs operation on a block holding input (the operation may replace the block) and
// returns what the block holds afterwards; result receives the operation's HRESULT.
inline std::vector<int16_t> ApplyTo(std::span<const int16_t> input,
                                    const std::function<HRESULT(SAFEARRAY**)>& operation, HRESULT* result = nullptr) {
    SAFEARRAY* raw = MakeBlock(input).Detach();
    const HRESULT hr = operation(&raw);
    if (result) *result = hr;
    return Samples(SafeArrayPtr(raw));
}

// RMS level of samples[begin, end) in dB relative to full scale.
inline double RmsDb(std::span<const int16_t> samples, size_t begin, size_t end) {
    double sum = 0.0;
    for (size_t i = begin; i < end; ++i) sum += static_cast<double>(samples[i]) * samples[i];
    return MeanSquareToDb(sum / static_cast<double>(end - begin));
}

inline double RmsDb(std::span<const int16_t> samples) { return RmsDb(samples, 0, samples.size()); }

// Power in dB of the frequencies [lowHz, highHz), averaged over 4096-point FFT frames.
inline double BandPowerDb(std::span<const int16_t> samples, double lowHz, double highHz, double rate = kRate) {
    constexpr size_t kSize = 4096;
    RealFft fft(kSize);
    std::vector<float> frame(kSize);
    std::vector<std::complex<float>> spectrum(fft.BinCount());
    double power = 0.0;
    for (size_t start = 0; start + kSize <= samples.size(); start += kSize) {
        std::copy_n(samples.begin() + start, kSize, frame.begin());
        fft.Forward(frame, spectrum);
        for (size_t k = 0; k < spectrum.size(); ++k) {
            const double hz = static_cast<double>(k) * rate / kSize;
            if (hz >= lowHz && hz < highHz) power += std::norm(spectrum[k]);
        }
    }
    return 10.0 * std::log10(power + 1e-30);
}

}  // namespace vesk::test
