// Contract of WmaCodec, the component that decodes and encodes Windows Media Audio files. The
// control creates it only when a ".wma" file is opened or saved, or a WMA profile is chosen,
// and releases it afterwards. Blocks are SAFEARRAYs of VT_I2, frames interleaved left first;
// a block passed in is borrowed, a block passed out becomes the caller's.
#pragma once

#include <cstdint>

#include "platform/automation/Bstr.h"
#include "platform/automation/SafeArray.h"
#include "platform/automation/Unknown.h"

namespace vesk {

struct IWmaCodec : IUnknown {
    // {F5A0C006-6A1B-4C3E-9C12-5645534B0006}
    static constexpr IID kIid{0xF5A0C006, 0x6A1B, 0x4C3E, {0x9C, 0x12, 0x56, 0x45, 0x53, 0x4B, 0x00, 0x06}};

    // --- Decoding -------------------------------------------------------------------------
    // Opens fileName (UTF-8 path); *errorCode receives an ErrorConstants value (0 = opened).
    virtual HRESULT OpenForDecoding(BSTR fileName, int32_t* errorCode) = 0;
    // Sample rate of the source, Hz.
    virtual HRESULT GetFrequency(int32_t* hz) = 0;
    // Channel count of the source, 1 or 2.
    virtual HRESULT GetChannels(int32_t* channels) = 0;
    // Length of the source in sample frames.
    virtual HRESULT GetLength(int32_t* frames) = 0;
    // Reads up to `bytes` bytes of 16-bit sound; a block of fewer than 2 elements ends the file.
    virtual HRESULT ReadBlock(int32_t bytes, SAFEARRAY** block) = 0;

    // --- Encoding -------------------------------------------------------------------------
    // Rate (Hz) and channel count of the blocks that WriteBlock will get.
    virtual HRESULT SetInputFormat(int32_t hz, int32_t channels) = 0;
    // Creates fileName in the current profile; *errorCode as for OpenForDecoding.
    virtual HRESULT OpenForEncoding(BSTR fileName, int32_t* errorCode) = 0;
    // Encodes one block (borrowed).
    virtual HRESULT WriteBlock(SAFEARRAY* block) = 0;

    // --- Both -----------------------------------------------------------------------------
    // Profile number: of the open source when decoding, the one used for encoding otherwise.
    virtual HRESULT GetProfile(int32_t* profile) = 0;
    virtual HRESULT SetProfile(int32_t profile) = 0;
    // Readable description of the open source, else of the current profile.
    virtual HRESULT GetFormatString(BSTR* text) = 0;
    // ErrorConstants value of the last failure, 0 when the last open succeeded.
    virtual HRESULT GetLastError(int32_t* errorCode) = 0;
    // Closes what is open; harmless when nothing is.
    virtual HRESULT CloseFile() = 0;

protected:
    ~IWmaCodec() = default;
};

}  // namespace vesk
