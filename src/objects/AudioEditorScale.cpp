#include "objects/AudioEditorScale.h"

#include <algorithm>

namespace vesk {

AudioEditorScale::AudioEditorScale() : font_(ComPtr<IDispatch>::Attach(NewFontObject())) {}

void AudioEditorScale::Notify() {
    if (host_) host_->View().ScaleChanged();
}

HRESULT AudioEditorScale::Store(int16_t& field, int16_t value) {
    if (field != value) {
        field = value;
        Notify();
    }
    return S_OK;
}

HRESULT AudioEditorScale::get_Font(IDispatch** value) { return font_.CopyTo(value); }

HRESULT AudioEditorScale::put_Font(IDispatch* value) {
    font_ = ComPtr<IDispatch>(value);
    Notify();
    return S_OK;
}

HRESULT AudioEditorScale::putref_Font(IDispatch* value) { return put_Font(value); }

HRESULT AudioEditorScale::get_Type(int16_t* value) {
    if (!value) return E_POINTER;
    *value = type_;
    return S_OK;
}
HRESULT AudioEditorScale::put_Type(int16_t value) { return Store(type_, value); }

HRESULT AudioEditorScale::get_Visible(VARIANT_BOOL* value) {
    if (!value) return E_POINTER;
    *value = visible_;
    return S_OK;
}
HRESULT AudioEditorScale::put_Visible(VARIANT_BOOL value) { return Store(visible_, value); }

HRESULT AudioEditorScale::get_Grid(VARIANT_BOOL* value) {
    if (!value) return E_POINTER;
    *value = grid_;
    return S_OK;
}
HRESULT AudioEditorScale::put_Grid(VARIANT_BOOL value) { return Store(grid_, value); }

HRESULT AudioEditorScale::get_Orientation(int16_t* value) {
    if (!value) return E_POINTER;
    *value = orientation_;
    return S_OK;
}
HRESULT AudioEditorScale::put_Orientation(int16_t value) { return Store(orientation_, std::clamp<int16_t>(value, 1, 2)); }

}  // namespace vesk
