// The sample work of ConvertSampleType on one block of 16-bit samples: channel conversion,
// then linear-interpolation resampling. Every block starts again at time 0, so block
// boundaries fall on whole seconds of input.
//
// A conversion runs block after block, so the results live in this object's buffers, which keep
// their memory from block to block: fresh buffers for every second of sound cost more in page
// faults than the conversion itself.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace vesk {

class FormatConversion {
public:
    // Frames at the end of a resampled sequence that are blended from the backward pass.
    static constexpr size_t kBlendSamples = 50;

    // Mono to stereo duplicates each sample; stereo to mono averages each frame truncating
    // toward zero (a trailing odd sample is dropped). Equal counts copy; other counts give
    // nothing. The result is valid until the next ConvertChannels.
    std::span<const int16_t> ConvertChannels(std::span<const int16_t> in, int32_t fromChannels,
                                             int32_t toChannels);
    // One channel from fromHz to toHz into `out`: trunc(n × toHz / fromHz) samples by linear
    // interpolation forward in time, the last kBlendSamples blended with the same interpolation
    // run backward from the last input sample, so the last output sample is exactly the last
    // input sample.
    static void Resample(std::span<const int16_t> in, int32_t fromHz, int32_t toHz, std::vector<int16_t>& out);
    // Resample on an interleaved block of `channels` (1 or 2) channels, each channel alone. The
    // result is valid until the next ResampleBlock.
    std::span<const int16_t> ResampleBlock(std::span<const int16_t> in, int32_t channels, int32_t fromHz,
                                           int32_t toHz);

private:
    std::vector<int16_t> converted_;
    std::vector<int16_t> left_, right_, newLeft_, newRight_;
    std::vector<int16_t> resampled_;
};

}  // namespace vesk
