// The automation interfaces of the sub-objects that the control's properties hand out, declared
// COM-style in type-library order (the vtable order): a property's get before its put, put before
// putref. Every member returns S_OK to its caller; what each does is the owning object's business.
// Calling rules: an [in] BSTR stays the caller's and a returned BSTR belongs to the caller; a
// returned interface pointer carries one reference.
#pragma once

#include <cstdint>

#include "platform/automation/Dispatch.h"

namespace vesk {

struct IAudioEditorDeviceLine;

// Selection, view and cursor of the current document. Positions and lengths in sample frames;
// SecToSamples and SamplesToSec convert between milliseconds and frames.
struct IAudioEditorPosition : IDispatch {
    // {5645534B-0001-4E00-A000-000000000003}
    static constexpr IID kIid{0x5645534B, 0x0001, 0x4E00, {0xA0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x03}};

    virtual HRESULT get_StartSelect(int32_t* value) = 0;
    virtual HRESULT put_StartSelect(int32_t value) = 0;
    virtual HRESULT get_EndSelect(int32_t* value) = 0;
    virtual HRESULT put_EndSelect(int32_t value) = 0;
    virtual HRESULT get_StartView(int32_t* value) = 0;
    virtual HRESULT put_StartView(int32_t value) = 0;
    virtual HRESULT get_EndView(int32_t* value) = 0;
    virtual HRESULT put_EndView(int32_t value) = 0;
    virtual HRESULT get_Selected(VARIANT_BOOL* value) = 0;
    virtual HRESULT put_Selected(VARIANT_BOOL value) = 0;
    virtual HRESULT get_TotalSamples(int32_t* value) = 0;
    virtual HRESULT get_CurrentPosition(int32_t* value) = 0;
    virtual HRESULT put_CurrentPosition(int32_t value) = 0;
    virtual HRESULT SecToSamples(int32_t Millisec, int32_t* result) = 0;
    virtual HRESULT SamplesToSec(int32_t Samples, int32_t* result) = 0;
    virtual HRESULT GoToMarker(int32_t Num) = 0;
};

// Which channel of a stereo document is shown and which channels an operation works on.
struct IAudioEditorChannel : IDispatch {
    // {5645534B-0001-4E00-A000-000000000004}
    static constexpr IID kIid{0x5645534B, 0x0001, 0x4E00, {0xA0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x04}};

    virtual HRESULT get_Count(int16_t* value) = 0;
    virtual HRESULT get_Num(int16_t* value) = 0;
    virtual HRESULT put_Num(int16_t value) = 0;
    virtual HRESULT get_Visible(VARIANT_BOOL* value) = 0;
    virtual HRESULT put_Visible(VARIANT_BOOL value) = 0;
    virtual HRESULT get_Operation(VARIANT_BOOL* value) = 0;
    virtual HRESULT put_Operation(VARIANT_BOOL value) = 0;
};

// The markers of the document. Num selects the current marker; the other properties read and
// write that marker. Position and Length in sample frames.
struct IAudioEditorMarkers : IDispatch {
    // {5645534B-0001-4E00-A000-000000000005}
    static constexpr IID kIid{0x5645534B, 0x0001, 0x4E00, {0xA0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x05}};

    virtual HRESULT get_Count(int32_t* value) = 0;
    virtual HRESULT get_Num(int32_t* value) = 0;
    virtual HRESULT put_Num(int32_t value) = 0;
    virtual HRESULT get_CodePage(int16_t* value) = 0;
    virtual HRESULT put_CodePage(int16_t value) = 0;
    virtual HRESULT get_Country(int16_t* value) = 0;
    virtual HRESULT put_Country(int16_t value) = 0;
    virtual HRESULT get_Dialect(int16_t* value) = 0;
    virtual HRESULT put_Dialect(int16_t value) = 0;
    virtual HRESULT get_Label(BSTR* value) = 0;
    virtual HRESULT put_Label(BSTR value) = 0;
    virtual HRESULT get_Note(BSTR* value) = 0;
    virtual HRESULT put_Note(BSTR value) = 0;
    virtual HRESULT get_Text(BSTR* value) = 0;
    virtual HRESULT put_Text(BSTR value) = 0;
    virtual HRESULT get_Length(int32_t* value) = 0;
    virtual HRESULT put_Length(int32_t value) = 0;
    virtual HRESULT get_Position(int32_t* value) = 0;
    virtual HRESULT put_Position(int32_t value) = 0;
    virtual HRESULT get_Language(int16_t* value) = 0;
    virtual HRESULT put_Language(int16_t value) = 0;
    virtual HRESULT Insert(int32_t Position, int32_t Length, BSTR Label, BSTR Note, BSTR Text, int16_t Language,
                           int16_t Country, int16_t Dialect, int16_t CodePage) = 0;
    virtual HRESULT Delete() = 0;
};

// One time or amplitude scale of the view. Font is a font object (a dispatch object with the
// usual font properties); get returns a new reference.
struct IAudioEditorScale : IDispatch {
    // {5645534B-0001-4E00-A000-000000000006}
    static constexpr IID kIid{0x5645534B, 0x0001, 0x4E00, {0xA0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x06}};

