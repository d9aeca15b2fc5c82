// The object properties of the control: each hands out the held sub-object (a new reference).
// ScaleX, ScaleY and Colors also accept a host's object in its place.
#include "control/AudioEditor.h"

namespace vesk {

namespace {

template <class I, class Held>
HRESULT HandOut(const ComPtr<Held>& held, I** value) {
    if (!value) return E_POINTER;
    *value = held.get();
    if (*value) (*value)->AddRef();
    return S_OK;
}

// Holds the host's object instead, asked for the property's interface; an object without that
// interface is refused and the held one stays.
template <class I>
HRESULT Replace(ComPtr<I>& held, I* value) {
    if (!value) return S_OK;
    ComPtr<I> asked;
    if (Failed(value->QueryInterface(I::kIid, asked.put_void())) || !asked) return S_OK;
    held = asked;
    return S_OK;
}

}  // namespace

HRESULT AudioEditor::get_ScaleX(IAudioEditorScale** value) { return HandOut(scaleX_, value); }
HRESULT AudioEditor::put_ScaleX(IAudioEditorScale* value) {
    Replace(scaleX_, value);
    view_.ScaleChanged();
    return S_OK;
}
HRESULT AudioEditor::get_ScaleY(IAudioEditorScale** value) { return HandOut(scaleY_, value); }
HRESULT AudioEditor::put_ScaleY(IAudioEditorScale* value) {
    Replace(scaleY_, value);
    view_.ScaleChanged();
    return S_OK;
}
HRESULT AudioEditor::get_Colors(IAudioEditorColors** value) { return HandOut(colors_, value); }
HRESULT AudioEditor::put_Colors(IAudioEditorColors* value) {
    Replace(colors_, value);
    view_.ColorsChanged(true);
    return S_OK;
}
HRESULT AudioEditor::get_FileInfo(IAudioEditorFileInfo** value) { return HandOut(fileInfo_, value); }
HRESULT AudioEditor::get_DeviceInput(IAudioEditorDevice** value) { return HandOut(deviceInput_, value); }
HRESULT AudioEditor::get_DeviceOutput(IAudioEditorDevice** value) { return HandOut(deviceOutput_, value); }
HRESULT AudioEditor::get_Recorder(IAudioEditorRecorder** value) { return HandOut(recorder_, value); }
HRESULT AudioEditor::get_Position(IAudioEditorPosition** value) { return HandOut(position_, value); }
HRESULT AudioEditor::get_Channels(IAudioEditorChannel** value) { return HandOut(channelObject_, value); }
HRESULT AudioEditor::get_Markers(IAudioEditorMarkers** value) { return HandOut(markers_, value); }
HRESULT AudioEditor::get_Mp3LameEncoder(IAudioEditorLameMp3Encoder** value) { return HandOut(lameEncoder_, value); }

}  // namespace vesk
