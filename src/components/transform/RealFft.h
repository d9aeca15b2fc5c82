// Forward and inverse FFT of real signals of one even size (KissFFT behind a small RAII
// wrapper so that no other file needs the library's headers or configuration macros).
#pragma once

#include <complex>
#include <cstddef>
#include <memory>
#include <span>

struct kiss_fftr_state;

namespace vesk {

class RealFft {
public:
    // size: even, at least 2.
    explicit RealFft(size_t size);

    size_t Size() const { return size_; }
    size_t BinCount() const { return size_ / 2 + 1; }

    // time: Size() values; spectrum: BinCount() bins from 0 Hz to the Nyquist frequency.
    void Forward(std::span<const float> time, std::span<std::complex<float>> spectrum) const;
    // The inverse without the 1/Size() factor: Inverse(Forward(x)) = Size() · x.
    void Inverse(std::span<const std::complex<float>> spectrum, std::span<float> time) const;

private:
    struct ConfigFree {
        void operator()(kiss_fftr_state* config) const;
    };
    size_t size_;
    std::unique_ptr<kiss_fftr_state, ConfigFree> forward_;
    std::unique_ptr<kiss_fftr_state, ConfigFree> inverse_;
};

}  // namespace vesk
