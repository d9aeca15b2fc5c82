// The control's own automation interface, IAudioEditor, and the identity of its event interface.
// Declared COM-style in type-library order (the vtable order): a property's get before its put.
// Every member returns S_OK to its caller, also when the operation fails; the outcome is in
// LastErrorNum and the Error and EndOperation events. Calling rules: an [in] BSTR stays the
// caller's, a returned BSTR or SAFEARRAY belongs to the caller, a returned interface pointer
// carries one reference.
#pragma once

#include <cstdint>

#include "objects/typelib/SubObjectInterfaces.h"
#include "platform/automation/Dispatch.h"

namespace vesk {

// The control's dual interface. Sample positions and lengths in sample frames unless a member
// says otherwise; enumeration parameters and values are int32_t.
struct IAudioEditor : IDispatch {
    // {5645534B-0001-4E00-A000-000000000001}
    static constexpr IID kIid{0x5645534B, 0x0001, 0x4E00, {0xA0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x01}};

    // Document: open, create, save, close. File names are UTF-8 paths.
    virtual HRESULT Open(BSTR fileName, int32_t FormatType) = 0;
    virtual HRESULT New(int32_t Frequency, int32_t nChannels) = 0;
    virtual HRESULT Save(BSTR fileName, VARIANT_BOOL Selected, int32_t FormatType) = 0;
    virtual HRESULT Close() = 0;

    // Transport. GetCurrentArray returns a new array of 16-bit samples (nSamples frames,
    // channels interleaved) that the caller destroys, or nullptr when there is nothing to read.
    virtual HRESULT Play(int32_t PlayType) = 0;
    virtual HRESULT Record(int32_t RecordType) = 0;
    virtual HRESULT Stop() = 0;
    virtual HRESULT Pause() = 0;
    virtual HRESULT Continue() = 0;
    virtual HRESULT GetCurrentArray(int32_t nSamples, SAFEARRAY** result) = 0;

    // View. ZoomVertical in percent.
    virtual HRESULT ZoomIn() = 0;
    virtual HRESULT ZoomOut() = 0;
    virtual HRESULT ZoomFull() = 0;
    virtual HRESULT Refresh() = 0;
    virtual HRESULT ZoomVertical(int32_t Procent) = 0;
    virtual HRESULT SaveWaveImage(BSTR fileBMP) = 0;

    // History.
    virtual HRESULT Undo() = 0;
    virtual HRESULT Redo() = 0;

    // Edit commands and clipboard. InsertSilence counts milliseconds.
    virtual HRESULT Copy() = 0;
    virtual HRESULT Cut() = 0;
    virtual HRESULT Paste() = 0;
    virtual HRESULT PasteFromFile(BSTR fileName) = 0;
    virtual HRESULT Mix(float AmplifySelect, float AmplifyPaste) = 0;
    virtual HRESULT MixFromFile(float AmplifySelect, BSTR fileNamePaste, float AmplifyPaste) = 0;
    virtual HRESULT PasteFromClipboard() = 0;
    virtual HRESULT CopyToClipboard() = 0;
    virtual HRESULT InsertSilence(int32_t Millisec) = 0;
    virtual HRESULT DeleteSelect() = 0;
    virtual HRESULT DeleteSilence(float dbThreshold, int32_t AttackTime, int32_t ReleaseTime, float RMSTime) = 0;
    virtual HRESULT Trim(float dbTrimLevel, int32_t FadeTime, int32_t TrimParam) = 0;
    virtual HRESULT ConvertSampleType(int32_t Frequency, int32_t Channels) = 0;

    // Effects, with parameters in the transform component's units. Array parameters stay the
    // caller's.
    virtual HRESULT Silence() = 0;
    virtual HRESULT Reverse() = 0;
    virtual HRESULT Invert() = 0;
    virtual HRESULT Amplify(float Amplify) = 0;
    virtual HRESULT AddNoise(float Amplitude, int32_t NoiseType) = 0;
    virtual HRESULT MixStereoChannels(float AmpLL, float AmpLR, float AmpRL, float AmpRR) = 0;
    virtual HRESULT Fade(float AmplifyLeft, float AmplifyRight) = 0;
    virtual HRESULT Normalize(float Normalization, VARIANT_BOOL DCBiasAdjust) = 0;
    virtual HRESULT Vibrato(float SweepDepth, float SweepFrequency, float SweepPhase) = 0;
    virtual HRESULT Envelope(SAFEARRAY** dbEnvelopeArray) = 0;
    virtual HRESULT Compressor(float dbThreshold, float CompressionRate, float RMSTime) = 0;
    virtual HRESULT Expander(float dbThreshold, float ExpansionRate, float RMSTime) = 0;
    virtual HRESULT Delay(float DelayTime, float MixDepth, float FeedBackGain) = 0;
    virtual HRESULT Phaser(float DelayTime, float MixDepth, float FeedBackGain) = 0;
    virtual HRESULT Flanger(float DelayRate, float MixDepth, float FeedBackGain, float SweepDepth, float SweepRate,
                            float SweepPhase) = 0;
    virtual HRESULT Reverb(float DelayTime, float MixDepth, float FeedBackGain, float ReverbrationRate) = 0;
    virtual HRESULT Stretch(float Percent) = 0;
    virtual HRESULT NotchFilter(float Frequency, float Steepness) = 0;
    virtual HRESULT FFTFilter(SAFEARRAY** FFTArray) = 0;
    virtual HRESULT HighPassFilter(float Frequency, float Steepness) = 0;
    virtual HRESULT LowPassFilter(float Frequency, float Steepness) = 0;
    virtual HRESULT HighShelfFilter(float Frequency, float dbGain, float Steepness) = 0;
    virtual HRESULT LowShelfFilter(float Frequency, float dbGain, float Steepness) = 0;
    virtual HRESULT BandPassFilter(float Frequency, float Steepness) = 0;
    virtual HRESULT Equalizer(SAFEARRAY** dbGainArray, SAFEARRAY** FreqArray) = 0;
    virtual HRESULT PeakEQFilter(float dbGain, float Frequency, float Steepness) = 0;

