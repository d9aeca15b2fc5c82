// Contract of CdReader, the component that copies an audio CD track into a wave file. The
// control creates it only while it opens a ".cda" name, advises a sink on it for the progress
// event, and releases it afterwards.
//
// Events: the component is an IConnectionPointContainer with one connection point for
// IID_CdReaderEvents; sinks are IDispatch and get Invoke(dispid, integer arguments).
#pragma once

#include <cstdint>

#include "platform/automation/Bstr.h"
#include "platform/automation/Unknown.h"

namespace vesk {

// {F5A0C014-6A1B-4C3E-9C12-5645534B0014}
inline constexpr IID IID_CdReaderEvents{0xF5A0C014, 0x6A1B, 0x4C3E, {0x9C, 0x12, 0x56, 0x45, 0x53, 0x4B, 0x00, 0x14}};

// Dispatch ids of the CD reader's events.
namespace cd_reader_event {
inline constexpr DISPID kProgress = 2;  // (percent 0..100 of the track copied)
}  // namespace cd_reader_event

struct ICdReader : IUnknown {
    // {F5A0C007-6A1B-4C3E-9C12-5645534B0007}
    static constexpr IID kIid{0xF5A0C007, 0x6A1B, 0x4C3E, {0x9C, 0x12, 0x56, 0x45, 0x53, 0x4B, 0x00, 0x07}};

    // Number of CD drives found.
    virtual HRESULT GetDriveCount(int32_t* count) = 0;
    // Makes drive `index` (1-based) current.
    virtual HRESULT SelectDrive(int32_t index) = 0;
    // Name of the current drive, ending with the path separator.
    virtual HRESULT GetDriveName(BSTR* name) = 0;
    // Opens the current drive and reads its table of contents.
    virtual HRESULT OpenDrive() = 0;
    // Makes track `track` (1-based) current.
    virtual HRESULT SelectTrack(int32_t track) = 0;
    // Length of the current track in sample frames at 44100 Hz stereo.
    virtual HRESULT GetTrackLength(int32_t* frames) = 0;
    // Copy strategy of the next RipTrack: 1, 2, 3 for successively more careful reading.
    virtual HRESULT SetRipMode(int32_t mode) = 0;
    // Copies the current track into a 16-bit 44100 Hz stereo wave file named path + ".wav"
    // (path UTF-8), which is the name the control then gives its document.
    virtual HRESULT RipTrack(BSTR path) = 0;
    // ErrorConstants value of the last failure, 0 when the last operation succeeded.
    virtual HRESULT GetLastError(int32_t* errorCode) = 0;

protected:
    ~ICdReader() = default;
};

}  // namespace vesk
