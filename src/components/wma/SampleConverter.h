// Converts sound between two sample layouts (format, rate, channel count) with libswresample:
// the decoder turns the codec's float planes into interleaved 16-bit frames, the encoder turns
// the caller's 16-bit frames into the encoder's float planes at the profile's rate.
#pragma once

#include <cstdint>

#include "components/wma/AvHandles.h"

namespace vesk {

struct SampleLayout {
    AVSampleFormat format;
    int32_t frequencyHz;
    int32_t channels;
};

class SampleConverter {
public:
    // False when libswresample refuses the pair of layouts.
    bool Configure(const SampleLayout& from, const SampleLayout& to);

    // Upper bound of the frames the next Convert of inFrames can produce (including what the
    // resampler still holds).
    int32_t MaxOutputFrames(int32_t inFrames) const;
    // Converts inFrames frames from `in` (one pointer per plane of the source layout; nullptr
    // with 0 frames drains what the resampler holds) into `out` (planes of the target layout,
    // room for `outCapacity` frames). Returns the frames written, or a negative FFmpeg error.
    int32_t Convert(const uint8_t* const* in, int32_t inFrames, uint8_t* const* out, int32_t outCapacity);

private:
    av::ResamplerPtr resampler_;
};

}  // namespace vesk
