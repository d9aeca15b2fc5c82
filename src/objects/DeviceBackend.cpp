#include "objects/DeviceBackend.h"

namespace vesk {

namespace {

// The line operations have the same names on both components.
template <class Component>
class LineOperations : public DeviceBackend {
public:
    explicit LineOperations(Component* component) : c_(component) {}

    HRESULT LineName(BSTR* name) override { return c_->GetLineName(name); }
    HRESULT LineAdvancedCount(int16_t* count) override { return c_->GetLineAdvancedCount(count); }
    HRESULT LineAdvancedName(int16_t index, BSTR* name) override { return c_->GetLineAdvancedName(index, name); }
    HRESULT LineAdvancedValue(int16_t index, VARIANT* value) override { return c_->GetLineAdvancedValue(index, value); }
    HRESULT SetLineAdvancedValue(int16_t index, VARIANT value) override {
        return c_->SetLineAdvancedValue(index, value);
    }
    HRESULT LineBalance(int16_t* balance) override { return c_->GetLineBalance(balance); }
    HRESULT SetLineBalance(int16_t balance) override { return c_->SetLineBalance(balance); }
    HRESULT LineVolume(int32_t* volume) override { return c_->GetLineVolume(volume); }
    HRESULT SetLineVolume(int32_t volume) override { return c_->SetLineVolume(volume); }
    HRESULT LineSelected(VARIANT_BOOL* selected) override { return c_->GetLineSelected(selected); }
    HRESULT SetLineSelected(VARIANT_BOOL selected) override { return c_->SetLineSelected(selected); }

protected:
    ComPtr<Component> c_;
};

class OutputDevice final : public LineOperations<IVeskAudioPlayer> {
public:
    using LineOperations::LineOperations;
    int Kind() const override { return 1; }
    HRESULT DeviceCount(int16_t* count) override { return c_->GetPlayDeviceCount(count); }
    HRESULT DeviceNum(int16_t* index) override { return c_->GetPlayDeviceNum(index); }
    HRESULT SetDeviceNum(int16_t index) override { return c_->SetPlayDeviceNum(index); }
    HRESULT DeviceName(BSTR* name) override { return c_->GetPlayDeviceName(name); }
    HRESULT Volume(int32_t* volume) override { return c_->GetPlayVolume(volume); }
    HRESULT SetVolume(int32_t volume) override { return c_->SetPlayVolume(volume); }
    HRESULT SetTimerInterval(int16_t milliseconds) override { return c_->SetPlayerTimerInterval(milliseconds); }
    HRESULT LineCount(int16_t* count) override { return c_->GetOutputLineCount(count); }
    HRESULT LineNum(int16_t* index) override { return c_->GetOutputLineNum(index); }
    HRESULT SelectLine(int16_t index) override { return c_->SelectOutputLine(index); }
};

class InputDevice final : public LineOperations<IVeskAudioRecord> {
public:
    using LineOperations::LineOperations;
    int Kind() const override { return 2; }
    HRESULT DeviceCount(int16_t* count) override { return c_->GetRecordDeviceCount(count); }
    HRESULT DeviceNum(int16_t* index) override { return c_->GetRecordDeviceNum(index); }
    HRESULT SetDeviceNum(int16_t index) override { return c_->SetRecordDeviceNum(index); }
    HRESULT DeviceName(BSTR* name) override { return c_->GetRecordDeviceName(name); }
    HRESULT Volume(int32_t*) override { return S_OK; }
    HRESULT SetVolume(int32_t) override { return S_OK; }
    HRESULT SetTimerInterval(int16_t milliseconds) override { return c_->SetRecorderTimerInterval(milliseconds); }
    HRESULT LineCount(int16_t* count) override { return c_->GetInputLineCount(count); }
    HRESULT LineNum(int16_t* index) override { return c_->GetInputLineNum(index); }
    HRESULT SelectLine(int16_t index) override { return c_->SelectInputLine(index); }
};

}  // namespace

std::shared_ptr<DeviceBackend> MakeOutputDevice(IVeskAudioPlayer* player) {
    return std::make_shared<OutputDevice>(player);
}

std::shared_ptr<DeviceBackend> MakeInputDevice(IVeskAudioRecord* recorder) {
    return std::make_shared<InputDevice>(recorder);
}

}  // namespace vesk
