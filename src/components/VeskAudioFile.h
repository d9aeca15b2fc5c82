// Contract of VeskAudioFile, the component that decodes and encodes every file format except
// WMA and CD tracks, and holds the output format in which the control saves.
//
// Sample blocks are one-dimensional SAFEARRAYs of VT_I2, lower bound 0, frames interleaved
// left first. A block passed in stays the caller's; a block passed out becomes the caller's.
// Operations do not report failures through their results: after OpenForDecoding and
// OpenForEncoding the caller asks GetLastError, which writes an ErrorConstants value.
#pragma once

#include <cstdint>

#include "components/LameSettings.h"
#include "platform/automation/Bstr.h"
#include "platform/automation/SafeArray.h"
#include "platform/automation/Unknown.h"

namespace vesk {

struct IVeskAudioFile : IUnknown {
    // {F5A0C001-6A1B-4C3E-9C12-5645534B0001}
    static constexpr IID kIid{0xF5A0C001, 0x6A1B, 0x4C3E, {0x9C, 0x12, 0x56, 0x45, 0x53, 0x4B, 0x00, 0x01}};

    // --- Decoding -------------------------------------------------------------------------
    // Opens fileName (UTF-8 path) for reading. formatType: FormatTypeConstants, 0 = detect.
    // mode: 1 = deliver 16-bit blocks in the source's (or SetInputFormat's) rate and channels.
    virtual HRESULT OpenForDecoding(BSTR fileName, int32_t formatType, int32_t mode) = 0;
    // Source sample rate in Hz while decoding; the output format's rate otherwise.
    virtual HRESULT GetFrequency(int32_t* hz) = 0;
    // Channel count of the delivered blocks, 1 or 2.
    virtual HRESULT GetChannels(int32_t* channels) = 0;
    // Bits per sample of the source.
    virtual HRESULT GetBitsPerSample(int32_t* bits) = 0;
    // Announced length of the source in sample frames (may be an estimate).
    virtual HRESULT GetLength(int32_t* frames) = 0;
    // 1 when the source is uncompressed PCM, so that its bits per sample are meaningful.
    virtual HRESULT GetPcmFlag(int32_t* isPcm) = 0;
    // Reads up to `bytes` bytes of 16-bit sound; a block of fewer than 2 elements ends the file.
    virtual HRESULT ReadBlock(int32_t bytes, SAFEARRAY** block) = 0;
    // Prepares a fresh instance for a one-off decode into the document's format (value 1).
    virtual HRESULT ConfigureInstance(int32_t mode) = 0;

    // --- Encoding -------------------------------------------------------------------------
    // Creates fileName in the held output format; formatType (FormatTypeConstants) may narrow
    // the container, 0 = decide by the output format and the extension.
    virtual HRESULT OpenForEncoding(BSTR fileName, int32_t formatType) = 0;
    // Rate (Hz) and channel count of the 16-bit blocks exchanged with the caller, both ways.
    virtual HRESULT SetInputFormat(int32_t hz, int32_t channels) = 0;
    // Encodes one block (borrowed).
    virtual HRESULT WriteBlock(SAFEARRAY* block) = 0;

    // --- Both -----------------------------------------------------------------------------
    // Closes what is open (decoder or encoder); harmless when nothing is.
    virtual HRESULT CloseFile() = 0;
    // ErrorConstants value of the last failure, 0 when the last open succeeded.
    virtual HRESULT GetLastError(int32_t* errorCode) = 0;
    // Readable description of the open source, else of the held output format.
    virtual HRESULT GetFormatString(BSTR* text) = 0;

    // --- Output format (each `result` is an output variable the control does not read) ------
    virtual HRESULT SetOutputFormatPCM(int32_t hz, int32_t channels, int32_t bitsPerSample, int32_t* result) = 0;
    // rawCompress: RawTypeCompressConstants (1 PCM, 2 A-law, 3 u-law, 4 GSM, 5 IMA, 6 MS ADPCM).
    virtual HRESULT SetOutputFormatRAW(int32_t rawCompress, int32_t hz, int32_t channels, int32_t bitsPerSample,
                                       int32_t* result) = 0;
    virtual HRESULT SetOutputFormatMP3(int32_t hz, int32_t kbps, int32_t channels, int32_t* result) = 0;
    virtual HRESULT SetOutputFormatMP2(int32_t hz, int32_t kbps, int16_t channels, int32_t* result) = 0;
    // Bitrates in kbps (0 = none given); quality -1 = not given.
    virtual HRESULT SetOutputFormatOggVorbis(int32_t hz, int32_t channels, int32_t nominalKbps, int32_t minKbps,
                                             int32_t maxKbps, int16_t quality, int32_t* result) = 0;
    virtual HRESULT SetOutputFormatADPCM(int32_t hz, int32_t channels, int32_t* result) = 0;
    virtual HRESULT SetOutputFormatALAW(int32_t hz, int32_t channels, int32_t* result) = 0;
    virtual HRESULT SetOutputFormatULAW(int32_t hz, int32_t channels, int32_t* result) = 0;
    virtual HRESULT SetOutputFormatGSM(int32_t hz, int32_t* result) = 0;
    virtual HRESULT SetOutputFormatVOX(int32_t hz, int32_t* result) = 0;
    virtual HRESULT SetOutputFormatG721(int32_t hz, int32_t* result) = 0;
    virtual HRESULT SetOutputFormatG723(int32_t hz, int32_t bitsPerSample, int32_t* result) = 0;
    virtual HRESULT SetOutputFormatG726(int32_t hz, int32_t bitsPerSample, int32_t* result) = 0;
    // bitrateCode: ALF2CDBitrateConstants (1 = 256, 2 = 320, 3 = 384 kbps; 4, nominally 512, is
    // above what MPEG-1 Layer II allows and also gives 384).
    virtual HRESULT SetOutputFormatALF2CD(int32_t bitrateCode, int32_t* result) = 0;
    virtual HRESULT SetOutputFormatDSP(int32_t* result) = 0;
    // Takes the format of an existing file.
    virtual HRESULT SetOutputFormatLikeSample(BSTR fileName, int32_t* result) = 0;
    // Lets the user choose interactively (headless: keeps the format).
    virtual HRESULT ChooseFormatFromMenu(int32_t* result) = 0;
    // The MP3 encoder settings object (a new reference; it lives as long as anyone holds it).
    virtual HRESULT GetLameSettings(IVeskLameSettings** settings) = 0;

    // --- MP3 codec choice and availability ------------------------------------------------
    // Mp3EncoderConstants: 1 system codec, 2 LAME.
    virtual HRESULT GetMp3Encoder(int32_t* encoder) = 0;
    virtual HRESULT SetMp3Encoder(int32_t encoder) = 0;
    // Mp3DecoderConstants: 1 system codec, 2 built-in decoder.
    virtual HRESULT GetMp3Decoder(int32_t* decoder) = 0;
    virtual HRESULT SetMp3Decoder(int32_t decoder) = 0;
    // Whether MPEG audio of that rate (Hz), bitrate (kbps) and channel count can be written.
    virtual HRESULT IsAvailableMpeg(int32_t hz, int32_t kbps, int32_t channels, VARIANT_BOOL* available) = 0;
    // Whether Ogg Vorbis with these parameters can be written (bitrates kbps, 0 = none).
    virtual HRESULT IsAvailableOggVorbis(int32_t hz, int32_t channels, int32_t nominalKbps, int32_t minKbps,
                                         int32_t maxKbps, VARIANT_BOOL* available) = 0;

protected:
    ~IVeskAudioFile() = default;
};

}  // namespace vesk
