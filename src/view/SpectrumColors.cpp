#include "view/SpectrumColors.h"

namespace vesk {

namespace {

constexpr int32_t kRange = 140;  // of hue, lightness and saturation
constexpr int32_t kComponentMax = 255;

int32_t HueToValue(int32_t m1, int32_t m2, int32_t hue) {
    // The hue as an unsigned 16-bit value, brought once into the range.
    uint16_t h = static_cast<uint16_t>(hue);
    if (h > kRange) h = static_cast<uint16_t>(h - kRange);
    if (h < kRange / 6) return m1 + ((m2 - m1) * h + kRange / 12) / (kRange / 6);
    if (h < kRange / 2) return m2;
    if (h < kRange * 2 / 3) return m1 + ((m2 - m1) * (kRange * 2 / 3 - h) + kRange / 12) / (kRange / 6);
    return m1;
}

int32_t Component(int32_t m1, int32_t m2, int32_t hue) {
    return (HueToValue(m1, m2, hue) * kComponentMax + kRange / 2) / kRange;
}

}  // namespace

OLE_COLOR SpectrumColors::FromHls(int32_t hue, int32_t lightness, int32_t saturation) {
    int32_t red, green, blue;
    if (saturation == 0) {
        red = green = blue = lightness * kComponentMax / kRange;
    } else {
        const int32_t m2 = lightness <= kRange / 2
                               ? (lightness * (kRange + saturation) + kRange / 2) / kRange
                               : lightness + saturation - (lightness * saturation + kRange / 2) / kRange;
        const int32_t m1 = 2 * lightness - m2;
        red = Component(m1, m2, hue + kRange / 3);
        green = Component(m1, m2, hue);
        blue = Component(m1, m2, hue - kRange / 3);
    }
    return static_cast<OLE_COLOR>((red & 0xFF) | (green & 0xFF) << 8 | (blue & 0xFF) << 16);
}

SpectrumColors::SpectrumColors(SpectrumHues hues) {
    for (int i = 0; i < kColors; ++i) {
        const auto normalHue = static_cast<int32_t>(hues.a0 + 100 - (hues.a1 - hues.a0) * i / 100.0);
        const auto selectedHue = static_cast<int32_t>(hues.b0 + 100 - (hues.b1 - hues.b0) * i / 100.0);
        maps_[0][i] = FromHls(normalHue, static_cast<int32_t>(1.5 * i + 10), kRange);
        maps_[1][i] = FromHls(selectedHue, 120 - i, kRange);
        maps_[2][i] = FromHls(normalHue, i / 2, kRange);
    }
}

}  // namespace vesk
