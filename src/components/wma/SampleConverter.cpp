#include "components/wma/SampleConverter.h"

namespace vesk {

bool SampleConverter::Configure(const SampleLayout& from, const SampleLayout& to) {
    AVChannelLayout inLayout;
    AVChannelLayout outLayout;
    av_channel_layout_default(&inLayout, from.channels);
    av_channel_layout_default(&outLayout, to.channels);
    SwrContext* context = nullptr;
    int result = swr_alloc_set_opts2(&context, &outLayout, to.format, to.frequencyHz, &inLayout, from.format,
                                     from.frequencyHz, 0, nullptr);
    resampler_.reset(context);
    av_channel_layout_uninit(&inLayout);
    av_channel_layout_uninit(&outLayout);
    return result >= 0 && swr_init(resampler_.get()) >= 0;
}

int32_t SampleConverter::MaxOutputFrames(int32_t inFrames) const {
    int frames = swr_get_out_samples(resampler_.get(), inFrames);
    return frames > 0 ? frames : 0;
}

int32_t SampleConverter::Convert(const uint8_t* const* in, int32_t inFrames, uint8_t* const* out,
                                 int32_t outCapacity) {
    // swr_convert's signature predates const-correct planes; it does not write to the input.
    return swr_convert(resampler_.get(), const_cast<uint8_t**>(out), outCapacity, const_cast<const uint8_t**>(in),
                       inFrames);
}

}  // namespace vesk
