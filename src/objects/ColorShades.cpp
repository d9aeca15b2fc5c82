#include "objects/ColorShades.h"

#include <algorithm>

namespace vesk {

namespace {

constexpr int32_t kHlsMax = 240;  // scale of lightness and saturation; hue runs below it
constexpr int32_t kRgbMax = 255;
constexpr int32_t kUndefinedHue = kHlsMax * 2 / 3;

struct Rgb8 {
    int32_t r, g, b;
};

Rgb8 Channels(OLE_COLOR color) {
    return {static_cast<int32_t>(color & 0xFF), static_cast<int32_t>((color >> 8) & 0xFF),
            static_cast<int32_t>((color >> 16) & 0xFF)};
}

int32_t WrapHue(int32_t hue) { return ((hue % kHlsMax) + kHlsMax) % kHlsMax; }

// One channel on the 0..240 scale from the two lightness bounds and the hue it sits at.
int32_t HueToChannel(int32_t low, int32_t high, int32_t hue) {
    hue = WrapHue(hue);
    constexpr int32_t kSixth = kHlsMax / 6;
    if (hue < kSixth) return low + ((high - low) * hue + kSixth / 2) / kSixth;
    if (hue < kHlsMax / 2) return high;
    if (hue < kHlsMax * 2 / 3) return low + ((high - low) * (kHlsMax * 2 / 3 - hue) + kSixth / 2) / kSixth;
    return low;
}

int32_t ToRgbScale(int32_t value) { return std::clamp((value * kRgbMax + kHlsMax / 2) / kHlsMax, 0, kRgbMax); }

}  // namespace

HlsColor HlsFromColor(OLE_COLOR color) {
    const auto [r, g, b] = Channels(color);
    const int32_t high = std::max({r, g, b});
    const int32_t low = std::min({r, g, b});
    const int32_t sum = high + low;
    const int32_t range = high - low;
    HlsColor hls;
    hls.lightness = (sum * kHlsMax + kRgbMax) / (2 * kRgbMax);
    if (range == 0) {
        hls.hue = kUndefinedHue;
        return hls;
    }
    const int32_t spread = hls.lightness <= kHlsMax / 2 ? sum : 2 * kRgbMax - sum;
    hls.saturation = (range * kHlsMax + spread / 2) / spread;
    // How far each channel falls short of the largest, in sixths of the hue circle.
    auto shortfall = [&](int32_t channel) { return ((high - channel) * (kHlsMax / 6) + range / 2) / range; };
    if (r == high) {
        hls.hue = shortfall(b) - shortfall(g);
    } else if (g == high) {
        hls.hue = kHlsMax / 3 + shortfall(r) - shortfall(b);
    } else {
        hls.hue = kHlsMax * 2 / 3 + shortfall(g) - shortfall(r);
    }
    hls.hue = WrapHue(hls.hue);
    return hls;
}

OLE_COLOR ColorFromHls(HlsColor hls) {
    const int32_t hue = WrapHue(hls.hue);
    const int32_t lightness = std::clamp(hls.lightness, 0, kHlsMax);
    const int32_t saturation = std::clamp(hls.saturation, 0, kHlsMax);
    if (saturation == 0) {
        auto grey = static_cast<OLE_COLOR>(ToRgbScale(lightness));
        return grey | (grey << 8) | (grey << 16);
    }
    const int32_t high = lightness <= kHlsMax / 2
                             ? (lightness * (kHlsMax + saturation) + kHlsMax / 2) / kHlsMax
                             : lightness + saturation - (lightness * saturation + kHlsMax / 2) / kHlsMax;
    const int32_t low = 2 * lightness - high;
    auto r = static_cast<OLE_COLOR>(ToRgbScale(HueToChannel(low, high, hue + kHlsMax / 3)));
    auto g = static_cast<OLE_COLOR>(ToRgbScale(HueToChannel(low, high, hue)));
    auto b = static_cast<OLE_COLOR>(ToRgbScale(HueToChannel(low, high, hue - kHlsMax / 3)));
    return r | (g << 8) | (b << 16);
}

OLE_COLOR ShiftLightness(OLE_COLOR color, int32_t change) {
    HlsColor hls = HlsFromColor(color);
    hls.lightness = std::clamp(hls.lightness + change, 0, kHlsMax);
    return ColorFromHls(hls);
}

}  // namespace vesk