    virtual HRESULT get_Font(IDispatch** value) = 0;
    virtual HRESULT put_Font(IDispatch* value) = 0;
    virtual HRESULT putref_Font(IDispatch* value) = 0;
    virtual HRESULT get_Type(int16_t* value) = 0;
    virtual HRESULT put_Type(int16_t value) = 0;
    virtual HRESULT get_Visible(VARIANT_BOOL* value) = 0;
    virtual HRESULT put_Visible(VARIANT_BOOL value) = 0;
    virtual HRESULT get_Grid(VARIANT_BOOL* value) = 0;
    virtual HRESULT put_Grid(VARIANT_BOOL value) = 0;
    virtual HRESULT get_Orientation(int16_t* value) = 0;
    virtual HRESULT put_Orientation(int16_t value) = 0;
};

// The colours of the view, 0x00BBGGRR each.
struct IAudioEditorColors : IDispatch {
    // {5645534B-0001-4E00-A000-000000000007}
    static constexpr IID kIid{0x5645534B, 0x0001, 0x4E00, {0xA0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x07}};

    virtual HRESULT get_Font(OLE_COLOR* value) = 0;
    virtual HRESULT put_Font(OLE_COLOR value) = 0;
    virtual HRESULT get_SelectDigitalWaveform(OLE_COLOR* value) = 0;
    virtual HRESULT put_SelectDigitalWaveform(OLE_COLOR value) = 0;
    virtual HRESULT get_SelectCenterLine(OLE_COLOR* value) = 0;
    virtual HRESULT put_SelectCenterLine(OLE_COLOR value) = 0;
    virtual HRESULT get_SelectBackground(OLE_COLOR* value) = 0;
    virtual HRESULT put_SelectBackground(OLE_COLOR value) = 0;
    virtual HRESULT get_SelectAnalogWaveform(OLE_COLOR* value) = 0;
    virtual HRESULT put_SelectAnalogWaveform(OLE_COLOR value) = 0;
    virtual HRESULT get_Scales(OLE_COLOR* value) = 0;
    virtual HRESULT put_Scales(OLE_COLOR value) = 0;
    virtual HRESULT get_PlayCursor(OLE_COLOR* value) = 0;
    virtual HRESULT put_PlayCursor(OLE_COLOR value) = 0;
    virtual HRESULT get_Grid(OLE_COLOR* value) = 0;
    virtual HRESULT put_Grid(OLE_COLOR value) = 0;
    virtual HRESULT get_DigitalWaveform(OLE_COLOR* value) = 0;
    virtual HRESULT put_DigitalWaveform(OLE_COLOR value) = 0;
    virtual HRESULT get_Cursor(OLE_COLOR* value) = 0;
    virtual HRESULT put_Cursor(OLE_COLOR value) = 0;
    virtual HRESULT get_CenterLine(OLE_COLOR* value) = 0;
    virtual HRESULT put_CenterLine(OLE_COLOR value) = 0;
    virtual HRESULT get_Boundary(OLE_COLOR* value) = 0;
    virtual HRESULT put_Boundary(OLE_COLOR value) = 0;
    virtual HRESULT get_Background(OLE_COLOR* value) = 0;
    virtual HRESULT put_Background(OLE_COLOR value) = 0;
    virtual HRESULT get_AnalogWaveform(OLE_COLOR* value) = 0;
    virtual HRESULT put_AnalogWaveform(OLE_COLOR value) = 0;
    virtual HRESULT get_CueMarker(OLE_COLOR* value) = 0;
    virtual HRESULT put_CueMarker(OLE_COLOR value) = 0;
    virtual HRESULT get_RangeMarker(OLE_COLOR* value) = 0;
    virtual HRESULT put_RangeMarker(OLE_COLOR value) = 0;
    virtual HRESULT get_RangeMarkerBackground(OLE_COLOR* value) = 0;
    virtual HRESULT put_RangeMarkerBackground(OLE_COLOR value) = 0;
};

// Format and tag information of the document; the tag fields are written by the next Save when
// SaveExtraInfoEnabled is set.
struct IAudioEditorFileInfo : IDispatch {
    // {5645534B-0001-4E00-A000-000000000008}
    static constexpr IID kIid{0x5645534B, 0x0001, 0x4E00, {0xA0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x08}};

