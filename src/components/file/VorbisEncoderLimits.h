// What libvorbis accepts, asked from libvorbisenc itself: whether a rate, channel count and
// bitrate combination can be encoded, and which VBR quality gives a wanted nominal bitrate.
#pragma once

#include <cstdint>
#include <optional>

namespace vesk {

class VorbisEncoderLimits {
public:
    // Bitrates in kbps, 0 = not given. With none given, asks for the default quality.
    static bool Accepts(int32_t hz, int32_t channels, int32_t nominalKbps, int32_t minKbps, int32_t maxKbps);
    // The VBR quality in [0, 1] whose nominal bitrate comes closest to nominalKbps at that rate
    // and channel count; nullopt when libvorbis has no mode for that rate and channel count.
    static std::optional<double> QualityForBitrate(int32_t hz, int32_t channels, int32_t nominalKbps);
};

}  // namespace vesk
