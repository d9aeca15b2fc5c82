// Channel-count conversion of interleaved 16-bit frames: mono is duplicated to both sides, every
// wider layout is averaged down (to mono: all channels; to stereo: the even-numbered channels to
// the left, the odd-numbered ones to the right, which keeps left/right of the usual layouts).
#pragma once

#include <cstdint>

namespace vesk {

class ChannelMix {
public:
    // Converts frames frames of inChannels samples at in into outChannels samples at out
    // (outChannels 1 or 2). in and out may be the same buffer; out must hold
    // frames × outChannels samples.
    static void Convert(const int16_t* in, int32_t inChannels, int16_t* out, int32_t outChannels, int64_t frames);
};

}  // namespace vesk
