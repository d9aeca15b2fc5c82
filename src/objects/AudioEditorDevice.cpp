#include "objects/AudioEditorDevice.h"
#include "platform/automation/OutParam.h"

namespace vesk {

AudioEditorDevice::AudioEditorDevice() : lines_(MakeCom<AudioEditorDeviceLine>()) {}

void AudioEditorDevice::SetBackend(std::shared_ptr<DeviceBackend> backend) {
    backend_ = std::move(backend);
    lines_->SetBackend(backend_);
}

HRESULT AudioEditorDevice::get_Count(int16_t* value) {
    return AskDevice(backend_, value, [&](DeviceBackend& b) { b.DeviceCount(value); });
}
HRESULT AudioEditorDevice::get_Num(int16_t* value) {
    return AskDevice(backend_, value, [&](DeviceBackend& b) { b.DeviceNum(value); });
}
HRESULT AudioEditorDevice::put_Num(int16_t value) {
    return TellDevice(backend_, [&](DeviceBackend& b) { b.SetDeviceNum(value); });
}
HRESULT AudioEditorDevice::get_Name(BSTR* value) {
    return AskDevice(backend_, value, [&](DeviceBackend& b) { b.DeviceName(value); });
}
// An input device has no volume: the value is left as the caller gave it.
HRESULT AudioEditorDevice::get_Volume(int32_t* value) {
    if (!value) return E_POINTER;
    if (backend_) backend_->Volume(value);
    return S_OK;
}
HRESULT AudioEditorDevice::put_Volume(int32_t value) {
    return TellDevice(backend_, [&](DeviceBackend& b) { b.SetVolume(value); });
}
HRESULT AudioEditorDevice::get_DeviceLines(IAudioEditorDeviceLine** value) {
    if (!value) return E_POINTER;
    *value = lines_.get();
    lines_->AddRef();
    return S_OK;
}
HRESULT AudioEditorDevice::get_BufferSize(int32_t* value) { return WriteOut(value, settings_->bufferSizeMs); }
HRESULT AudioEditorDevice::put_BufferSize(int32_t value) {
    settings_->bufferSizeMs = value;
    return S_OK;
}
HRESULT AudioEditorDevice::get_TimerInterval(int16_t* value) { return WriteOut(value, settings_->timerIntervalMs); }
HRESULT AudioEditorDevice::put_TimerInterval(int16_t value) {
    settings_->timerIntervalMs = value;
    if (backend_) backend_->SetTimerInterval(value);
    return S_OK;
}
HRESULT AudioEditorDevice::get_BufferCount(int16_t* value) { return WriteOut(value, settings_->bufferCount); }
HRESULT AudioEditorDevice::put_BufferCount(int16_t value) {
    settings_->bufferCount = value;
    return S_OK;
}

}  // namespace vesk
