#include "components/file/EncoderInputConverter.h"

#include <soxr.h>

#include <cmath>

#include "components/file/ChannelMix.h"

namespace vesk {

EncoderInputConverter::EncoderInputConverter(int32_t inHz, int32_t inChannels, int32_t outHz, int32_t outChannels)
    : inChannels_(inChannels), outChannels_(outChannels), ratio_(static_cast<double>(outHz) / inHz) {
    if (inHz == outHz) return;
    // High quality is soxr's default recipe and still far faster than any encoder behind it.
    const soxr_io_spec_t io = soxr_io_spec(SOXR_INT16_I, SOXR_INT16_I);
    const soxr_quality_spec_t quality = soxr_quality_spec(SOXR_HQ, 0);
    soxr_error_t error = nullptr;
    resampler_ = soxr_create(inHz, outHz, static_cast<unsigned>(outChannels), &error, &io, &quality, nullptr);
    ready_ = resampler_ != nullptr && error == nullptr;
}

EncoderInputConverter::~EncoderInputConverter() {
    if (resampler_) soxr_delete(resampler_);
}

std::span<const int16_t> EncoderInputConverter::Convert(const int16_t* samples, int64_t frames) {
    if (!ready_ || frames <= 0) return {};
    const int16_t* mixed = samples;
    if (inChannels_ != outChannels_) {
        mixed_.resize(static_cast<size_t>(frames * outChannels_));
        ChannelMix::Convert(samples, inChannels_, mixed_.data(), outChannels_, frames);
        mixed = mixed_.data();
    }
    if (!resampler_) return {mixed, static_cast<size_t>(frames * outChannels_)};
    return Resample(mixed, frames);
}

std::span<const int16_t> EncoderInputConverter::Flush() {
    if (!resampler_ || !ready_) return {};
    return Resample(nullptr, 0);
}

// soxr keeps its filter history between calls; a null input tells it the input has ended, and
// it then gives out what it holds over as many calls as needed.
std::span<const int16_t> EncoderInputConverter::Resample(const int16_t* samples, int64_t frames) {
    const bool flushing = samples == nullptr;
    auto left = static_cast<size_t>(frames);
    size_t total = 0;
    for (;;) {
        const auto room = static_cast<size_t>(std::ceil(static_cast<double>(left) * ratio_)) + 1024;
        resampled_.resize((total + room) * outChannels_);
        size_t used = 0;
        size_t made = 0;
        if (soxr_process(resampler_, samples, left, &used, resampled_.data() + total * outChannels_, room, &made)) {
            return {};
        }
        total += made;
        if (flushing ? made < room : used == left || (used == 0 && made == 0)) break;
        if (!flushing) {
            samples += used * outChannels_;
            left -= used;
        }
    }
    return {resampled_.data(), total * outChannels_};
}

}  // namespace vesk
