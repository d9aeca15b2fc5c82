#include "objects/AudioEditorDeviceLine.h"

namespace vesk {

HRESULT AudioEditorDeviceLine::get_Count(int16_t* value) {
    return AskDevice(backend_, value, [&](DeviceBackend& b) { b.LineCount(value); });
}
HRESULT AudioEditorDeviceLine::get_Num(int16_t* value) {
    return AskDevice(backend_, value, [&](DeviceBackend& b) { b.LineNum(value); });
}
HRESULT AudioEditorDeviceLine::put_Num(int16_t value) {
    return TellDevice(backend_, [&](DeviceBackend& b) { b.SelectLine(value); });
}
HRESULT AudioEditorDeviceLine::get_Name(BSTR* value) {
    return AskDevice(backend_, value, [&](DeviceBackend& b) { b.LineName(value); });
}
HRESULT AudioEditorDeviceLine::get_AdvancedName(int16_t index, BSTR* value) {
    return AskDevice(backend_, value, [&](DeviceBackend& b) { b.LineAdvancedName(index, value); });
}
HRESULT AudioEditorDeviceLine::get_AdvancedCount(int16_t* value) {
    return AskDevice(backend_, value, [&](DeviceBackend& b) { b.LineAdvancedCount(value); });
}
HRESULT AudioEditorDeviceLine::get_VolumeBalance(int16_t* value) {
    return AskDevice(backend_, value, [&](DeviceBackend& b) { b.LineBalance(value); });
}
HRESULT AudioEditorDeviceLine::put_VolumeBalance(int16_t value) {
    return TellDevice(backend_, [&](DeviceBackend& b) { b.SetLineBalance(value); });
}
HRESULT AudioEditorDeviceLine::get_Volume(int32_t* value) {
    return AskDevice(backend_, value, [&](DeviceBackend& b) { b.LineVolume(value); });
}
HRESULT AudioEditorDeviceLine::put_Volume(int32_t value) {
    return TellDevice(backend_, [&](DeviceBackend& b) { b.SetLineVolume(value); });
}
HRESULT AudioEditorDeviceLine::get_AdvancedValue(int16_t index, VARIANT* value) {
    if (!value) return E_POINTER;
    VariantInit(value);
    if (backend_) backend_->LineAdvancedValue(index, value);
    return S_OK;
}
HRESULT AudioEditorDeviceLine::put_AdvancedValue(int16_t index, VARIANT value) {
    return TellDevice(backend_, [&](DeviceBackend& b) { b.SetLineAdvancedValue(index, value); });
}
HRESULT AudioEditorDeviceLine::get_Select(VARIANT_BOOL* value) {
    return AskDevice(backend_, value, [&](DeviceBackend& b) { b.LineSelected(value); });
}
HRESULT AudioEditorDeviceLine::put_Select(VARIANT_BOOL value) {
    return TellDevice(backend_, [&](DeviceBackend& b) { b.SetLineSelected(value); });
}

}  // namespace vesk
