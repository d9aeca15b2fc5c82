#include "control/ControlViewHost.h"

#include <algorithm>

#include "objects/AudioEditorColors.h"
#include "objects/ColorShades.h"
#include "platform/drawing/FontFace.h"

namespace vesk {

namespace {

template <class T, class Object, class Getter>
T Read(Object* object, Getter getter, T fallback) {
    T value = fallback;
    if (object) (object->*getter)(&value);
    return value;
}

}  // namespace

ScaleSettings ReadScaleSettings(IAudioEditorScale* scale, int16_t lastType) {
    ScaleSettings settings;
    if (!scale) return settings;
    settings.type = std::clamp<int16_t>(Read<int16_t>(scale, &IAudioEditorScale::get_Type, 1), 1, lastType);
    settings.visible = Read<VARIANT_BOOL>(scale, &IAudioEditorScale::get_Visible, 1) != 0;
    settings.grid = Read<VARIANT_BOOL>(scale, &IAudioEditorScale::get_Grid, 1) != 0;
    settings.orientation =
        std::clamp<int16_t>(Read<int16_t>(scale, &IAudioEditorScale::get_Orientation, 1), kScaleAtRight, kScaleAtLeft);
    ComPtr<IDispatch> font;
    scale->get_Font(font.put());
    settings.font = FontFace::Resolve(DescribeFont(font.get()));
    return settings;
}

ViewColors ReadViewColors(IAudioEditorColors* colors) {
    ViewColors c;
    if (!colors) return c;
    using I = IAudioEditorColors;
    c.font = Read<OLE_COLOR>(colors, &I::get_Font, c.font);
    c.selectDigitalWaveform = Read<OLE_COLOR>(colors, &I::get_SelectDigitalWaveform, c.selectDigitalWaveform);
    c.selectCenterLine = Read<OLE_COLOR>(colors, &I::get_SelectCenterLine, c.selectCenterLine);
    c.selectBackground = Read<OLE_COLOR>(colors, &I::get_SelectBackground, c.selectBackground);
    c.selectAnalogWaveform = Read<OLE_COLOR>(colors, &I::get_SelectAnalogWaveform, c.selectAnalogWaveform);
    c.scales = Read<OLE_COLOR>(colors, &I::get_Scales, c.scales);
    c.playCursor = Read<OLE_COLOR>(colors, &I::get_PlayCursor, c.playCursor);
    c.grid = Read<OLE_COLOR>(colors, &I::get_Grid, c.grid);
    c.digitalWaveform = Read<OLE_COLOR>(colors, &I::get_DigitalWaveform, c.digitalWaveform);
    c.cursor = Read<OLE_COLOR>(colors, &I::get_Cursor, c.cursor);
    c.centerLine = Read<OLE_COLOR>(colors, &I::get_CenterLine, c.centerLine);
    c.boundary = Read<OLE_COLOR>(colors, &I::get_Boundary, c.boundary);
    c.background = Read<OLE_COLOR>(colors, &I::get_Background, c.background);
    c.analogWaveform = Read<OLE_COLOR>(colors, &I::get_AnalogWaveform, c.analogWaveform);
    c.cueMarker = Read<OLE_COLOR>(colors, &I::get_CueMarker, c.cueMarker);
    c.rangeMarker = Read<OLE_COLOR>(colors, &I::get_RangeMarker, c.rangeMarker);
    c.rangeMarkerBackground = Read<OLE_COLOR>(colors, &I::get_RangeMarkerBackground, c.rangeMarkerBackground);
    if (auto* own = dynamic_cast<AudioEditorColors*>(colors)) {
        c.bandSelection = own->BandSelectionShade();
        c.bandOverlap = own->BandOverlapShade();
    } else {
        // A host's colours object has no shades of its own: derive them as ours does.
        c.bandSelection = ShiftLightness(c.digitalWaveform, -40);
        c.bandOverlap = ShiftLightness(c.digitalWaveform, -20);
    }
    return c;
}

ViewColors ControlViewHost::Colors() const { return ReadViewColors(colors_.get()); }
ScaleSettings ControlViewHost::ScaleX() const { return ReadScaleSettings(scaleX_.get(), kTimeScaleTime); }
ScaleSettings ControlViewHost::ScaleY() const { return ReadScaleSettings(scaleY_.get(), kAmplitudeScaleDecibels); }
int32_t ControlViewHost::PlayColumn() const { return transport_ ? transport_->Player().PlayColumn() : 0; }
int32_t ControlViewHost::LastPlayType() const {
    return transport_ ? transport_->Player().LastPlayType() : static_cast<int32_t>(PlayType::ToEnd);
}

}  // namespace vesk