    virtual HRESULT get_Frequency(int32_t* value) = 0;
    virtual HRESULT get_Channels(int32_t* value) = 0;
    virtual HRESULT get_Title(BSTR* value) = 0;
    virtual HRESULT put_Title(BSTR value) = 0;
    virtual HRESULT get_Year(int32_t* value) = 0;
    virtual HRESULT put_Year(int32_t value) = 0;
    virtual HRESULT get_Artist(BSTR* value) = 0;
    virtual HRESULT put_Artist(BSTR value) = 0;
    virtual HRESULT get_Album(BSTR* value) = 0;
    virtual HRESULT put_Album(BSTR value) = 0;
    virtual HRESULT get_Comments(BSTR* value) = 0;
    virtual HRESULT put_Comments(BSTR value) = 0;
    virtual HRESULT get_Copyright(BSTR* value) = 0;
    virtual HRESULT put_Copyright(BSTR value) = 0;
    virtual HRESULT get_Genre(int16_t* value) = 0;
    virtual HRESULT put_Genre(int16_t value) = 0;
    virtual HRESULT get_SaveExtraInfoEnabled(VARIANT_BOOL* value) = 0;
    virtual HRESULT put_SaveExtraInfoEnabled(VARIANT_BOOL value) = 0;
    virtual HRESULT get_FormatString(BSTR* value) = 0;
    virtual HRESULT get_Composer(BSTR* value) = 0;
    virtual HRESULT put_Composer(BSTR value) = 0;
    virtual HRESULT get_URL(BSTR* value) = 0;
    virtual HRESULT put_URL(BSTR value) = 0;
    virtual HRESULT get_Track(int16_t* value) = 0;
    virtual HRESULT put_Track(int16_t value) = 0;
    virtual HRESULT get_EncodedBy(BSTR* value) = 0;
    virtual HRESULT put_EncodedBy(BSTR value) = 0;
    virtual HRESULT GenreToString(int16_t nGenre, BSTR* result) = 0;
    virtual HRESULT get_Mp3TagInfoVersion(int16_t* value) = 0;
    virtual HRESULT put_Mp3TagInfoVersion(int16_t value) = 0;
};

// An input or output sound device. Num selects the device among Count; BufferSize in
// milliseconds, TimerInterval in milliseconds.
struct IAudioEditorDevice : IDispatch {
    // {5645534B-0001-4E00-A000-000000000009}
    static constexpr IID kIid{0x5645534B, 0x0001, 0x4E00, {0xA0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x09}};

    virtual HRESULT get_Count(int16_t* value) = 0;
    virtual HRESULT get_Num(int16_t* value) = 0;
    virtual HRESULT put_Num(int16_t value) = 0;
    virtual HRESULT get_Name(BSTR* value) = 0;
    virtual HRESULT get_Volume(int32_t* value) = 0;
    virtual HRESULT put_Volume(int32_t value) = 0;
    virtual HRESULT get_DeviceLines(IAudioEditorDeviceLine** value) = 0;
    virtual HRESULT get_BufferSize(int32_t* value) = 0;
    virtual HRESULT put_BufferSize(int32_t value) = 0;
    virtual HRESULT get_TimerInterval(int16_t* value) = 0;
    virtual HRESULT put_TimerInterval(int16_t value) = 0;
    virtual HRESULT get_BufferCount(int16_t* value) = 0;
    virtual HRESULT put_BufferCount(int16_t value) = 0;
};

// A mixer line of the selected device. Num selects the line; AdvancedName and AdvancedValue
// address the line's further controls by 0-based index.
struct IAudioEditorDeviceLine : IDispatch {
    // {5645534B-0001-4E00-A000-00000000000A}
    static constexpr IID kIid{0x5645534B, 0x0001, 0x4E00, {0xA0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x0A}};

