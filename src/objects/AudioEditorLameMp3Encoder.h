// The MP3 encoder settings of Save. Every member forwards unchanged to the settings object of
// the file component, which start-up hands to this object.
#pragma once

#include "components/LameSettings.h"
#include "objects/typelib/Bindings.h"
#include "platform/automation/DispatchImpl.h"

namespace vesk {

class AudioEditorLameMp3Encoder : public RefCounted, public DispatchImpl<IAudioEditorLameMp3Encoder> {
public:
    AudioEditorLameMp3Encoder() = default;
    VESK_IUNKNOWN_IMPL(AudioEditorLameMp3Encoder, IAudioEditorLameMp3Encoder, IDispatch)

    void SetSettings(IVeskLameSettings* settings) { settings_ = ComPtr<IVeskLameSettings>(settings); }

    HRESULT SetParamsFromCommandLine(BSTR CommandLine) override;
    HRESULT SetParamsFromPreset(int16_t Preset) override;
    HRESULT SetParamsFromAltPreset(int16_t Preset) override;

#define VESK_LAME_FORWARD(Name, T)                                                              \
    HRESULT get_##Name(T* value) override { return Ask(value, &IVeskLameSettings::get_##Name); } \
    HRESULT put_##Name(T value) override { return Tell(value, &IVeskLameSettings::put_##Name); }
    VESK_LAME_FORWARD(VbrBitrate, int32_t)
    VESK_LAME_FORWARD(VbrQuality, int16_t)
    VESK_LAME_FORWARD(VbrCodingMethod, int32_t)
    VESK_LAME_FORWARD(AbrBitrate, int16_t)
    VESK_LAME_FORWARD(TypeStereo, int32_t)
    VESK_LAME_FORWARD(EncoderQuality, int16_t)
    VESK_LAME_FORWARD(WritingVBRHeader, VARIANT_BOOL)
    VESK_LAME_FORWARD(BitReservoir, VARIANT_BOOL)
    VESK_LAME_FORWARD(BlockTypeControl, VARIANT_BOOL)
    VESK_LAME_FORWARD(ShortBlocks, VARIANT_BOOL)
    VESK_LAME_FORWARD(Emphasis, int16_t)
    VESK_LAME_FORWARD(StrictISOCompliance, VARIANT_BOOL)
    VESK_LAME_FORWARD(StrictlyEnforceMinBitrate, VARIANT_BOOL)
    VESK_LAME_FORWARD(ATHControlMode, int16_t)
    VESK_LAME_FORWARD(LowPassFrequency, int32_t)
    VESK_LAME_FORWARD(HighPassFrequency, int32_t)
    VESK_LAME_FORWARD(LowPassWidth, int32_t)
    VESK_LAME_FORWARD(HighPassWidth, int32_t)
    VESK_LAME_FORWARD(ErrorProtection, VARIANT_BOOL)
    VESK_LAME_FORWARD(Bitrate, int32_t)
    VESK_LAME_FORWARD(Channels, int32_t)
    VESK_LAME_FORWARD(Frequency, int32_t)
#undef VESK_LAME_FORWARD

private:
    template <class T>
    HRESULT Ask(T* value, HRESULT (IVeskLameSettings::*getter)(T*)) {
        if (!value) return E_POINTER;
        *value = T{};
        if (settings_) (settings_.get()->*getter)(value);
        return S_OK;
    }
    template <class T>
    HRESULT Tell(T value, HRESULT (IVeskLameSettings::*setter)(T)) {
        if (settings_) (settings_.get()->*setter)(value);
        return S_OK;
    }

    ComPtr<IVeskLameSettings> settings_;
};

}  // namespace vesk
