#include "objects/AudioEditorChannel.h"

#include <algorithm>

#include "platform/automation/OutParam.h"

namespace vesk {

int AudioEditorChannel::DocumentChannels() const { return host_ ? host_->Doc().Channels() : 0; }

int AudioEditorChannel::CurrentIndex() const {
    return std::clamp<int>(num_, 1, ChannelSelection::kMaxChannels) - 1;
}

HRESULT AudioEditorChannel::get_Count(int16_t* value) {
    return WriteOut(value, static_cast<int16_t>(DocumentChannels()));
}

HRESULT AudioEditorChannel::get_Num(int16_t* value) {
    if (!value) return E_POINTER;
    const int channels = DocumentChannels();
    if (num_ > channels) num_ = static_cast<int16_t>(channels);
    *value = num_;
    return S_OK;
}

HRESULT AudioEditorChannel::put_Num(int16_t value) {
    num_ = std::max<int16_t>(value, 1);
    return S_OK;
}

HRESULT AudioEditorChannel::get_Visible(VARIANT_BOOL* value) {
    const ChannelSelection* flags = Flags();
    return WriteOut<VARIANT_BOOL>(value, flags ? flags->VisibleFlag(CurrentIndex()) : 1);
}

HRESULT AudioEditorChannel::put_Visible(VARIANT_BOOL value) {
    if (ChannelSelection* flags = Flags()) flags->SetVisible(CurrentIndex(), value);
    return S_OK;
}

HRESULT AudioEditorChannel::get_Operation(VARIANT_BOOL* value) {
    const ChannelSelection* flags = Flags();
    return WriteOut<VARIANT_BOOL>(value, flags ? flags->OperationFlag(CurrentIndex()) : 1);
}

HRESULT AudioEditorChannel::put_Operation(VARIANT_BOOL value) {
    ChannelSelection* flags = Flags();
    if (!flags) return S_OK;
    flags->SetOperated(CurrentIndex(), value);
    EditorView& view = host_->View();
    if (view.TypeView() != kViewSpectral) view.RenderBackground();
    view.Redraw();
    return S_OK;
}

}  // namespace vesk