    virtual HRESULT get_Count(int16_t* value) = 0;
    virtual HRESULT get_Num(int16_t* value) = 0;
    virtual HRESULT put_Num(int16_t value) = 0;
    virtual HRESULT get_Name(BSTR* value) = 0;
    virtual HRESULT get_AdvancedName(int16_t index, BSTR* value) = 0;
    virtual HRESULT get_AdvancedCount(int16_t* value) = 0;
    virtual HRESULT get_VolumeBalance(int16_t* value) = 0;
    virtual HRESULT put_VolumeBalance(int16_t value) = 0;
    virtual HRESULT get_Volume(int32_t* value) = 0;
    virtual HRESULT put_Volume(int32_t value) = 0;
    virtual HRESULT get_AdvancedValue(int16_t index, VARIANT* value) = 0;
    virtual HRESULT put_AdvancedValue(int16_t index, VARIANT value) = 0;
    virtual HRESULT get_Select(VARIANT_BOOL* value) = 0;
    virtual HRESULT put_Select(VARIANT_BOOL value) = 0;
};

// Recording options: automatic start/stop (Accu*), input filters (frequencies in hertz) and
// automatic gain control (AGC*).
struct IAudioEditorRecorder : IDispatch {
    // {5645534B-0001-4E00-A000-00000000000B}
    static constexpr IID kIid{0x5645534B, 0x0001, 0x4E00, {0xA0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x0B}};

    virtual HRESULT get_AccuAttackTime(int32_t* value) = 0;
    virtual HRESULT put_AccuAttackTime(int32_t value) = 0;
    virtual HRESULT get_AccuAttackLevel(int32_t* value) = 0;
    virtual HRESULT put_AccuAttackLevel(int32_t value) = 0;
    virtual HRESULT get_AccuReleaseTime(int32_t* value) = 0;
    virtual HRESULT put_AccuReleaseTime(int32_t value) = 0;
    virtual HRESULT get_AccuReleaseLevel(int32_t* value) = 0;
    virtual HRESULT put_AccuReleaseLevel(int32_t value) = 0;
    virtual HRESULT get_AccuEnabled(VARIANT_BOOL* value) = 0;
    virtual HRESULT put_AccuEnabled(VARIANT_BOOL value) = 0;
    virtual HRESULT get_NotchFilterEnabled(VARIANT_BOOL* value) = 0;
    virtual HRESULT put_NotchFilterEnabled(VARIANT_BOOL value) = 0;
    virtual HRESULT get_HighPassFilterEnabled(VARIANT_BOOL* value) = 0;
    virtual HRESULT put_HighPassFilterEnabled(VARIANT_BOOL value) = 0;
    virtual HRESULT get_LowPassFilterEnabled(VARIANT_BOOL* value) = 0;
    virtual HRESULT put_LowPassFilterEnabled(VARIANT_BOOL value) = 0;
    virtual HRESULT get_HighPassFilterFrequency(float* value) = 0;
    virtual HRESULT put_HighPassFilterFrequency(float value) = 0;
    virtual HRESULT get_LowPassFilterFrequency(float* value) = 0;
    virtual HRESULT put_LowPassFilterFrequency(float value) = 0;
    virtual HRESULT get_NotchFilterFrequency(float* value) = 0;
    virtual HRESULT put_NotchFilterFrequency(float value) = 0;
    virtual HRESULT get_AGCLowLevel(int32_t* value) = 0;
    virtual HRESULT put_AGCLowLevel(int32_t value) = 0;
    virtual HRESULT get_AGCHighLevel(int32_t* value) = 0;
    virtual HRESULT put_AGCHighLevel(int32_t value) = 0;
    virtual HRESULT get_AGCRate(float* value) = 0;
    virtual HRESULT put_AGCRate(float value) = 0;
    virtual HRESULT get_AGCEnabled(VARIANT_BOOL* value) = 0;
    virtual HRESULT put_AGCEnabled(VARIANT_BOOL value) = 0;
};

// Settings of the MP3 encoder used by Save in MP3 format.
struct IAudioEditorLameMp3Encoder : IDispatch {
    // {5645534B-0001-4E00-A000-00000000000C}
    static constexpr IID kIid{0x5645534B, 0x0001, 0x4E00, {0xA0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x0C}};

