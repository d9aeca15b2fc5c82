#include "components/file/VorbisEncoderLimits.h"

#include <vorbis/vorbisenc.h>

namespace vesk {
namespace {

constexpr double kDefaultQuality = 0.4;  // libvorbis' own default (oggenc -q 4)

// The nominal bitrate (bits/s) libvorbis announces for a VBR quality, or nullopt when it has no
// mode for this rate and channel count.
std::optional<long> NominalBitrateOf(int32_t hz, int32_t channels, double quality) {
    vorbis_info info;
    vorbis_info_init(&info);
    std::optional<long> bitrate;
    if (vorbis_encode_init_vbr(&info, channels, hz, static_cast<float>(quality)) == 0) bitrate = info.bitrate_nominal;
    vorbis_info_clear(&info);
    return bitrate;
}

long BitsPerSecond(int32_t kbps) { return kbps > 0 ? static_cast<long>(kbps) * 1000 : -1; }

}  // namespace

bool VorbisEncoderLimits::Accepts(int32_t hz, int32_t channels, int32_t nominalKbps, int32_t minKbps, int32_t maxKbps) {
    if (hz <= 0 || channels < 1 || channels > 2) return false;
    if (nominalKbps <= 0 && minKbps <= 0 && maxKbps <= 0) return NominalBitrateOf(hz, channels, kDefaultQuality).has_value();
    if ((minKbps > 0 && nominalKbps > 0 && minKbps > nominalKbps) ||
        (maxKbps > 0 && nominalKbps > 0 && maxKbps < nominalKbps) || (minKbps > 0 && maxKbps > 0 && minKbps > maxKbps)) {
        return false;
    }
    vorbis_info info;
    vorbis_info_init(&info);
    const int result = vorbis_encode_setup_managed(&info, channels, hz, BitsPerSecond(maxKbps), BitsPerSecond(nominalKbps),
                                                   BitsPerSecond(minKbps));
    vorbis_info_clear(&info);
    return result == 0;
}

// The nominal bitrate grows with the quality, so a bisection over [0, 1] finds it.
std::optional<double> VorbisEncoderLimits::QualityForBitrate(int32_t hz, int32_t channels, int32_t nominalKbps) {
    if (!NominalBitrateOf(hz, channels, kDefaultQuality)) return std::nullopt;
    const long wanted = BitsPerSecond(nominalKbps);
    double low = 0.0;
    double high = 1.0;
    for (int step = 0; step < 12; ++step) {
        const double middle = (low + high) / 2;
        if (NominalBitrateOf(hz, channels, middle).value_or(0) < wanted) {
            low = middle;
        } else {
            high = middle;
        }
    }
    return (low + high) / 2;
}

}  // namespace vesk
