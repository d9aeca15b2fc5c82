#include "components/transform/FirFilterEffect.h"

#include <algorithm>
#include <bit>

#include "components/transform/SampleMath.h"

namespace vesk {

FirFilterEffect::FirFilterEffect(std::span<const float> kernel)
    : kernelLength_(kernel.size()),
      delay_((kernel.size() - 1) / 2),
      hop_(std::bit_ceil(2 * kernel.size()) - kernel.size() + 1),
      fft_(std::bit_ceil(2 * kernel.size())),
      kernelSpectrum_(fft_.BinCount()),
      segment_(fft_.Size()),
      spectrum_(fft_.BinCount()) {
    std::fill(segment_.begin(), segment_.end(), 0.0f);
    std::copy(kernel.begin(), kernel.end(), segment_.begin());
    fft_.Forward(segment_, kernelSpectrum_);
    // Folding the inverse transform's scale into the kernel saves a pass per segment.
    const float scale = 1.0f / static_cast<float>(fft_.Size());
    for (auto& bin : kernelSpectrum_) bin *= scale;
}

void FirFilterEffect::ConvolveSegment(std::span<const int16_t> block) {
    const size_t length = std::min(hop_, block.size() - consumed_);
    std::fill(segment_.begin(), segment_.end(), 0.0f);
    std::copy_n(block.begin() + consumed_, length, segment_.begin());
    fft_.Forward(segment_, spectrum_);
    for (size_t k = 0; k < spectrum_.size(); ++k) spectrum_[k] *= kernelSpectrum_[k];
    fft_.Inverse(spectrum_, segment_);
    const size_t produced = length + kernelLength_ - 1;
    const size_t offset = consumed_ - pendingBase_;
    if (pending_.size() < offset + produced) pending_.resize(offset + produced, 0.0f);
    for (size_t t = 0; t < produced; ++t) pending_[offset + t] += segment_[t];
    consumed_ += length;
}

void FirFilterEffect::Process(std::span<int16_t> block, size_t begin, size_t end) {
    // Output i is convolution value i + delay, complete once every input up to it is in.
    const size_t needed = std::min(block.size(), end + delay_);
    while (consumed_ < needed) ConvolveSegment(block);
    for (size_t i = begin; i < end; ++i) block[i] = ToSample(pending_[i + delay_ - pendingBase_]);
    const size_t done = std::min(end + delay_ - pendingBase_, pending_.size());
    pending_.erase(pending_.begin(), pending_.begin() + static_cast<std::ptrdiff_t>(done));
    pendingBase_ += done;
}

}  // namespace vesk
