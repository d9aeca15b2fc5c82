#include "components/file/MpegEncoderLimits.h"

#include <lame/lame.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace vesk {
namespace {

enum class Layer { Two, Three };

// LAME numbers the versions 0 = MPEG-2, 1 = MPEG-1, 2 = MPEG-2.5; three rates each.
constexpr int kVersions = 3;
constexpr int kRatesPerVersion = 3;
constexpr int kBitratesPerVersion = 16;  // index 0 is "free format", which we do not write
constexpr int kMpeg1 = 1;
constexpr int kMpeg25 = 2;

int VersionOf(int32_t hz) {
    for (int version = 0; version < kVersions; ++version) {
        for (int index = 0; index < kRatesPerVersion; ++index) {
            if (lame_get_samplerate(version, index) == hz) return version;
        }
    }
    return -1;
}

std::vector<int32_t> Rates(Layer layer) {
    std::vector<int32_t> rates;
    for (int version = 0; version < kVersions; ++version) {
        if (layer == Layer::Two && version == kMpeg25) continue;
        for (int index = 0; index < kRatesPerVersion; ++index) rates.push_back(lame_get_samplerate(version, index));
    }
    return rates;
}

std::vector<int32_t> Bitrates(Layer layer, int version) {
    if (layer == Layer::Two && version == kMpeg1) return {32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384};
    std::vector<int32_t> kbps;
    for (int index = 1; index < kBitratesPerVersion; ++index) {
        if (lame_get_bitrate(version, index) > 0) kbps.push_back(lame_get_bitrate(version, index));
    }
    return kbps;
}

// The value of `choices` nearest to `wanted`, the lower of two as near.
int32_t Nearest(std::vector<int32_t> choices, int32_t wanted) {
    std::ranges::sort(choices);
    return *std::ranges::min_element(choices, {}, [wanted](int32_t v) { return std::abs(int64_t{v} - wanted); });
}

MpegSetting NearestSetting(Layer layer, int32_t hz, int32_t kbps, int32_t channels) {
    const int32_t rate = Nearest(Rates(layer), hz);
    return {rate, Nearest(Bitrates(layer, VersionOf(rate)), kbps), std::clamp(channels, 1, 2)};
}

}  // namespace

bool MpegEncoderLimits::IsSampleRate(int32_t hz) { return VersionOf(hz) >= 0; }

bool MpegEncoderLimits::Accepts(int32_t hz, int32_t kbps, int32_t channels) {
    return NearestLayerThree(hz, kbps, channels) == MpegSetting{hz, kbps, channels};
}

bool MpegEncoderLimits::AcceptsLayerTwo(int32_t hz, int32_t kbps, int32_t channels) {
    return NearestLayerTwo(hz, kbps, channels) == MpegSetting{hz, kbps, channels};
}

MpegSetting MpegEncoderLimits::NearestLayerThree(int32_t hz, int32_t kbps, int32_t channels) {
    return NearestSetting(Layer::Three, hz, kbps, channels);
}

MpegSetting MpegEncoderLimits::NearestLayerTwo(int32_t hz, int32_t kbps, int32_t channels) {
    return NearestSetting(Layer::Two, hz, kbps, channels);
}

}  // namespace vesk
