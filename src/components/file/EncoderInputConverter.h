// Brings the 16-bit interleaved blocks a caller writes to the rate and channel count an encoder
// writes, block by block: channels first (ChannelMix), then the rate through libsoxr. When both
// already match, blocks pass through untouched and nothing is allocated.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

struct soxr;

namespace vesk {

class EncoderInputConverter {
public:
    // Rates in Hz (> 0), channel counts 1 or more in, 1 or 2 out.
    EncoderInputConverter(int32_t inHz, int32_t inChannels, int32_t outHz, int32_t outChannels);
    ~EncoderInputConverter();
    EncoderInputConverter(const EncoderInputConverter&) = delete;
    EncoderInputConverter& operator=(const EncoderInputConverter&) = delete;

    // False when the resampler could not be created (out of memory); Convert then gives nothing.
    bool Ready() const { return ready_; }
    // The converted frames of `frames` input frames (outChannels samples each). The span is valid
    // until the next call; with nothing to convert it points at the input itself.
    std::span<const int16_t> Convert(const int16_t* samples, int64_t frames);
    // The frames the resampler still holds at the end of the input; empty when there are none.
    std::span<const int16_t> Flush();

    int32_t OutChannels() const { return outChannels_; }

private:
    std::span<const int16_t> Resample(const int16_t* samples, int64_t frames);

    int32_t inChannels_;
    int32_t outChannels_;
    double ratio_;  // output frames per input frame
    soxr* resampler_ = nullptr;
    bool ready_ = true;
    std::vector<int16_t> mixed_;
    std::vector<int16_t> resampled_;
};

}  // namespace vesk
