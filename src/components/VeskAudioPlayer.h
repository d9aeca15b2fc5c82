// Contract of VeskAudioPlayer, the component that owns the output device. The control queues
// 16-bit blocks (SAFEARRAY of VT_I2, frames interleaved left first; borrowed for the call) and
// learns the play position from the events below, which arrive on the control's thread.
//
// Events: the component is an IConnectionPointContainer with one connection point for
// IID_VeskAudioPlayerEvents; sinks are IDispatch and get Invoke(dispid, integer arguments).
#pragma once

#include <cstdint>

#include "platform/automation/Bstr.h"
#include "platform/automation/SafeArray.h"
#include "platform/automation/Unknown.h"
#include "platform/automation/Variant.h"

namespace vesk {

// {F5A0C011-6A1B-4C3E-9C12-5645534B0011}
inline constexpr IID IID_VeskAudioPlayerEvents{
    0xF5A0C011, 0x6A1B, 0x4C3E, {0x9C, 0x12, 0x56, 0x45, 0x53, 0x4B, 0x00, 0x11}};

// Dispatch ids of the player's events.
namespace player_event {
inline constexpr DISPID kBlockDone = 1;      // a queued block has been played (no arguments)
inline constexpr DISPID kStarted = 2;        // the device has started (no arguments)
inline constexpr DISPID kPosition = 3;       // (frames played since start, left level, right level)
inline constexpr DISPID kQueueDrained = 4;   // every queued block has been played (no arguments)
inline constexpr DISPID kPlaybackEnded = 5;  // the device has stopped (no arguments)
}  // namespace player_event

struct IVeskAudioPlayer : IUnknown {
    // {F5A0C003-6A1B-4C3E-9C12-5645534B0003}
    static constexpr IID kIid{0xF5A0C003, 0x6A1B, 0x4C3E, {0x9C, 0x12, 0x56, 0x45, 0x53, 0x4B, 0x00, 0x03}};

    // --- Transport ------------------------------------------------------------------------
    // Format of the blocks queued from now on: rate in Hz, 1 or 2 channels.
    virtual HRESULT SetPlayFormat(int32_t hz, int32_t channels) = 0;
    // Which channels of a stereo block sound: 1 left, 2 right, 3 both.
    virtual HRESULT SetPlayChannels(int16_t which) = 0;
    // Opens the device; a failure is reported by GetPlayerError (OUTDRIVER when none works).
    virtual HRESULT StartPlayback() = 0;
    // Appends a block (copied) to the play queue.
    virtual HRESULT QueueBlock(SAFEARRAY* block) = 0;
    // Stops at once and drops the queue; harmless when idle.
    virtual HRESULT StopPlayback() = 0;
    // ErrorConstants value of the last StartPlayback, 0 when it succeeded.
    virtual HRESULT GetPlayerError(int32_t* errorCode) = 0;
    // The latest `count` samples (elements, all channels counted) sent to the device.
    virtual HRESULT GetCurrentPlayArray(int32_t count, SAFEARRAY** block) = 0;
    // Milliseconds between kPosition events.
    virtual HRESULT SetPlayerTimerInterval(int16_t milliseconds) = 0;
    // How long the reported levels hold their peaks, ms; 0 = the peak of each interval.
    virtual HRESULT SetPlayerLevelHold(int32_t milliseconds) = 0;

    // --- Devices and volume (DeviceOutput) ------------------------------------------------
    virtual HRESULT GetPlayDeviceCount(int16_t* count) = 0;
    // Current device, 0-based.
    virtual HRESULT GetPlayDeviceNum(int16_t* index) = 0;
    virtual HRESULT SetPlayDeviceNum(int16_t index) = 0;
    // Name of the current device ("" when there is none).
    virtual HRESULT GetPlayDeviceName(BSTR* name) = 0;
    // Output volume, 0 .. 65535.
    virtual HRESULT GetPlayVolume(int32_t* volume) = 0;
    virtual HRESULT SetPlayVolume(int32_t volume) = 0;

    // --- Mixer lines of the current device (DeviceOutput.DeviceLines) ---------------------
    virtual HRESULT GetOutputLineCount(int16_t* count) = 0;
    // Current line, 0-based.
    virtual HRESULT GetOutputLineNum(int16_t* index) = 0;
    virtual HRESULT SelectOutputLine(int16_t index) = 0;
    virtual HRESULT GetLineName(BSTR* name) = 0;
    // Advanced controls of the current line, by 0-based index.
    virtual HRESULT GetLineAdvancedCount(int16_t* count) = 0;
    virtual HRESULT GetLineAdvancedName(int16_t index, BSTR* name) = 0;
    virtual HRESULT GetLineAdvancedValue(int16_t index, VARIANT* value) = 0;
    virtual HRESULT SetLineAdvancedValue(int16_t index, VARIANT value) = 0;  // value borrowed
    // Balance of the current line, -100 (left) .. 100 (right).
    virtual HRESULT GetLineBalance(int16_t* balance) = 0;
    virtual HRESULT SetLineBalance(int16_t balance) = 0;
    // Volume of the current line, 0 .. 65535.
    virtual HRESULT GetLineVolume(int32_t* volume) = 0;
    virtual HRESULT SetLineVolume(int32_t volume) = 0;
    // Whether the current line is switched on (automation boolean).
    virtual HRESULT GetLineSelected(VARIANT_BOOL* selected) = 0;
    virtual HRESULT SetLineSelected(VARIANT_BOOL selected) = 0;

protected:
    ~IVeskAudioPlayer() = default;
};

}  // namespace vesk
