// Contract of VeskAudioRecord, the component that owns the input device. It captures 16-bit
// blocks of a fixed number of frames and announces each one by an event; the control then takes
// it with GetRecordedBlock (SAFEARRAY of VT_I2, frames interleaved left first, the caller's).
//
// Events: the component is an IConnectionPointContainer with one connection point for
// IID_VeskAudioRecordEvents; sinks are IDispatch and get Invoke(dispid, integer arguments).
#pragma once

#include <cstdint>

#include "platform/automation/Bstr.h"
#include "platform/automation/SafeArray.h"
#include "platform/automation/Unknown.h"
#include "platform/automation/Variant.h"

namespace vesk {

// {F5A0C012-6A1B-4C3E-9C12-5645534B0012}
inline constexpr IID IID_VeskAudioRecordEvents{
    0xF5A0C012, 0x6A1B, 0x4C3E, {0x9C, 0x12, 0x56, 0x45, 0x53, 0x4B, 0x00, 0x12}};

// Dispatch ids of the recorder's events.
namespace record_event {
inline constexpr DISPID kBlockReady = 1;  // a captured block waits for GetRecordedBlock
inline constexpr DISPID kStarted = 2;     // the device has started (no arguments)
inline constexpr DISPID kPosition = 3;    // (frames captured since start, left level, right level)
}  // namespace record_event

struct IVeskAudioRecord : IUnknown {
    // {F5A0C004-6A1B-4C3E-9C12-5645534B0004}
    static constexpr IID kIid{0xF5A0C004, 0x6A1B, 0x4C3E, {0x9C, 0x12, 0x56, 0x45, 0x53, 0x4B, 0x00, 0x04}};

    // --- Transport ------------------------------------------------------------------------
    // Format of the captured blocks: rate in Hz, 1 or 2 channels.
    virtual HRESULT SetRecordFormat(int32_t hz, int32_t channels) = 0;
    // Frames per captured block.
    virtual HRESULT SetRecordBlockFrames(int32_t frames) = 0;
    // Opens the device; a failure is reported by GetRecorderError (INPDRIVER when none works).
    virtual HRESULT StartRecording() = 0;
    // The oldest captured block not yet taken (an empty block when there is none).
    virtual HRESULT GetRecordedBlock(SAFEARRAY** block) = 0;
    // Stops capturing and drops blocks not yet taken; harmless when idle.
    virtual HRESULT StopRecording() = 0;
    // ErrorConstants value of the last StartRecording, 0 when it succeeded.
    virtual HRESULT GetRecorderError(int32_t* errorCode) = 0;
    // The latest `count` samples (elements, all channels counted) captured.
    virtual HRESULT GetCurrentRecordArray(int32_t count, SAFEARRAY** block) = 0;
    // Converts a frame count of the record format to milliseconds.
    virtual HRESULT FramesToMilliseconds(int32_t frames, int32_t* milliseconds) = 0;
    // Milliseconds between kPosition events.
    virtual HRESULT SetRecorderTimerInterval(int16_t milliseconds) = 0;

    // --- Input filters applied while capturing (Recorder sub-object) ----------------------
    // Switches are automation booleans; corner frequencies in Hz.
    virtual HRESULT GetNotchFilterEnabled(VARIANT_BOOL* on) = 0;
    virtual HRESULT SetNotchFilterEnabled(VARIANT_BOOL on) = 0;
    virtual HRESULT GetHighPassFilterEnabled(VARIANT_BOOL* on) = 0;
    virtual HRESULT SetHighPassFilterEnabled(VARIANT_BOOL on) = 0;
    virtual HRESULT GetLowPassFilterEnabled(VARIANT_BOOL* on) = 0;
    virtual HRESULT SetLowPassFilterEnabled(VARIANT_BOOL on) = 0;
    virtual HRESULT GetNotchFilterFrequency(float* hz) = 0;
    virtual HRESULT SetNotchFilterFrequency(float hz) = 0;
    virtual HRESULT GetHighPassFilterFrequency(float* hz) = 0;
    virtual HRESULT SetHighPassFilterFrequency(float hz) = 0;
    virtual HRESULT GetLowPassFilterFrequency(float* hz) = 0;
    virtual HRESULT SetLowPassFilterFrequency(float hz) = 0;

    // --- Devices (DeviceInput) ------------------------------------------------------------
    virtual HRESULT GetRecordDeviceCount(int16_t* count) = 0;
    // Current device, 0-based.
    virtual HRESULT GetRecordDeviceNum(int16_t* index) = 0;
    virtual HRESULT SetRecordDeviceNum(int16_t index) = 0;
    // Name of the current device ("" when there is none).
    virtual HRESULT GetRecordDeviceName(BSTR* name) = 0;

    // --- Input lines of the current device (DeviceInput.DeviceLines, automatic gain) -------
    virtual HRESULT GetInputLineCount(int16_t* count) = 0;
    // Current line, 0-based.
    virtual HRESULT GetInputLineNum(int16_t* index) = 0;
    virtual HRESULT SelectInputLine(int16_t index) = 0;
    virtual HRESULT GetLineName(BSTR* name) = 0;
    // Advanced controls of the current line, by 0-based index.
    virtual HRESULT GetLineAdvancedCount(int16_t* count) = 0;
    virtual HRESULT GetLineAdvancedName(int16_t index, BSTR* name) = 0;
    virtual HRESULT GetLineAdvancedValue(int16_t index, VARIANT* value) = 0;
    virtual HRESULT SetLineAdvancedValue(int16_t index, VARIANT value) = 0;  // value borrowed
    // Balance of the current line, -100 (left) .. 100 (right).
    virtual HRESULT GetLineBalance(int16_t* balance) = 0;
    virtual HRESULT SetLineBalance(int16_t balance) = 0;
    // Recording volume of the current line, 0 .. 65535.
    virtual HRESULT GetLineVolume(int32_t* volume) = 0;
    virtual HRESULT SetLineVolume(int32_t volume) = 0;
    // Whether the current line is a recording source (automation boolean).
    virtual HRESULT GetLineSelected(VARIANT_BOOL* selected) = 0;
    virtual HRESULT SetLineSelected(VARIANT_BOOL selected) = 0;

protected:
    ~IVeskAudioRecord() = default;
};

}  // namespace vesk
