// Delivers the sound of a decoder in another rate and channel count (libsoxr for the rate,
// ChannelMix for the channels), streaming through one bounded buffer. Channels are narrowed
// before and widened after the rate conversion, so that it always works on the fewer channels.
#pragma once

#include <soxr.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "components/file/AudioDecoder.h"

namespace vesk {

class FormatConverter {
public:
    // source: borrowed, must outlive this converter; frames are read from where it stands.
    // hz > 0, channels 1 or 2.
    FormatConverter(AudioDecoder& source, int32_t hz, int32_t channels);
    FormatConverter(const FormatConverter&) = delete;
    FormatConverter& operator=(const FormatConverter&) = delete;
    ~FormatConverter();

    // False when the rate converter could not be created.
    bool Ok() const { return resampler_ != nullptr || !Resampling(); }
    int32_t Frequency() const { return hz_; }
    int32_t Channels() const { return channels_; }
    // The source's announced length in delivered frames.
    int64_t LengthFrames() const;
    // Reads up to maxFrames delivered frames into out (Channels() samples each); 0 at the end.
    int64_t Read(int16_t* out, int64_t maxFrames);

private:
    bool Resampling() const { return source_.Info().frequency != hz_; }
    int32_t WorkChannels() const;
    // Refills pending_ from the source (narrowed to WorkChannels()); false at its end.
    bool Refill();
    int64_t Resample(int16_t* out, int64_t maxFrames);

    AudioDecoder& source_;
    int32_t hz_;
    int32_t channels_;
    soxr_t resampler_ = nullptr;
    std::vector<int16_t> pending_;  // source frames not yet taken by the resampler
    int64_t pendingOffsetFrames_ = 0;
    int64_t pendingFrames_ = 0;
    bool sourceEnded_ = false;
};

}  // namespace vesk
