// The mixer lines of one device (DeviceOutput.DeviceLines or DeviceInput.DeviceLines). Every
// member forwards to the device's component; before start-up gives it one, getters answer 0.
#pragma once

#include <memory>

#include "objects/typelib/Bindings.h"
#include "objects/DeviceBackend.h"
#include "platform/automation/DispatchImpl.h"

namespace vesk {

class AudioEditorDeviceLine : public RefCounted, public DispatchImpl<IAudioEditorDeviceLine> {
public:
    AudioEditorDeviceLine() = default;
    VESK_IUNKNOWN_IMPL(AudioEditorDeviceLine, IAudioEditorDeviceLine, IDispatch)

    void SetBackend(std::shared_ptr<DeviceBackend> backend) { backend_ = std::move(backend); }

    HRESULT get_Count(int16_t* value) override;
    HRESULT get_Num(int16_t* value) override;
    HRESULT put_Num(int16_t value) override;
    HRESULT get_Name(BSTR* value) override;
    HRESULT get_AdvancedName(int16_t index, BSTR* value) override;
    HRESULT get_AdvancedCount(int16_t* value) override;
    HRESULT get_VolumeBalance(int16_t* value) override;
    HRESULT put_VolumeBalance(int16_t value) override;
    HRESULT get_Volume(int32_t* value) override;
    HRESULT put_Volume(int32_t value) override;
    HRESULT get_AdvancedValue(int16_t index, VARIANT* value) override;
    HRESULT put_AdvancedValue(int16_t index, VARIANT value) override;
    HRESULT get_Select(VARIANT_BOOL* value) override;
    HRESULT put_Select(VARIANT_BOOL value) override;

private:
    std::shared_ptr<DeviceBackend> backend_;
};

}  // namespace vesk
