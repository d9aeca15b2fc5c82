#include "objects/AudioEditorChannel.h"

#include <algorithm>

namespace vesk {

AudioEditorChannel::AudioEditorChannel() {
    visible_.fill(1);
    operation_.fill(1);
}

int AudioEditorChannel::DocumentChannels() const {
    int channels = host_ ? host_->DocumentChannels() : 1;
    return std::clamp(channels, 0, kMaxChannels);
}

int AudioEditorChannel::CurrentIndex() const {
    return std::clamp<int>(num_, 1, kMaxChannels) - 1;
}

int AudioEditorChannel::CountOf(const std::array<int16_t, kMaxChannels>& flags) const {
    int count = 0;
    for (int i = 0; i < DocumentChannels(); ++i) count += flags[i] != 0;
    return count;
}

HRESULT AudioEditorChannel::get_Count(int16_t* value) {
    if (!value) return E_POINTER;
    *value = static_cast<int16_t>(host_ ? host_->DocumentChannels() : 0);
    return S_OK;
}

HRESULT AudioEditorChannel::get_Num(int16_t* value) {
    if (!value) return E_POINTER;
    int channels = host_ ? host_->DocumentChannels() : 0;
    if (num_ > channels) num_ = static_cast<int16_t>(channels);
    *value = num_;
    return S_OK;
}

HRESULT AudioEditorChannel::put_Num(int16_t value) {
    num_ = std::max<int16_t>(value, 1);
    return S_OK;
}

HRESULT AudioEditorChannel::get_Visible(VARIANT_BOOL* value) {
    if (!value) return E_POINTER;
    *value = visible_[CurrentIndex()];
    return S_OK;
}

HRESULT AudioEditorChannel::put_Visible(VARIANT_BOOL value) {
    int16_t& flag = visible_[CurrentIndex()];
    if (flag == value) return S_OK;
    flag = value;
    visibleCount_ = static_cast<int16_t>(CountOf(visible_));
    return S_OK;
}

HRESULT AudioEditorChannel::get_Operation(VARIANT_BOOL* value) {
    if (!value) return E_POINTER;
    *value = operation_[CurrentIndex()];
    return S_OK;
}

HRESULT AudioEditorChannel::put_Operation(VARIANT_BOOL value) {
    operation_[CurrentIndex()] = value;
    operationCount_ = static_cast<int16_t>(CountOf(operation_));
    if (host_) {
        if (host_->TypeView() != 1) host_->RenderBackground();
        host_->Redraw();
    }
    return S_OK;
}

void AudioEditorChannel::Refresh() {
    visibleCount_ = static_cast<int16_t>(CountOf(visible_));
    operationCount_ = static_cast<int16_t>(CountOf(operation_));
}

void AudioEditorChannel::SetOperationFlags(bool left, bool right) {
    operation_[0] = left ? 1 : 0;
    operation_[1] = right ? 1 : 0;
    operationCount_ = static_cast<int16_t>(CountOf(operation_));
}

}  // namespace vesk
