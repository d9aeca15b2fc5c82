// A scale of the control: ScaleX (time, under the waveform) or ScaleY (amplitude, at the side).
// Every put that changes a value tells the control, which lays out and repaints.
#pragma once

#include "objects/typelib/Bindings.h"
#include "objects/EditorHost.h"
#include "platform/automation/DispatchImpl.h"
#include "platform/drawing/FontObject.h"

namespace vesk {

class AudioEditorScale : public RefCounted, public DispatchImpl<IAudioEditorScale> {
public:
    AudioEditorScale();
    VESK_IUNKNOWN_IMPL(AudioEditorScale, IAudioEditorScale, IDispatch)

    void SetHost(EditorHost* host) { host_ = host; }

    HRESULT get_Font(IDispatch** value) override;
    HRESULT put_Font(IDispatch* value) override;
    HRESULT putref_Font(IDispatch* value) override;
    HRESULT get_Type(int16_t* value) override;
    HRESULT put_Type(int16_t value) override;
    HRESULT get_Visible(VARIANT_BOOL* value) override;
    HRESULT put_Visible(VARIANT_BOOL value) override;
    HRESULT get_Grid(VARIANT_BOOL* value) override;
    HRESULT put_Grid(VARIANT_BOOL value) override;
    HRESULT get_Orientation(int16_t* value) override;
    HRESULT put_Orientation(int16_t value) override;

private:
    HRESULT Store(int16_t& field, int16_t value);
    void Notify();

    EditorHost* host_ = nullptr;
    ComPtr<IDispatch> font_;
    int16_t type_ = 1;
    int16_t visible_ = 1;
    int16_t grid_ = 1;
    int16_t orientation_ = 1;  // 1: amplitude scale at the right, 2: at the left
};

}  // namespace vesk
