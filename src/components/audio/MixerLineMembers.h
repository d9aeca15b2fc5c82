// The line members that the player and recorder contracts share (name, advanced controls,
// balance, volume and switch of the current line), over the MixerLines of the current device.
// `Device` is IVeskAudioPlayer or IVeskAudioRecord; the component adds the device-specific
// count and choice of lines through LineCount/LineNum/ChooseLine and supplies Lines().
// A current line outside the list (the automatic gain walks one past the end) answers
// 0 / "" / false / empty and ignores puts.
#pragma once

#include <cstdint>

#include "components/audio/MixerLines.h"
#include "platform/automation/OutParam.h"

namespace vesk {

template <class Device>
class MixerLineMembers : public Device {
public:
    HRESULT GetLineName(BSTR* name) override { return WriteOutText(name, Valid() ? Lines().Name(line_) : ""); }
    HRESULT GetLineAdvancedCount(int16_t* count) override {
        return WriteOut(count, Valid() ? Lines().AdvancedCount(line_) : 0);
    }
    HRESULT GetLineAdvancedName(int16_t index, BSTR* name) override {
        return WriteOutText(name, ValidAdvanced(index) ? Lines().AdvancedName(line_, index) : "");
    }
    HRESULT GetLineAdvancedValue(int16_t index, VARIANT* value) override {
        if (!value) return E_POINTER;
        VariantInit(value);
        if (!ValidAdvanced(index)) return S_OK;
        Variant found = Lines().AdvancedValue(line_, index);
        return VariantCopy(value, &found);
    }
    HRESULT SetLineAdvancedValue(int16_t index, VARIANT value) override {
        if (ValidAdvanced(index)) Lines().SetAdvancedValue(line_, index, value);
        return S_OK;
    }
    HRESULT GetLineBalance(int16_t* balance) override { return WriteOut(balance, Valid() ? Lines().Balance(line_) : 0); }
    HRESULT SetLineBalance(int16_t balance) override {
        if (Valid()) Lines().SetBalance(line_, balance);
        return S_OK;
    }
    HRESULT GetLineVolume(int32_t* volume) override { return WriteOut(volume, Valid() ? Lines().Volume(line_) : 0); }
    HRESULT SetLineVolume(int32_t volume) override {
        if (Valid()) Lines().SetVolume(line_, volume);
        return S_OK;
    }
    HRESULT GetLineSelected(VARIANT_BOOL* selected) override {
        return WriteOut(selected, Valid() && Lines().Selected(line_) ? VARIANT_TRUE : VARIANT_FALSE);
    }
    HRESULT SetLineSelected(VARIANT_BOOL selected) override {
        if (Valid()) Lines().SetSelected(line_, selected != VARIANT_FALSE);
        return S_OK;
    }

protected:
    virtual MixerLines& Lines() = 0;

    HRESULT LineCount(int16_t* count) { return WriteOut(count, Lines().Count()); }
    HRESULT LineNum(int16_t* index) { return WriteOut(index, line_); }
    HRESULT ChooseLine(int16_t index) { return StoreValue(line_, index); }
    // A new device has new lines: the first becomes current.
    void ResetLine() { line_ = 0; }

private:
    bool Valid() { return line_ >= 0 && line_ < Lines().Count(); }
    bool ValidAdvanced(int16_t index) { return Valid() && index >= 0 && index < Lines().AdvancedCount(line_); }

    int16_t line_ = 0;
};

}  // namespace vesk
