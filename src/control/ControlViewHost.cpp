#include "control/ControlViewHost.h"

#include <algorithm>

#include "control/AudioEditor.h"
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

ScaleSettings ReadScaleSettings(IAudioEditorScale* scale) {
    ScaleSettings settings;
    if (!scale) return settings;
    settings.type = Read<int16_t>(scale, &IAudioEditorScale::get_Type, 1);
    settings.visible = Read<VARIANT_BOOL>(scale, &IAudioEditorScale::get_Visible, 1) != 0;
    settings.grid = Read<VARIANT_BOOL>(scale, &IAudioEditorScale::get_Grid, 1) != 0;
    settings.orientation = std::clamp<int16_t>(Read<int16_t>(scale, &IAudioEditorScale::get_Orientation, 1), 1, 2);
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

DocState* ControlViewHost::CurrentState() { return control_.position_ ? control_.position_->State() : nullptr; }
int32_t ControlViewHost::Channels() const { return control_.channels_; }
int32_t ControlViewHost::Frequency() const { return control_.frequency_; }
int32_t ControlViewHost::BitsPerSample() const { return control_.bitsPerSample_; }
int16_t ControlViewHost::Status() const { return control_.status_; }
void ControlViewHost::SetStatus(int16_t status) { control_.status_ = status; }
int32_t ControlViewHost::TypeView() const { return control_.typeView_; }
int16_t ControlViewHost::TypeBorder() const { return control_.typeBorder_; }
ViewColors ControlViewHost::Colors() const { return ReadViewColors(control_.colors_.get()); }

ChannelFlags ControlViewHost::ChannelLanes() {
    ChannelFlags flags;
    AudioEditorChannel* channels = control_.channelObject_.get();
    if (!channels) return flags;
    channels->Refresh();
    for (int i = 0; i < 2; ++i) {
        flags.visible[i] = channels->IsVisible(i);
        flags.operated[i] = channels->IsOperated(i);
    }
    flags.visibleCount = channels->VisibleCount();
    flags.operationCount = channels->OperationCount();
    return flags;
}

ScaleSettings ControlViewHost::ScaleX() const { return ReadScaleSettings(control_.scaleX_.get()); }
ScaleSettings ControlViewHost::ScaleY() const { return ReadScaleSettings(control_.scaleY_.get()); }

MarkerView ControlViewHost::Markers() const {
    MarkerView view;
    view.barEnabled = control_.markerBarEnabled_ != 0;
    view.backgroundEnabled = control_.markerBackgroundEnabled_ != 0;
    if (AudioEditorMarkers* markers = control_.markers_.get()) {
        view.startBytes = markers->MarkerStartBytes();
        view.lengthBytes = markers->MarkerLengthBytes();
    }
    return view;
}

void ControlViewHost::SetShownMarkers(int32_t first, int32_t last) {
    if (control_.markers_) control_.markers_->SetShownMarkers(first, last);
}

// Playback arrives with the transport; until then there is no play cursor.
int32_t ControlViewHost::PlayColumn() const { return 0; }
int32_t ControlViewHost::LastPlayType() const { return 2; }
int32_t ControlViewHost::OpenProgress() const { return control_.openProgress_; }

void ControlViewHost::SetLastErrorNum(int32_t code) { control_.lastErrorNum_ = code; }
void ControlViewHost::FireChangePosition() { control_.FireEvent(kChangePosition); }
void ControlViewHost::FireBlockOperation(int16_t percent) { control_.FireEvent(kBlockOperation, {Variant::I2(percent)}); }
void ControlViewHost::FireEndOperation() { control_.FireEndOperation(); }

}  // namespace vesk
