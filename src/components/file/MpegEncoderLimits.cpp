#include "components/file/MpegEncoderLimits.h"

#include <lame/lame.h>

#include <algorithm>
#include <iterator>
#include <optional>

namespace vesk {
namespace {

// LAME numbers the versions 0 = MPEG-2, 1 = MPEG-1, 2 = MPEG-2.5; three rates each.
constexpr int kVersions = 3;
constexpr int kRatesPerVersion = 3;
constexpr int kBitratesPerVersion = 16;  // index 0 is "free format", which we do not write
constexpr int kMpeg25 = 2;

std::optional<int> VersionOf(int32_t hz) {
    for (int version = 0; version < kVersions; ++version) {
        for (int index = 0; index < kRatesPerVersion; ++index) {
            if (lame_get_samplerate(version, index) == hz) return version;
        }
    }
    return std::nullopt;
}

bool InBitrateTable(int version, int32_t kbps) {
    for (int index = 1; index < kBitratesPerVersion; ++index) {
        if (lame_get_bitrate(version, index) == kbps) return true;
    }
    return false;
}

}  // namespace

bool MpegEncoderLimits::IsSampleRate(int32_t hz) { return VersionOf(hz).has_value(); }

bool MpegEncoderLimits::Accepts(int32_t hz, int32_t kbps, int32_t channels) {
    const std::optional<int> version = VersionOf(hz);
    return version && (channels == 1 || channels == 2) && InBitrateTable(*version, kbps);
}

// Layer II has a table of its own in MPEG-1 (no 40 kbps, up to 384); in MPEG-2 it shares
// Layer III's.
bool MpegEncoderLimits::AcceptsLayerTwo(int32_t hz, int32_t kbps, int32_t channels) {
    static constexpr int32_t kMpeg1LayerTwoKbps[] = {32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384};
    const std::optional<int> version = VersionOf(hz);
    if (!version || *version == kMpeg25 || (channels != 1 && channels != 2)) return false;
    if (*version == 0) return InBitrateTable(0, kbps);
    return std::ranges::find(kMpeg1LayerTwoKbps, kbps) != std::end(kMpeg1LayerTwoKbps);
}

}  // namespace vesk
