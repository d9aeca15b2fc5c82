// The mixer-line members that the player and recorder contracts share (name, advanced
// controls, balance, volume, selection of the current line), for devices without real lines:
// no lines exist, yet every value a host sets is stored and read back, so the control's
// DeviceLine sub-objects behave consistently until a real mixer back-end arrives.
// `Device` is IVeskAudioPlayer or IVeskAudioRecord; the derived component adds the
// device-specific line count and line choice through CurrentLine()/ChooseLine().
#pragma once

#include <cstdint>
#include <map>

#include "platform/automation/OutParam.h"
#include "platform/automation/Variant.h"

namespace vesk {

template <class Device>
class StoredMixerLines : public Device {
public:
    HRESULT GetLineName(BSTR* name) override { return WriteOutText(name, ""); }
    HRESULT GetLineAdvancedCount(int16_t* count) override { return WriteOut(count, 0); }
    HRESULT GetLineAdvancedName(int16_t, BSTR* name) override { return WriteOutText(name, ""); }

    // A value never put reads as VT_EMPTY.
    HRESULT GetLineAdvancedValue(int16_t index, VARIANT* value) override {
        if (!value) return E_POINTER;
        VariantInit(value);
        auto found = advanced_.find(index);
        return found == advanced_.end() ? S_OK : VariantCopy(value, &found->second);
    }
    HRESULT SetLineAdvancedValue(int16_t index, VARIANT value) override {
        advanced_[index] = Variant(value);
        return S_OK;
    }

    HRESULT GetLineBalance(int16_t* balance) override { return WriteOut(balance, balance_); }
    HRESULT SetLineBalance(int16_t balance) override { return StoreValue(balance_, balance); }
    HRESULT GetLineVolume(int32_t* volume) override { return WriteOut(volume, volume_); }
    HRESULT SetLineVolume(int32_t volume) override { return StoreValue(volume_, volume); }
    HRESULT GetLineSelected(VARIANT_BOOL* selected) override { return WriteOut(selected, selected_); }
    HRESULT SetLineSelected(VARIANT_BOOL selected) override { return StoreValue(selected_, selected); }

protected:
    int16_t CurrentLine() const { return current_; }
    HRESULT ChooseLine(int16_t index) { return StoreValue(current_, index); }

private:
    int16_t current_ = 0;
    int16_t balance_ = 0;
    int32_t volume_ = 65535;
    VARIANT_BOOL selected_ = VARIANT_FALSE;
    std::map<int16_t, Variant> advanced_;
};

}  // namespace vesk