    virtual HRESULT SetParamsFromCommandLine(BSTR CommandLine) = 0;
    virtual HRESULT SetParamsFromPreset(int16_t Preset) = 0;
    virtual HRESULT SetParamsFromAltPreset(int16_t Preset) = 0;
    virtual HRESULT get_VbrBitrate(int32_t* value) = 0;
    virtual HRESULT put_VbrBitrate(int32_t value) = 0;
    virtual HRESULT get_VbrQuality(int16_t* value) = 0;
    virtual HRESULT put_VbrQuality(int16_t value) = 0;
    virtual HRESULT get_VbrCodingMethod(int32_t* value) = 0;
    virtual HRESULT put_VbrCodingMethod(int32_t value) = 0;
    virtual HRESULT get_AbrBitrate(int16_t* value) = 0;
    virtual HRESULT put_AbrBitrate(int16_t value) = 0;
    virtual HRESULT get_TypeStereo(int32_t* value) = 0;
    virtual HRESULT put_TypeStereo(int32_t value) = 0;
    virtual HRESULT get_EncoderQuality(int16_t* value) = 0;
    virtual HRESULT put_EncoderQuality(int16_t value) = 0;
    virtual HRESULT get_WritingVBRHeader(VARIANT_BOOL* value) = 0;
    virtual HRESULT put_WritingVBRHeader(VARIANT_BOOL value) = 0;
    virtual HRESULT get_BitReservoir(VARIANT_BOOL* value) = 0;
    virtual HRESULT put_BitReservoir(VARIANT_BOOL value) = 0;
    virtual HRESULT get_BlockTypeControl(VARIANT_BOOL* value) = 0;
    virtual HRESULT put_BlockTypeControl(VARIANT_BOOL value) = 0;
    virtual HRESULT get_ShortBlocks(VARIANT_BOOL* value) = 0;
    virtual HRESULT put_ShortBlocks(VARIANT_BOOL value) = 0;
    virtual HRESULT get_Emphasis(int16_t* value) = 0;
    virtual HRESULT put_Emphasis(int16_t value) = 0;
    virtual HRESULT get_StrictISOCompliance(VARIANT_BOOL* value) = 0;
    virtual HRESULT put_StrictISOCompliance(VARIANT_BOOL value) = 0;
    virtual HRESULT get_StrictlyEnforceMinBitrate(VARIANT_BOOL* value) = 0;
    virtual HRESULT put_StrictlyEnforceMinBitrate(VARIANT_BOOL value) = 0;
    virtual HRESULT get_ATHControlMode(int16_t* value) = 0;
    virtual HRESULT put_ATHControlMode(int16_t value) = 0;
    virtual HRESULT get_LowPassFrequency(int32_t* value) = 0;
    virtual HRESULT put_LowPassFrequency(int32_t value) = 0;
    virtual HRESULT get_HighPassFrequency(int32_t* value) = 0;
    virtual HRESULT put_HighPassFrequency(int32_t value) = 0;
    virtual HRESULT get_LowPassWidth(int32_t* value) = 0;
    virtual HRESULT put_LowPassWidth(int32_t value) = 0;
    virtual HRESULT get_HighPassWidth(int32_t* value) = 0;
    virtual HRESULT put_HighPassWidth(int32_t value) = 0;
    virtual HRESULT get_ErrorProtection(VARIANT_BOOL* value) = 0;
    virtual HRESULT put_ErrorProtection(VARIANT_BOOL value) = 0;
    virtual HRESULT get_Bitrate(int32_t* value) = 0;
    virtual HRESULT put_Bitrate(int32_t value) = 0;
    virtual HRESULT get_Channels(int32_t* value) = 0;
    virtual HRESULT put_Channels(int32_t value) = 0;
    virtual HRESULT get_Frequency(int32_t* value) = 0;
    virtual HRESULT put_Frequency(int32_t value) = 0;
};

}  // namespace vesk
