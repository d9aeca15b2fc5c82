// The device operations behind DeviceOutput (the player) and DeviceInput (the recorder), so
// that the Device and DeviceLine sub-objects are written once for both kinds.
#pragma once

#include <memory>

#include "components/VeskAudioPlayer.h"
#include "components/VeskAudioRecord.h"

namespace vesk {

class DeviceBackend {
public:
    virtual ~DeviceBackend() = default;

    virtual int Kind() const = 0;  // 1 output, 2 input
    virtual HRESULT DeviceCount(int16_t* count) = 0;
    virtual HRESULT DeviceNum(int16_t* index) = 0;
    virtual HRESULT SetDeviceNum(int16_t index) = 0;
    virtual HRESULT DeviceName(BSTR* name) = 0;
    // The output volume; an input device has none (get leaves the value, put does nothing).
    virtual HRESULT Volume(int32_t* volume) = 0;
    virtual HRESULT SetVolume(int32_t volume) = 0;
    virtual HRESULT SetTimerInterval(int16_t milliseconds) = 0;

    virtual HRESULT LineCount(int16_t* count) = 0;
    virtual HRESULT LineNum(int16_t* index) = 0;
    virtual HRESULT SelectLine(int16_t index) = 0;
    virtual HRESULT LineName(BSTR* name) = 0;
    virtual HRESULT LineAdvancedCount(int16_t* count) = 0;
    virtual HRESULT LineAdvancedName(int16_t index, BSTR* name) = 0;
    virtual HRESULT LineAdvancedValue(int16_t index, VARIANT* value) = 0;
    virtual HRESULT SetLineAdvancedValue(int16_t index, VARIANT value) = 0;
    virtual HRESULT LineBalance(int16_t* balance) = 0;
    virtual HRESULT SetLineBalance(int16_t balance) = 0;
    virtual HRESULT LineVolume(int32_t* volume) = 0;
    virtual HRESULT SetLineVolume(int32_t volume) = 0;
    virtual HRESULT LineSelected(VARIANT_BOOL* selected) = 0;
    virtual HRESULT SetLineSelected(VARIANT_BOOL selected) = 0;
};

// Asks the backend for a value; the value is cleared first, so that an object without a
// backend (before start-up gave it one) answers 0 / "" / empty.
template <class T, class Call>
HRESULT AskDevice(const std::shared_ptr<DeviceBackend>& backend, T* out, Call call) {
    if (!out) return E_POINTER;
    *out = T{};
    if (backend) call(*backend);
    return S_OK;
}

template <class Call>
HRESULT TellDevice(const std::shared_ptr<DeviceBackend>& backend, Call call) {
    if (backend) call(*backend);
    return S_OK;
}

// Kind 1: the player's operations.
std::shared_ptr<DeviceBackend> MakeOutputDevice(IVeskAudioPlayer* player);
// Kind 2: the recorder's operations.
std::shared_ptr<DeviceBackend> MakeInputDevice(IVeskAudioRecord* recorder);

}  // namespace vesk
