// Hue, lightness and saturation on the integer scales of the classic colour dialog (hue 0..239,
// lightness and saturation 0..240), and the darker shades the painter derives from a colour.
// Pure functions; the integer rounding is chosen so that a conversion there and back returns the
// dialog's values.
#pragma once

#include <cstdint>

#include "platform/automation/ComTypes.h"

namespace vesk {

struct HlsColor {
    int32_t hue = 0;         // 0..239 (160 for a grey, whose hue is undefined)
    int32_t lightness = 0;   // 0..240
    int32_t saturation = 0;  // 0..240
};

HlsColor HlsFromColor(OLE_COLOR color);
// Values outside the scales are clamped.
OLE_COLOR ColorFromHls(HlsColor hls);
// The colour with its lightness moved by `change` (clamped to 0..240), hue and saturation kept.
OLE_COLOR ShiftLightness(OLE_COLOR color, int32_t change);

}  // namespace vesk
