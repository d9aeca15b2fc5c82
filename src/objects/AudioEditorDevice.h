// A sound device of the control: DeviceOutput (kind 1, the player) or DeviceInput (kind 2, the
// recorder). Device choice and volume go to the component; BufferSize and BufferCount are kept
// here for playback and recording to read; TimerInterval is kept and handed to the component.
#pragma once

#include <memory>

#include "objects/typelib/Bindings.h"
#include "objects/AudioEditorDeviceLine.h"
#include "interaction/TransportSettings.h"
#include "objects/DeviceBackend.h"
#include "platform/automation/DispatchImpl.h"

namespace vesk {

class AudioEditorDevice : public RefCounted, public DispatchImpl<IAudioEditorDevice> {
public:
    AudioEditorDevice();
    VESK_IUNKNOWN_IMPL(AudioEditorDevice, IAudioEditorDevice, IDispatch)

    // Start-up: the kind's component operations (also given to the lines object).
    void SetBackend(std::shared_ptr<DeviceBackend> backend);
    int Kind() const { return backend_ ? backend_->Kind() : 0; }
    // The block and timing settings playback or recording reads (shared with the transport).
    std::shared_ptr<const DeviceSettings> Settings() const { return settings_; }

    HRESULT get_Count(int16_t* value) override;
    HRESULT get_Num(int16_t* value) override;
    HRESULT put_Num(int16_t value) override;
    HRESULT get_Name(BSTR* value) override;
    HRESULT get_Volume(int32_t* value) override;
    HRESULT put_Volume(int32_t value) override;
    HRESULT get_DeviceLines(IAudioEditorDeviceLine** value) override;
    HRESULT get_BufferSize(int32_t* value) override;
    HRESULT put_BufferSize(int32_t value) override;
    HRESULT get_TimerInterval(int16_t* value) override;
    HRESULT put_TimerInterval(int16_t value) override;
    HRESULT get_BufferCount(int16_t* value) override;
    HRESULT put_BufferCount(int16_t value) override;

private:
    std::shared_ptr<DeviceBackend> backend_;
    ComPtr<AudioEditorDeviceLine> lines_;
    std::shared_ptr<DeviceSettings> settings_ = std::make_shared<DeviceSettings>();
};

}  // namespace vesk
