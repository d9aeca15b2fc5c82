// The MP3 encoder settings object of VeskAudioFile: it stores every property a host sets and
// answers it back, and the encoder reads Values() when it writes an MP3 file. A preset or a
// command line changes the properties the way LAME's presets and options do (the text and the
// number are kept too). What each value means to the encoder: LameEncoderSettings.h.
#pragma once

#include <cstdint>
#include <string>

#include "components/LameSettings.h"

namespace vesk {

// Defaults are those of a plain `lame -b 128` encode at 44.1 kHz stereo (LAME's own default
// algorithm quality 3 and VBR quality 4).
struct LameSettingsValues {
    int32_t vbrBitrateKbps = 0;  // highest VBR bitrate; 0: LAME chooses
    int16_t vbrQuality = 4;
    int32_t vbrCodingMethod = -1;  // VBR_NONE: constant bitrate
    int16_t abrBitrateKbps = 128;
    int32_t typeStereo = 2;  // JOINTSTEREO
    int16_t encoderQuality = 3;
    VARIANT_BOOL writingVbrHeader = VARIANT_TRUE;
    VARIANT_BOOL bitReservoir = VARIANT_TRUE;
    VARIANT_BOOL blockTypeControl = VARIANT_FALSE;
    VARIANT_BOOL shortBlocks = VARIANT_TRUE;
    int16_t emphasis = 0;
    VARIANT_BOOL strictIsoCompliance = VARIANT_FALSE;
    VARIANT_BOOL strictlyEnforceMinBitrate = VARIANT_FALSE;
    int16_t athControlMode = 0;
    int32_t lowPassFrequencyHz = 0;  // 0: the encoder chooses
    int32_t highPassFrequencyHz = 0;
    int32_t lowPassWidthHz = 0;
    int32_t highPassWidthHz = 0;
    VARIANT_BOOL errorProtection = VARIANT_FALSE;
    int32_t bitrateKbps = 128;
    int32_t channels = 2;
    int32_t frequencyHz = 44100;
    std::u16string commandLine;  // last SetParamsFromCommandLine, as given
    int16_t preset = 0;          // last SetParamsFromPreset / SetParamsFromAltPreset
};

class LameSettingsStore : public RefCounted, public IVeskLameSettings {
public:
    VESK_IUNKNOWN_IMPL(LameSettingsStore, IVeskLameSettings)

    // What the encoder uses; valid while this object lives.
    const LameSettingsValues& Values() const { return values_; }

    HRESULT SetParamsFromCommandLine(BSTR commandLine) override;
    HRESULT SetParamsFromPreset(int16_t preset) override;
    HRESULT SetParamsFromAltPreset(int16_t preset) override;

    HRESULT get_VbrBitrate(int32_t* kbps) override;
    HRESULT put_VbrBitrate(int32_t kbps) override;
    HRESULT get_VbrQuality(int16_t* quality) override;
    HRESULT put_VbrQuality(int16_t quality) override;
    HRESULT get_VbrCodingMethod(int32_t* method) override;
    HRESULT put_VbrCodingMethod(int32_t method) override;
    HRESULT get_AbrBitrate(int16_t* kbps) override;
    HRESULT put_AbrBitrate(int16_t kbps) override;
    HRESULT get_TypeStereo(int32_t* mode) override;
    HRESULT put_TypeStereo(int32_t mode) override;
    HRESULT get_EncoderQuality(int16_t* quality) override;
    HRESULT put_EncoderQuality(int16_t quality) override;
    HRESULT get_WritingVBRHeader(VARIANT_BOOL* on) override;
    HRESULT put_WritingVBRHeader(VARIANT_BOOL on) override;
    HRESULT get_BitReservoir(VARIANT_BOOL* on) override;
    HRESULT put_BitReservoir(VARIANT_BOOL on) override;
    HRESULT get_BlockTypeControl(VARIANT_BOOL* on) override;
    HRESULT put_BlockTypeControl(VARIANT_BOOL on) override;
    HRESULT get_ShortBlocks(VARIANT_BOOL* on) override;
    HRESULT put_ShortBlocks(VARIANT_BOOL on) override;
    HRESULT get_Emphasis(int16_t* emphasis) override;
    HRESULT put_Emphasis(int16_t emphasis) override;
    HRESULT get_StrictISOCompliance(VARIANT_BOOL* on) override;
    HRESULT put_StrictISOCompliance(VARIANT_BOOL on) override;
    HRESULT get_StrictlyEnforceMinBitrate(VARIANT_BOOL* on) override;
    HRESULT put_StrictlyEnforceMinBitrate(VARIANT_BOOL on) override;
    HRESULT get_ATHControlMode(int16_t* mode) override;
    HRESULT put_ATHControlMode(int16_t mode) override;
    HRESULT get_LowPassFrequency(int32_t* hz) override;
    HRESULT put_LowPassFrequency(int32_t hz) override;
    HRESULT get_HighPassFrequency(int32_t* hz) override;
    HRESULT put_HighPassFrequency(int32_t hz) override;
    HRESULT get_LowPassWidth(int32_t* hz) override;
    HRESULT put_LowPassWidth(int32_t hz) override;
    HRESULT get_HighPassWidth(int32_t* hz) override;
    HRESULT put_HighPassWidth(int32_t hz) override;
    HRESULT get_ErrorProtection(VARIANT_BOOL* on) override;
    HRESULT put_ErrorProtection(VARIANT_BOOL on) override;
    HRESULT get_Bitrate(int32_t* kbps) override;
    HRESULT put_Bitrate(int32_t kbps) override;
    HRESULT get_Channels(int32_t* channels) override;
    HRESULT put_Channels(int32_t channels) override;
    HRESULT get_Frequency(int32_t* hz) override;
    HRESULT put_Frequency(int32_t hz) override;

private:
    LameSettingsValues values_;
};

}  // namespace vesk
