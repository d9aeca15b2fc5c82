#include "components/transform/RealFft.h"

#include <cstdlib>
#include <new>

#include "kiss_fftr.h"

namespace vesk {

void RealFft::ConfigFree::operator()(kiss_fftr_state* config) const { kiss_fftr_free(config); }

RealFft::RealFft(size_t size)
    : size_(size),
      forward_(kiss_fftr_alloc(static_cast<int>(size), 0, nullptr, nullptr)),
      inverse_(kiss_fftr_alloc(static_cast<int>(size), 1, nullptr, nullptr)) {
    if (!forward_ || !inverse_) throw std::bad_alloc();
}

// kiss_fft_cpx is two floats, laid out like std::complex<float>.
void RealFft::Forward(std::span<const float> time, std::span<std::complex<float>> spectrum) const {
    kiss_fftr(forward_.get(), time.data(), reinterpret_cast<kiss_fft_cpx*>(spectrum.data()));
}

void RealFft::Inverse(std::span<const std::complex<float>> spectrum, std::span<float> time) const {
    kiss_fftri(inverse_.get(), reinterpret_cast<const kiss_fft_cpx*>(spectrum.data()), time.data());
}

}  // namespace vesk