    // Output format of the next Save.
    virtual HRESULT SetFormatFromMenu() = 0;
    virtual HRESULT SetFormatRAW(int32_t TypeCompress, int32_t Frequency, int32_t nChannels, int32_t BitsPerSample) = 0;
    virtual HRESULT SetFormatMP3(int32_t Frequency, int32_t Bitrate, int32_t nChannels) = 0;
    virtual HRESULT SetFormatVOX(int32_t Frequency) = 0;
    virtual HRESULT SetFormatG726(int32_t Frequency, int32_t BitsPerSample) = 0;
    virtual HRESULT SetFormatLikeSample(BSTR fileName) = 0;
    virtual HRESULT SetFormatWMA(int32_t wmaProfile) = 0;
    virtual HRESULT SetFormatGSM(int32_t Frequency) = 0;
    virtual HRESULT SetFormatPCM(int32_t Frequency, int32_t nChannels, int32_t BitsPerSample) = 0;
    virtual HRESULT SetFormatDSP() = 0;
    virtual HRESULT SetFormatALAW(int32_t Frequency, int32_t nChannels) = 0;
    virtual HRESULT SetFormatULAW(int32_t Frequency, int32_t nChannels) = 0;
    virtual HRESULT SetFormatALF2CD(int32_t Bitrate) = 0;
    virtual HRESULT SetFormatADPCM(int32_t Frequency, int32_t nChannels) = 0;
    virtual HRESULT SetFormatOggVorbis(int32_t Frequency, int32_t nChannels, int32_t NominalBitrate, int32_t MinBitrate,
                                       int32_t MaxBitrate, int16_t Quality) = 0;
    virtual HRESULT SetFormatG723(int32_t Frequency, int32_t BitsPerSample) = 0;
    virtual HRESULT SetFormatG721(int32_t Frequency) = 0;
    virtual HRESULT SetFormatMP2(int32_t Frequency, int32_t Bitrate, int16_t nChannels) = 0;

    // History depth and state.
    virtual HRESULT get_UndoRedoCount(int32_t* value) = 0;
    virtual HRESULT put_UndoRedoCount(int32_t value) = 0;
    virtual HRESULT get_UndoEnabled(VARIANT_BOOL* value) = 0;
    virtual HRESULT get_RedoEnabled(VARIANT_BOOL* value) = 0;

    // Appearance and mouse.
    virtual HRESULT get_TypeBorder(int16_t* value) = 0;
    virtual HRESULT put_TypeBorder(int16_t value) = 0;
    virtual HRESULT get_MousePointer(int32_t* value) = 0;
    virtual HRESULT put_MousePointer(int32_t value) = 0;
    virtual HRESULT get_MouseCustom(BSTR* value) = 0;
    virtual HRESULT put_MouseCustom(BSTR value) = 0;
    virtual HRESULT get_MouseEventsEnabled(VARIANT_BOOL* value) = 0;
    virtual HRESULT put_MouseEventsEnabled(VARIANT_BOOL value) = 0;
    virtual HRESULT get_TypeView(int32_t* value) = 0;
    virtual HRESULT put_TypeView(int32_t value) = 0;

    // Working files: the directory they are created in and the current working file's name.
    virtual HRESULT get_TempDirectory(BSTR* value) = 0;
    virtual HRESULT put_TempDirectory(BSTR value) = 0;
    virtual HRESULT get_TempFileName(BSTR* value) = 0;
    virtual HRESULT put_TempFileName(BSTR value) = 0;

