// The formats the audio components accept: 16-bit frames of one or two channels at a rate
// SDL can convert from (telephone rates up to studio rates).
#pragma once

#include <cstdint>

namespace vesk {

inline bool IsAcceptedAudioFormat(int32_t hz, int32_t channels) {
    return hz >= 1000 && hz <= 384000 && (channels == 1 || channels == 2);
}

}  // namespace vesk
