// The colours of the picture (OLE_COLOR, 0x00BBGGRR). Each put stores the value and asks the
// control for the redraw that colour needs: new pens, a new background, or only a redraw.
#pragma once

#include <array>

#include "objects/typelib/Bindings.h"
#include "objects/EditorHost.h"
#include "platform/automation/DispatchImpl.h"

namespace vesk {

// The colours in the order of the interface.
enum class EditorColor {
    Font,
    SelectDigitalWaveform,
    SelectCenterLine,
    SelectBackground,
    SelectAnalogWaveform,
    Scales,
    PlayCursor,
    Grid,
    DigitalWaveform,
    Cursor,
    CenterLine,
    Boundary,
    Background,
    AnalogWaveform,
    CueMarker,
    RangeMarker,
    RangeMarkerBackground,
    Count
};

class AudioEditorColors : public RefCounted, public DispatchImpl<IAudioEditorColors> {
public:
    AudioEditorColors();
    VESK_IUNKNOWN_IMPL(AudioEditorColors, IAudioEditorColors, IDispatch)

    void SetHost(EditorHost* host) { host_ = host; }
    OLE_COLOR Color(EditorColor which) const { return colors_[static_cast<size_t>(which)]; }
    // The default of a colour (the system button face for Scales).
    static OLE_COLOR DefaultColor(EditorColor which);
    // Darker shades of DigitalWaveform for the selection's share of the band above the waveform
    // and for where that share overlaps the view thumb; follow every put of DigitalWaveform.
    OLE_COLOR BandSelectionShade() const { return bandSelectionShade_; }
    OLE_COLOR BandOverlapShade() const { return bandOverlapShade_; }

#define VESK_COLOR_ACCESSORS(Name)                                                      \
    HRESULT get_##Name(OLE_COLOR* value) override { return Get(EditorColor::Name, value); } \
    HRESULT put_##Name(OLE_COLOR value) override { return Put(EditorColor::Name, value); }
    VESK_COLOR_ACCESSORS(Font)
    VESK_COLOR_ACCESSORS(SelectDigitalWaveform)
    VESK_COLOR_ACCESSORS(SelectCenterLine)
    VESK_COLOR_ACCESSORS(SelectBackground)
    VESK_COLOR_ACCESSORS(SelectAnalogWaveform)
    VESK_COLOR_ACCESSORS(Scales)
    VESK_COLOR_ACCESSORS(PlayCursor)
    VESK_COLOR_ACCESSORS(Grid)
    VESK_COLOR_ACCESSORS(DigitalWaveform)
    VESK_COLOR_ACCESSORS(Cursor)
    VESK_COLOR_ACCESSORS(CenterLine)
    VESK_COLOR_ACCESSORS(Boundary)
    VESK_COLOR_ACCESSORS(Background)
    VESK_COLOR_ACCESSORS(AnalogWaveform)
    VESK_COLOR_ACCESSORS(CueMarker)
    VESK_COLOR_ACCESSORS(RangeMarker)
    VESK_COLOR_ACCESSORS(RangeMarkerBackground)
#undef VESK_COLOR_ACCESSORS

private:
    HRESULT Get(EditorColor which, OLE_COLOR* value) const;
    HRESULT Put(EditorColor which, OLE_COLOR value);
    void DeriveShades();

    EditorHost* host_ = nullptr;
    std::array<OLE_COLOR, static_cast<size_t>(EditorColor::Count)> colors_;
    OLE_COLOR bandSelectionShade_ = 0;
    OLE_COLOR bandOverlapShade_ = 0;
};

}  // namespace vesk
