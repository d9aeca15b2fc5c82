// Runs a linear-phase FIR kernel over the block by FFT convolution (overlap-add). The
// kernel's delay is taken out, so the filtered sound stays aligned with the original: each
// output sample looks ahead half a kernel into the block, which is still unprocessed there.
#pragma once

#include <complex>
#include <vector>

#include "components/transform/InPlaceEffect.h"
#include "components/transform/RealFft.h"

namespace vesk {

class FirFilterEffect : public InPlaceEffect {
public:
    // kernel: odd length, delay (length − 1) / 2 (as LinearPhaseKernel makes it).
    explicit FirFilterEffect(std::span<const float> kernel);

    void Process(std::span<int16_t> block, size_t begin, size_t end) override;

private:
    // Convolves the next segment of input and adds it to the pending output.
    void ConvolveSegment(std::span<const int16_t> block);

    size_t kernelLength_;
    size_t delay_;
    size_t hop_;  // input samples per segment
    RealFft fft_;
    std::vector<std::complex<float>> kernelSpectrum_;
    std::vector<float> segment_;
    std::vector<std::complex<float>> spectrum_;
    std::vector<float> pending_;  // convolution values from index pendingBase_ on
    size_t pendingBase_ = 0;
    size_t consumed_ = 0;  // input samples already convolved
};

}  // namespace vesk
