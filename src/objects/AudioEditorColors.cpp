#include "objects/AudioEditorColors.h"

#include "objects/ColorShades.h"

namespace vesk {

namespace {

struct ColorRule {
    OLE_COLOR defaultValue;
    ColorEffect effect;
};

// The system button-face colour of a default desktop theme stands for "the scales' colour"
// (there is no system palette to ask here).
constexpr OLE_COLOR kButtonFace = 0xF0F0F0;

constexpr ColorRule kRules[] = {
    {0x000000, ColorEffect::Pens},        // Font
    {0x604720, ColorEffect::Pens},        // SelectDigitalWaveform
    {0x2626A4, ColorEffect::Pens},        // SelectCenterLine
    {0xFFFFFF, ColorEffect::Background},  // SelectBackground
    {0xAC0000, ColorEffect::Pens},        // SelectAnalogWaveform
    {kButtonFace, ColorEffect::Pens},     // Scales
    {0xDCDCDC, ColorEffect::Redraw},      // PlayCursor
    {0x4F2C04, ColorEffect::Pens},        // Grid
    {0xABF01C, ColorEffect::Pens},        // DigitalWaveform (also the source of the two band shades)
    {0x00FFFF, ColorEffect::Redraw},      // Cursor
    {0x2626A4, ColorEffect::Pens},        // CenterLine
    {0x9F876F, ColorEffect::Redraw},      // Boundary
    {0x000000, ColorEffect::Pens},        // Background
    {0x567E00, ColorEffect::Pens},        // AnalogWaveform
    {0x7D7DFF, ColorEffect::Redraw},      // CueMarker
    {0xFFBC24, ColorEffect::Redraw},      // RangeMarker
    {0x414141, ColorEffect::Background},  // RangeMarkerBackground
};
static_assert(std::size(kRules) == static_cast<size_t>(EditorColor::Count));

// Lightness steps (on the 0..240 scale) from DigitalWaveform down to the band shades: the
// selection stands out clearly, the overlap with the thumb lies between the two.
constexpr int32_t kBandSelectionDarker = 40;
constexpr int32_t kBandOverlapDarker = 20;

}  // namespace

AudioEditorColors::AudioEditorColors() {
    for (size_t i = 0; i < colors_.size(); ++i) colors_[i] = kRules[i].defaultValue;
    DeriveShades();
}

OLE_COLOR AudioEditorColors::DefaultColor(EditorColor which) { return kRules[static_cast<size_t>(which)].defaultValue; }

HRESULT AudioEditorColors::Get(EditorColor which, OLE_COLOR* value) const {
    if (!value) return E_POINTER;
    *value = colors_[static_cast<size_t>(which)];
    return S_OK;
}

HRESULT AudioEditorColors::Put(EditorColor which, OLE_COLOR value) {
    colors_[static_cast<size_t>(which)] = value;
    if (which == EditorColor::DigitalWaveform) DeriveShades();
    if (host_) host_->View().ColorsChanged(kRules[static_cast<size_t>(which)].effect != ColorEffect::Redraw);
    return S_OK;
}

void AudioEditorColors::DeriveShades() {
    OLE_COLOR waveform = Color(EditorColor::DigitalWaveform);
    bandSelectionShade_ = ShiftLightness(waveform, -kBandSelectionDarker);
    bandOverlapShade_ = ShiftLightness(waveform, -kBandOverlapDarker);
}

}  // namespace vesk
