// Contract of the MP3 encoder settings object that VeskAudioFile hands out (GetLameSettings).
// The control's Mp3LameEncoder sub-object forwards each of its members unchanged to the member
// of the same name here, so the encoder reads these values when it writes an MP3 file.
#pragma once

#include <cstdint>

#include "platform/automation/Bstr.h"
#include "platform/automation/Unknown.h"

namespace vesk {

struct IVeskLameSettings : IUnknown {
    // {F5A0C008-6A1B-4C3E-9C12-5645534B0008}
    static constexpr IID kIid{0xF5A0C008, 0x6A1B, 0x4C3E, {0x9C, 0x12, 0x56, 0x45, 0x53, 0x4B, 0x00, 0x08}};

    // Takes the settings from encoder command-line options (the text stays the caller's).
    virtual HRESULT SetParamsFromCommandLine(BSTR commandLine) = 0;
    // Takes the settings of a numbered encoder preset.
    virtual HRESULT SetParamsFromPreset(int16_t preset) = 0;
    // Alternative presets; the encoder may treat them as SetParamsFromPreset.
    virtual HRESULT SetParamsFromAltPreset(int16_t preset) = 0;

    // Bitrate bound of VBR coding, kbps (BitrateConstants).
    virtual HRESULT get_VbrBitrate(int32_t* kbps) = 0;
    virtual HRESULT put_VbrBitrate(int32_t kbps) = 0;
    // VBR quality, 0 (best) .. 9.
    virtual HRESULT get_VbrQuality(int16_t* quality) = 0;
    virtual HRESULT put_VbrQuality(int16_t quality) = 0;
    // Mp3LameMethodConstants: -1 constant bitrate, 0 .. 4 VBR/ABR methods.
    virtual HRESULT get_VbrCodingMethod(int32_t* method) = 0;
    virtual HRESULT put_VbrCodingMethod(int32_t method) = 0;
    // Average bitrate for ABR coding, kbps.
    virtual HRESULT get_AbrBitrate(int16_t* kbps) = 0;
    virtual HRESULT put_AbrBitrate(int16_t kbps) = 0;
    // Mp3LameTypeStereoConstants: 1 simple, 2 joint, 3 forced joint, 4 dual channel.
    virtual HRESULT get_TypeStereo(int32_t* mode) = 0;
    virtual HRESULT put_TypeStereo(int32_t mode) = 0;
    // Algorithm quality, 0 (best, slowest) .. 9.
    virtual HRESULT get_EncoderQuality(int16_t* quality) = 0;
    virtual HRESULT put_EncoderQuality(int16_t quality) = 0;
    // Booleans below are automation booleans (VARIANT_TRUE / VARIANT_FALSE).
    virtual HRESULT get_WritingVBRHeader(VARIANT_BOOL* on) = 0;
    virtual HRESULT put_WritingVBRHeader(VARIANT_BOOL on) = 0;
    virtual HRESULT get_BitReservoir(VARIANT_BOOL* on) = 0;
    virtual HRESULT put_BitReservoir(VARIANT_BOOL on) = 0;
    virtual HRESULT get_BlockTypeControl(VARIANT_BOOL* on) = 0;
    virtual HRESULT put_BlockTypeControl(VARIANT_BOOL on) = 0;
    virtual HRESULT get_ShortBlocks(VARIANT_BOOL* on) = 0;
    virtual HRESULT put_ShortBlocks(VARIANT_BOOL on) = 0;
    // De-emphasis flag written into the frames: 0 none, 1 50/15 µs, 3 CCITT J.17.
    virtual HRESULT get_Emphasis(int16_t* emphasis) = 0;
    virtual HRESULT put_Emphasis(int16_t emphasis) = 0;
    virtual HRESULT get_StrictISOCompliance(VARIANT_BOOL* on) = 0;
    virtual HRESULT put_StrictISOCompliance(VARIANT_BOOL on) = 0;
    virtual HRESULT get_StrictlyEnforceMinBitrate(VARIANT_BOOL* on) = 0;
    virtual HRESULT put_StrictlyEnforceMinBitrate(VARIANT_BOOL on) = 0;
    // Absolute-threshold-of-hearing model, encoder-specific mode number.
    virtual HRESULT get_ATHControlMode(int16_t* mode) = 0;
    virtual HRESULT put_ATHControlMode(int16_t mode) = 0;
    // Filter corners and transition widths, Hz; 0 lets the encoder choose.
    virtual HRESULT get_LowPassFrequency(int32_t* hz) = 0;
    virtual HRESULT put_LowPassFrequency(int32_t hz) = 0;
    virtual HRESULT get_HighPassFrequency(int32_t* hz) = 0;
    virtual HRESULT put_HighPassFrequency(int32_t hz) = 0;
    virtual HRESULT get_LowPassWidth(int32_t* hz) = 0;
    virtual HRESULT put_LowPassWidth(int32_t hz) = 0;
    virtual HRESULT get_HighPassWidth(int32_t* hz) = 0;
    virtual HRESULT put_HighPassWidth(int32_t hz) = 0;
    // CRC protection of the frames.
    virtual HRESULT get_ErrorProtection(VARIANT_BOOL* on) = 0;
    virtual HRESULT put_ErrorProtection(VARIANT_BOOL on) = 0;
    // Constant bitrate, kbps (BitrateConstants).
    virtual HRESULT get_Bitrate(int32_t* kbps) = 0;
    virtual HRESULT put_Bitrate(int32_t kbps) = 0;
    // Output channel count, 1 or 2 (ChannelsConstants).
    virtual HRESULT get_Channels(int32_t* channels) = 0;
    virtual HRESULT put_Channels(int32_t channels) = 0;
    // Output sample rate, Hz (FrequencyConstants).
    virtual HRESULT get_Frequency(int32_t* hz) = 0;
    virtual HRESULT put_Frequency(int32_t hz) = 0;

protected:
    ~IVeskLameSettings() = default;
};

}  // namespace vesk
