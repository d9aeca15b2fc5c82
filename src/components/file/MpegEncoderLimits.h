// The rates and bitrates MPEG audio allows, read from LAME's own tables: MPEG-1 (32, 44.1,
// 48 kHz; 32..320 kbps), MPEG-2 (16, 22.05, 24 kHz; 8..160 kbps) and MPEG-2.5 (8, 11.025,
// 12 kHz; 8..64 kbps), one or two channels. Layer II knows MPEG-1 (with a table of its own,
// 32..384 kbps without 40) and MPEG-2 only.
#pragma once

#include <cstdint>

namespace vesk {

struct MpegSetting {
    int32_t hz = 0;
    int32_t kbps = 0;
    int32_t channels = 0;
    friend bool operator==(const MpegSetting&, const MpegSetting&) = default;
};

class MpegEncoderLimits {
public:
    // Whether hz is one of the nine MPEG sample rates.
    static bool IsSampleRate(int32_t hz);
    // Whether the bitrate (kbps) is in the table of the MPEG version that hz belongs to.
    static bool Accepts(int32_t hz, int32_t kbps, int32_t channels);
    // The same for MPEG-1 and MPEG-2 only, the versions Layer II knows.
    static bool AcceptsLayerTwo(int32_t hz, int32_t kbps, int32_t channels);

    // The setting an encoder writes for what was asked: the nearest allowed rate, one or two
    // channels, and the nearest bitrate of that rate's table (the lower of two as near).
    static MpegSetting NearestLayerThree(int32_t hz, int32_t kbps, int32_t channels);
    static MpegSetting NearestLayerTwo(int32_t hz, int32_t kbps, int32_t channels);
};

}  // namespace vesk
