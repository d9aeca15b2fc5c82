// Selection, view and cursor of the current document state, in sample frames. This object owns
// the undo/redo history (and through it every working file); everything that reads the
// selection, view or length of the document reads it through here.
//
// Values cross the interface as frames: bytes / (2 × the control's channel count). A put turns
// its argument into bytes and limits it to [0, TotalBytes]. Without a document every get
// answers 0 and every put does nothing.
#pragma once

#include "control/typelib/Bindings.h"
#include "document/HistoryStore.h"
#include "objects/EditorHost.h"
#include "platform/automation/DispatchImpl.h"

namespace vesk {

class AudioEditorPosition : public RefCounted, public DispatchImpl<IAudioEditorPosition> {
public:
    AudioEditorPosition() = default;
    VESK_IUNKNOWN_IMPL(AudioEditorPosition, IAudioEditorPosition, IDispatch)

    void SetHost(EditorHost* host) { host_ = host; }
    HistoryStore& History() { return history_; }
    // The current state, or nullptr when no document is open.
    DocState* State() { return history_.Current(); }

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
    HistoryStore history_;
};

}  // namespace vesk
