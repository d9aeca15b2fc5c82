// Plain values the view works with: rectangles, the waveform area, the named values of its
// settings, and the snapshots of the settings it reads (colours, channel flags, scales, markers).
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "platform/automation/ComTypes.h"
#include "platform/drawing/FontFace.h"

namespace vesk {

struct ClientRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 1;
    int32_t bottom = 1;

    int32_t Width() const { return right - left; }
    int32_t Height() const { return bottom - top; }
    bool operator==(const ClientRect&) const = default;
};

// The waveform area, relative to the client rectangle's left/top.
struct WaveArea {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
    int32_t width = 0;
    int32_t height = 0;
};

// The colours of the picture (OLE colours, 0x00BBGGRR).
struct ViewColors {
    OLE_COLOR font = 0x000000;
    OLE_COLOR selectDigitalWaveform = 0x604720;
    OLE_COLOR selectCenterLine = 0x2626A4;
    OLE_COLOR selectBackground = 0xFFFFFF;
    OLE_COLOR selectAnalogWaveform = 0xAC0000;
    OLE_COLOR scales = 0xF0F0F0;
    OLE_COLOR playCursor = 0xDCDCDC;
    OLE_COLOR grid = 0x4F2C04;
    OLE_COLOR digitalWaveform = 0xABF01C;
    OLE_COLOR cursor = 0x00FFFF;
    OLE_COLOR centerLine = 0x2626A4;
    OLE_COLOR boundary = 0x9F876F;
    OLE_COLOR background = 0x000000;
    OLE_COLOR analogWaveform = 0x567E00;
    OLE_COLOR cueMarker = 0x7D7DFF;
    OLE_COLOR rangeMarker = 0xFFBC24;
    OLE_COLOR rangeMarkerBackground = 0x414141;
    OLE_COLOR bandSelection = 0x77AB0C;  // derived from digitalWaveform
    OLE_COLOR bandOverlap = 0x94D30E;    // derived from digitalWaveform
};

// Fixed colours of the frame and of channels an operation leaves alone.
inline constexpr OLE_COLOR kWorkspaceColor = 0xABABAB;  // the application-workspace grey
inline constexpr OLE_COLOR kHighlightColor = 0xFFFFFF;  // the button highlight
inline constexpr OLE_COLOR kBlackColor = 0x000000;
inline constexpr OLE_COLOR kUnoperatedColor = 0x4A4A4A;  // RGB(74, 74, 74)

// TypeView: what the lanes show.
inline constexpr int32_t kViewWaveform = 0;
inline constexpr int32_t kViewSpectral = 1;
inline constexpr int32_t kViewExpanded = 2;

// ScaleX Type: what the time scale counts.
inline constexpr int16_t kTimeScaleSamples = 1;
inline constexpr int16_t kTimeScaleTime = 2;
// ScaleY Type: what the amplitude scale shows.
inline constexpr int16_t kAmplitudeScaleSamples = 1;
inline constexpr int16_t kAmplitudeScaleNormalized = 2;
inline constexpr int16_t kAmplitudeScaleDecibels = 3;
// Orientation of a scale: the amplitude scale at the right or at the left of the lanes.
inline constexpr int16_t kScaleAtRight = 1;
inline constexpr int16_t kScaleAtLeft = 2;

struct ChannelFlags {
    std::array<bool, 2> visible{true, true};
    std::array<bool, 2> operated{true, true};
    int32_t visibleCount = 1;
    int32_t operationCount = 1;
};

// A scale's settings as the view reads them (ScaleX: Type 1 samples, 2 time; ScaleY: Type 1
// sample values, 2 normalized, 3 decibels; Orientation 1 right, 2 left).
struct ScaleSettings {
    int16_t type = 1;
    bool visible = true;
    bool grid = true;
    int16_t orientation = 1;
    std::shared_ptr<FontFace> font;
};

// The markers as the painter needs them: byte starts and lengths in list order (borrowed from
// the view's marker cache for one composition).
struct MarkerView {
    std::span<const int64_t> startBytes;
    std::span<const int64_t> lengthBytes;
    bool barEnabled = true;
    bool backgroundEnabled = true;
};

}  // namespace vesk
