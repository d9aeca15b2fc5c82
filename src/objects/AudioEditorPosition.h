// Selection, view and cursor of the current document state, in sample frames: a view onto the
// document's undo/redo history, whose current state holds them.
//
// Values cross the interface as frames: bytes / (2 × the control's channel count). A put turns
// its argument into bytes and limits it to [0, TotalBytes]. Without a document every get
// answers 0 and every put does nothing.
#pragma once

#include "objects/EditorHost.h"
#include "objects/typelib/Bindings.h"
#include "platform/automation/DispatchImpl.h"

namespace vesk {

class AudioEditorPosition : public RefCounted, public DispatchImpl<IAudioEditorPosition> {
public:
    AudioEditorPosition() = default;
    VESK_IUNKNOWN_IMPL(AudioEditorPosition, IAudioEditorPosition, IDispatch)

    void SetHost(EditorHost* host) { host_ = host; }
    // The current state, or nullptr when no document is open (or the host is gone).
    DocState* State() { return host_ ? host_->Doc().Current() : nullptr; }

    HRESULT get_StartSelect(int32_t* value) override;
    HRESULT put_StartSelect(int32_t value) override;
    HRESULT get_EndSelect(int32_t* value) override;
    HRESULT put_EndSelect(int32_t value) override;
    HRESULT get_StartView(int32_t* value) override;
    HRESULT put_StartView(int32_t value) override;
    HRESULT get_EndView(int32_t* value) override;
    HRESULT put_EndView(int32_t value) override;
    HRESULT get_Selected(VARIANT_BOOL* value) override;
    HRESULT put_Selected(VARIANT_BOOL value) override;
    HRESULT get_TotalSamples(int32_t* value) override;
    HRESULT get_CurrentPosition(int32_t* value) override;
    HRESULT put_CurrentPosition(int32_t value) override;
    HRESULT SecToSamples(int32_t Millisec, int32_t* result) override;
    HRESULT SamplesToSec(int32_t Samples, int32_t* result) override;
    HRESULT GoToMarker(int32_t Num) override;

private:
    int32_t BytesPerFrame() const;
    // value frames as bytes, limited to [0, TotalBytes].
    int32_t ToBytes(const DocState& state, int32_t frames) const;
    // A byte field of the current level as frames (0 without a document).
    HRESULT ReadFrames(int32_t* value, const DocState::PerZoomLevel DocState::*field);
    // At level 0 a view change first moves the document to level 1, a copy of level 0.
    static void LeaveWholeView(DocState& state);
    void ShowSelectionAgain();

    EditorHost* host_ = nullptr;
};

}  // namespace vesk
