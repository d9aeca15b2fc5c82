#include "components/minimal/MinimalAudioFile.h"

#include "components/ComponentErrors.h"
#include "platform/automation/OutParam.h"

namespace vesk {

MinimalAudioFile::MinimalAudioFile() : lame_(MakeCom<LameSettingsStore>()) {}

// --- Decoding: no decoder is available, so nothing is ever open -------------------------

HRESULT MinimalAudioFile::OpenForDecoding(BSTR, int32_t, int32_t) {
    lastError_ = component_error::kFormatNotSupport;
    return S_OK;
}

// With no source open, the rate asked for is the output rate (a save scales markers by it).
HRESULT MinimalAudioFile::GetFrequency(int32_t* hz) { return WriteOut(hz, format_.frequencyHz); }
HRESULT MinimalAudioFile::GetChannels(int32_t* channels) { return WriteOut(channels, 0); }
HRESULT MinimalAudioFile::GetBitsPerSample(int32_t* bits) { return WriteOut(bits, 0); }
HRESULT MinimalAudioFile::GetLength(int32_t* frames) { return WriteOut(frames, 0); }
HRESULT MinimalAudioFile::GetPcmFlag(int32_t* isPcm) { return WriteOut(isPcm, 0); }

// An empty block: the caller's decoding loop ends at once.
HRESULT MinimalAudioFile::ReadBlock(int32_t, SAFEARRAY** block) { return WriteOutEmptyBlock(block); }

HRESULT MinimalAudioFile::ConfigureInstance(int32_t mode) { return StoreValue(instanceMode_, mode); }

// --- Encoding: no encoder is available ----------------------------------------------------

HRESULT MinimalAudioFile::OpenForEncoding(BSTR, int32_t) {
    lastError_ = component_error::kFormatNotSupport;
    return S_OK;
}

HRESULT MinimalAudioFile::SetInputFormat(int32_t hz, int32_t channels) {
    inputHz_ = hz;
    inputChannels_ = channels;
    return S_OK;
}

HRESULT MinimalAudioFile::WriteBlock(SAFEARRAY*) { return S_OK; }
HRESULT MinimalAudioFile::CloseFile() { return S_OK; }
HRESULT MinimalAudioFile::GetLastError(int32_t* errorCode) { return WriteOut(errorCode, lastError_); }
HRESULT MinimalAudioFile::GetFormatString(BSTR* text) { return WriteOutText(text, format_.Describe()); }

// --- Output format --------------------------------------------------------------------------

HRESULT MinimalAudioFile::Hold(const OutputFormat& format, int32_t* result) {
    format_ = format;
    if (result) *result = component_error::kNone;
    return S_OK;
}

HRESULT MinimalAudioFile::SetOutputFormatPCM(int32_t hz, int32_t channels, int32_t bitsPerSample, int32_t* result) {
    return Hold({.codec = OutputCodec::Pcm, .frequencyHz = hz, .channels = channels, .bitsPerSample = bitsPerSample},
                result);
}

HRESULT MinimalAudioFile::SetOutputFormatRAW(int32_t rawCompress, int32_t hz, int32_t channels, int32_t bitsPerSample,
                                             int32_t* result) {
    return Hold({.codec = OutputCodec::Raw,
                 .frequencyHz = hz,
                 .channels = channels,
                 .bitsPerSample = bitsPerSample,
                 .rawCompress = rawCompress},
                result);
}

HRESULT MinimalAudioFile::SetOutputFormatMP3(int32_t hz, int32_t kbps, int32_t channels, int32_t* result) {
    return Hold({.codec = OutputCodec::Mp3, .frequencyHz = hz, .channels = channels, .bitrateKbps = kbps}, result);
}

HRESULT MinimalAudioFile::SetOutputFormatMP2(int32_t hz, int32_t kbps, int16_t channels, int32_t* result) {
    return Hold({.codec = OutputCodec::Mp2, .frequencyHz = hz, .channels = channels, .bitrateKbps = kbps}, result);
}

HRESULT MinimalAudioFile::SetOutputFormatOggVorbis(int32_t hz, int32_t channels, int32_t nominalKbps, int32_t minKbps,
                                                   int32_t maxKbps, int16_t quality, int32_t* result) {
    return Hold({.codec = OutputCodec::OggVorbis,
                 .frequencyHz = hz,
                 .channels = channels,
                 .bitrateKbps = nominalKbps,
                 .minBitrateKbps = minKbps,
                 .maxBitrateKbps = maxKbps,
                 .quality = quality},
                result);
}

HRESULT MinimalAudioFile::SetOutputFormatADPCM(int32_t hz, int32_t channels, int32_t* result) {
    return Hold({.codec = OutputCodec::Adpcm, .frequencyHz = hz, .channels = channels, .bitsPerSample = 4}, result);
}

HRESULT MinimalAudioFile::SetOutputFormatALAW(int32_t hz, int32_t channels, int32_t* result) {
    return Hold({.codec = OutputCodec::ALaw, .frequencyHz = hz, .channels = channels, .bitsPerSample = 8}, result);
}

HRESULT MinimalAudioFile::SetOutputFormatULAW(int32_t hz, int32_t channels, int32_t* result) {
    return Hold({.codec = OutputCodec::ULaw, .frequencyHz = hz, .channels = channels, .bitsPerSample = 8}, result);
}

// The telephony codecs below are mono only.
HRESULT MinimalAudioFile::SetOutputFormatGSM(int32_t hz, int32_t* result) {
    return Hold({.codec = OutputCodec::Gsm, .frequencyHz = hz, .channels = 1}, result);
}

HRESULT MinimalAudioFile::SetOutputFormatVOX(int32_t hz, int32_t* result) {
    return Hold({.codec = OutputCodec::Vox, .frequencyHz = hz, .channels = 1, .bitsPerSample = 4}, result);
}

HRESULT MinimalAudioFile::SetOutputFormatG721(int32_t hz, int32_t* result) {
    return Hold({.codec = OutputCodec::G721, .frequencyHz = hz, .channels = 1, .bitsPerSample = 4}, result);
}

HRESULT MinimalAudioFile::SetOutputFormatG723(int32_t hz, int32_t bitsPerSample, int32_t* result) {
    return Hold({.codec = OutputCodec::G723, .frequencyHz = hz, .channels = 1, .bitsPerSample = bitsPerSample}, result);
}

HRESULT MinimalAudioFile::SetOutputFormatG726(int32_t hz, int32_t bitsPerSample, int32_t* result) {
    return Hold({.codec = OutputCodec::G726, .frequencyHz = hz, .channels = 1, .bitsPerSample = bitsPerSample}, result);
}

// ALF2CD carries CD audio: 44100 Hz stereo at the chosen bitrate.
HRESULT MinimalAudioFile::SetOutputFormatALF2CD(int32_t bitrateCode, int32_t* result) {
    return Hold({.codec = OutputCodec::Alf2Cd,
                 .frequencyHz = 44100,
                 .channels = 2,
                 .bitrateKbps = OutputFormat::Alf2CdKbps(bitrateCode)},
                result);
}

HRESULT MinimalAudioFile::SetOutputFormatDSP(int32_t* result) {
    return Hold({.codec = OutputCodec::Dsp, .frequencyHz = 8000, .channels = 1}, result);
}

// Taking a file's format needs a decoder to read it: the format stays as it was.
HRESULT MinimalAudioFile::SetOutputFormatLikeSample(BSTR, int32_t* result) {
    if (result) *result = component_error::kFormatNotSupport;
    return S_OK;
}

// There is no user to ask here: the format stays as it was.
HRESULT MinimalAudioFile::ChooseFormatFromMenu(int32_t* result) {
    if (result) *result = component_error::kNone;
    return S_OK;
}

HRESULT MinimalAudioFile::GetLameSettings(IVeskLameSettings** settings) {
    if (!settings) return E_POINTER;
    *settings = lame_.get();
    lame_->AddRef();
    return S_OK;
}

// --- MP3 codec choice and availability --------------------------------------------------------

HRESULT MinimalAudioFile::GetMp3Encoder(int32_t* encoder) { return WriteOut(encoder, mp3Encoder_); }

HRESULT MinimalAudioFile::SetMp3Encoder(int32_t encoder) { return StoreValue(mp3Encoder_, encoder); }

HRESULT MinimalAudioFile::GetMp3Decoder(int32_t* decoder) { return WriteOut(decoder, mp3Decoder_); }

HRESULT MinimalAudioFile::SetMp3Decoder(int32_t decoder) { return StoreValue(mp3Decoder_, decoder); }

HRESULT MinimalAudioFile::IsAvailableMpeg(int32_t, int32_t, int32_t, VARIANT_BOOL* available) {
    return WriteOut(available, VARIANT_FALSE);
}

HRESULT MinimalAudioFile::IsAvailableOggVorbis(int32_t, int32_t, int32_t, int32_t, int32_t, VARIANT_BOOL* available) {
    return WriteOut(available, VARIANT_FALSE);
}

}  // namespace vesk
