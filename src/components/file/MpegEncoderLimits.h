// The rates and bitrates MPEG audio allows, read from LAME's own tables: MPEG-1 (32, 44.1,
// 48 kHz; 32..320 kbps), MPEG-2 (16, 22.05, 24 kHz; 8..160 kbps) and MPEG-2.5 (8, 11.025,
// 12 kHz; 8..64 kbps), one or two channels.
#pragma once

#include <cstdint>

namespace vesk {

class MpegEncoderLimits {
public:
    // Whether hz is one of the nine MPEG sample rates.
    static bool IsSampleRate(int32_t hz);
    // Whether the bitrate (kbps) is in the table of the MPEG version that hz belongs to.
    static bool Accepts(int32_t hz, int32_t kbps, int32_t channels);
    // The same for MPEG-1 and MPEG-2 only, the versions Layer II knows.
    static bool AcceptsLayerTwo(int32_t hz, int32_t kbps, int32_t channels);
};

}  // namespace vesk