    // Sub-objects. A get returns a new reference to the held object; the puts of ScaleX, ScaleY
    // and Colors replace the held object with the host's.
    virtual HRESULT get_ScaleX(IAudioEditorScale** value) = 0;
    virtual HRESULT put_ScaleX(IAudioEditorScale* value) = 0;
    virtual HRESULT get_ScaleY(IAudioEditorScale** value) = 0;
    virtual HRESULT put_ScaleY(IAudioEditorScale* value) = 0;
    virtual HRESULT get_Colors(IAudioEditorColors** value) = 0;
    virtual HRESULT put_Colors(IAudioEditorColors* value) = 0;
    virtual HRESULT get_FileInfo(IAudioEditorFileInfo** value) = 0;
    virtual HRESULT get_DeviceInput(IAudioEditorDevice** value) = 0;
    virtual HRESULT get_DeviceOutput(IAudioEditorDevice** value) = 0;
    virtual HRESULT get_Recorder(IAudioEditorRecorder** value) = 0;
    virtual HRESULT get_Position(IAudioEditorPosition** value) = 0;
    virtual HRESULT get_Channels(IAudioEditorChannel** value) = 0;
    virtual HRESULT get_Markers(IAudioEditorMarkers** value) = 0;

    // Outcome of the last operation (an ErrorConstants value) and the running operation code.
    virtual HRESULT get_LastErrorNum(int32_t* value) = 0;
    virtual HRESULT get_Status(int16_t* value) = 0;

    // Edit smoothing (SmoothTime in milliseconds), recording display, marker bar, MP3 codecs.
    virtual HRESULT get_SmoothEnabled(VARIANT_BOOL* value) = 0;
    virtual HRESULT put_SmoothEnabled(VARIANT_BOOL value) = 0;
    virtual HRESULT get_SmoothTime(int32_t* value) = 0;
    virtual HRESULT put_SmoothTime(int32_t value) = 0;
    virtual HRESULT get_RecordVisualizationType(int16_t* value) = 0;
    virtual HRESULT put_RecordVisualizationType(int16_t value) = 0;
    virtual HRESULT get_MarkerBarEnabled(VARIANT_BOOL* value) = 0;
    virtual HRESULT put_MarkerBarEnabled(VARIANT_BOOL value) = 0;
    virtual HRESULT get_MarkerBackgroundEnabled(VARIANT_BOOL* value) = 0;
    virtual HRESULT put_MarkerBackgroundEnabled(VARIANT_BOOL value) = 0;
    virtual HRESULT get_Mp3TypeEncoder(int32_t* value) = 0;
    virtual HRESULT put_Mp3TypeEncoder(int32_t value) = 0;
    virtual HRESULT get_Mp3TypeDecoder(int32_t* value) = 0;
    virtual HRESULT put_Mp3TypeDecoder(int32_t value) = 0;
    virtual HRESULT get_Mp3LameEncoder(IAudioEditorLameMp3Encoder** value) = 0;

    // Whether the codecs support the given MPEG or Ogg Vorbis format.
    virtual HRESULT IsAvailableFormatMpeg(int32_t Frequency, int32_t Bitrate, int32_t Channels,
                                          VARIANT_BOOL* result) = 0;
    virtual HRESULT IsAvailableFormatOggVorbis(int32_t Frequency, int32_t nChannels, int32_t NominalBitrate,
                                               int32_t MinBitrate, int32_t MaxBitrate, VARIANT_BOOL* result) = 0;

    // Block length of edits and effects, in milliseconds of sound (clamped to [100, 600000]).
    virtual HRESULT get_FileBufferSize(int32_t* value) = 0;
    virtual HRESULT put_FileBufferSize(int32_t value) = 0;

    // Members without a dispatch identifier, reachable only through the vtable.
    // Replaces the selection with (or inserts at the cursor) the 16-bit samples of the array,
    // channels interleaved; the array stays the caller's.
    virtual HRESULT PutSampleArray(SAFEARRAY* samples) = 0;
    // A new array of the selection's 16-bit samples that the caller destroys (nullptr when
    // nothing is selected).
    virtual HRESULT GetSelectionArray(SAFEARRAY** samples) = 0;
    // Empties the system clipboard.
    virtual HRESULT ClearSystemClipboard() = 0;
};

// The event interface is dispatch-only: hosts implement IDispatch and receive Invoke calls with
// these identifiers (arguments as in the library's _IAudioEditorEvents table). There is no 15.
// {5645534B-0001-4E00-A000-000000000002}
inline constexpr IID IID_IAudioEditorEvents{
    0x5645534B, 0x0001, 0x4E00, {0xA0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x02}};

enum AudioEditorEvent : DISPID {
    kDblClick = 1,            // no arguments
    kMouseDown = 2,           // Button int, Shift int, x short, y short
    kMouseUp = 3,             // Button int, Shift int, x short, y short
    kMouseMove = 4,           // Button int, Shift int, x short, y short
    kMeter = 5,               // LevelLeft long, LevelRight long
    kBlockOperation = 6,      // Percent short
    kChangePosition = 7,      // no arguments
    kEndPlay = 8,             // no arguments
    kChangePlayPosition = 9,  // no arguments
    kError = 10,              // Code ErrorConstants
    kEndOperation = 11,       // no arguments
    kMarkerClick = 12,        // Num long
    kNewMarker = 13,          // Num long
    kGainChange = 14,         // newVolume long
    kScaleXClick = 16,        // no arguments
    kScaleYClick = 17,        // no arguments
    kChangeMarker = 18,       // Num long
};

}  // namespace vesk
