#include "components/file/AudioFileComponent.h"

#include <algorithm>
#include <cstdint>

#include "components/ComponentErrors.h"
#include "components/file/DecoderSelection.h"
#include "components/file/EncoderFactory.h"
#include "components/file/MpegEncoderLimits.h"
#include "platform/automation/OutParam.h"

namespace vesk {

AudioFileComponent::AudioFileComponent() : lame_(MakeCom<LameSettingsStore>()) {}

AudioFileComponent::~AudioFileComponent() { CloseSessions(); }

// --- Decoding --------------------------------------------------------------------------------

HRESULT AudioFileComponent::OpenForDecoding(BSTR fileName, int32_t formatType, int32_t) {
    CloseSessions();
    std::unique_ptr<AudioDecoder> decoder = DecoderSelection::Open(BstrToUtf8(fileName), formatType, &lastError_);
    if (!decoder) return S_OK;
    decoding_ = std::make_unique<DecodeSession>(std::move(decoder));
    return S_OK;
}

// With no source open, the rate asked for is the output rate (a save scales markers by it).
HRESULT AudioFileComponent::GetFrequency(int32_t* hz) {
    return WriteOut(hz, decoding_ ? decoding_->Frequency() : format_.frequencyHz);
}

HRESULT AudioFileComponent::GetChannels(int32_t* channels) {
    return WriteOut(channels, decoding_ ? decoding_->Channels() : 0);
}

HRESULT AudioFileComponent::GetBitsPerSample(int32_t* bits) {
    return WriteOut(bits, decoding_ ? decoding_->Source().bitsPerSample : 0);
}

HRESULT AudioFileComponent::GetLength(int32_t* frames) {
    const int64_t length = decoding_ ? decoding_->LengthFrames() : 0;
    return WriteOut(frames, static_cast<int32_t>(std::clamp<int64_t>(length, 0, INT32_MAX)));
}

HRESULT AudioFileComponent::GetPcmFlag(int32_t* isPcm) {
    return WriteOut(isPcm, decoding_ && decoding_->Source().isPcm ? 1 : 0);
}

HRESULT AudioFileComponent::ReadBlock(int32_t bytes, SAFEARRAY** block) {
    if (!block) return E_POINTER;
    if (!decoding_) return WriteOutEmptyBlock(block);
    *block = decoding_->ReadBlock(bytes);
    if (decoding_->ReadFailed()) lastError_ = component_error::kFileAccess;
    return *block ? S_OK : E_OUTOFMEMORY;
}

// A fresh start for a one-off decode: nothing open, no error, the source's own format.
HRESULT AudioFileComponent::ConfigureInstance(int32_t mode) {
    CloseSessions();
    lastError_ = component_error::kNone;
    inputHz_ = 0;
    inputChannels_ = 0;
    instanceMode_ = mode;
    return S_OK;
}

// --- Encoding --------------------------------------------------------------------------------

EncoderInput AudioFileComponent::Input() const {
    return {.frequency = inputHz_ > 0 ? inputHz_ : format_.frequencyHz,
            .channels = inputChannels_ > 0 ? inputChannels_ : std::clamp(format_.channels, 1, 2)};
}

HRESULT AudioFileComponent::OpenForEncoding(BSTR fileName, int32_t formatType) {
    CloseSessions();
    encoding_ = std::make_unique<EncodeSession>();
    lastError_ = encoding_->Open(BstrToUtf8(fileName), format_, formatType, Input(), &lame_->Values());
    if (lastError_ != component_error::kNone) encoding_.reset();
    return S_OK;
}

HRESULT AudioFileComponent::SetInputFormat(int32_t hz, int32_t channels) {
    if (hz <= 0 || channels < 1 || channels > 2) {
        lastError_ = component_error::kInvalidParam;
        return S_OK;
    }
    if (decoding_) {
        if (!decoding_->Deliver(hz, channels)) lastError_ = component_error::kFormatNotSupport;
        return S_OK;
    }
    inputHz_ = hz;
    inputChannels_ = channels;
    if (encoding_) {
        const int32_t result = encoding_->ChangeInput(Input());
        if (result != component_error::kNone) lastError_ = result;
    }
    return S_OK;
}

HRESULT AudioFileComponent::WriteBlock(SAFEARRAY* block) {
    if (encoding_ && !encoding_->Write(block)) lastError_ = component_error::kFileAccess;
    return S_OK;
}

bool AudioFileComponent::CloseSessions() {
    decoding_.reset();
    const bool finished = !encoding_ || encoding_->Close();
    encoding_.reset();
    return finished;
}

HRESULT AudioFileComponent::CloseFile() {
    if (!CloseSessions()) lastError_ = component_error::kFileAccess;
    return S_OK;
}

HRESULT AudioFileComponent::GetLastError(int32_t* errorCode) { return WriteOut(errorCode, lastError_); }

HRESULT AudioFileComponent::GetFormatString(BSTR* text) {
    return WriteOutText(text, decoding_ ? decoding_->Source().formatText : format_.Describe());
}

// --- Output format --------------------------------------------------------------------------

HRESULT AudioFileComponent::Hold(const OutputFormat& format, int32_t* result) {
    format_ = format;
    if (result) *result = component_error::kNone;
    return S_OK;
}

HRESULT AudioFileComponent::SetOutputFormatPCM(int32_t hz, int32_t channels, int32_t bitsPerSample, int32_t* result) {
    return Hold({.codec = OutputCodec::Pcm, .frequencyHz = hz, .channels = channels, .bitsPerSample = bitsPerSample},
                result);
}

HRESULT AudioFileComponent::SetOutputFormatRAW(int32_t rawCompress, int32_t hz, int32_t channels, int32_t bitsPerSample,
                                             int32_t* result) {
    return Hold({.codec = OutputCodec::Raw,
                 .frequencyHz = hz,
                 .channels = channels,
                 .bitsPerSample = bitsPerSample,
                 .rawCompress = rawCompress},
                result);
}

// MPEG audio is held as the nearest setting the encoder writes (MPEG-2.5 at 8000 Hz goes up to
// 64 kbps, for instance), so that the format text tells what a save will write and the save
// does not fail. The MP3 encoder reads its rate, bitrate and channels from the settings object,
// which therefore follows this setter (a host may still change them there afterwards).
HRESULT AudioFileComponent::SetOutputFormatMP3(int32_t hz, int32_t kbps, int32_t channels, int32_t* result) {
    const MpegSetting mp3 = MpegEncoderLimits::NearestLayerThree(hz, kbps, channels);
    lame_->put_Frequency(mp3.hz);
    lame_->put_Bitrate(mp3.kbps);
    lame_->put_Channels(mp3.channels);
    return Hold({.codec = OutputCodec::Mp3, .frequencyHz = mp3.hz, .channels = mp3.channels, .bitrateKbps = mp3.kbps},
                result);
}

HRESULT AudioFileComponent::SetOutputFormatMP2(int32_t hz, int32_t kbps, int16_t channels, int32_t* result) {
    const MpegSetting mp2 = MpegEncoderLimits::NearestLayerTwo(hz, kbps, channels);
    return Hold({.codec = OutputCodec::Mp2, .frequencyHz = mp2.hz, .channels = mp2.channels, .bitrateKbps = mp2.kbps},
                result);
}

HRESULT AudioFileComponent::SetOutputFormatOggVorbis(int32_t hz, int32_t channels, int32_t nominalKbps, int32_t minKbps,
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

HRESULT AudioFileComponent::SetOutputFormatADPCM(int32_t hz, int32_t channels, int32_t* result) {
    return Hold({.codec = OutputCodec::Adpcm, .frequencyHz = hz, .channels = channels, .bitsPerSample = 4}, result);
}

HRESULT AudioFileComponent::SetOutputFormatALAW(int32_t hz, int32_t channels, int32_t* result) {
    return Hold({.codec = OutputCodec::ALaw, .frequencyHz = hz, .channels = channels, .bitsPerSample = 8}, result);
}

HRESULT AudioFileComponent::SetOutputFormatULAW(int32_t hz, int32_t channels, int32_t* result) {
    return Hold({.codec = OutputCodec::ULaw, .frequencyHz = hz, .channels = channels, .bitsPerSample = 8}, result);
}

// The telephony codecs below are mono only.
HRESULT AudioFileComponent::SetOutputFormatGSM(int32_t hz, int32_t* result) {
    return Hold({.codec = OutputCodec::Gsm, .frequencyHz = hz, .channels = 1}, result);
}

HRESULT AudioFileComponent::SetOutputFormatVOX(int32_t hz, int32_t* result) {
    return Hold({.codec = OutputCodec::Vox, .frequencyHz = hz, .channels = 1, .bitsPerSample = 4}, result);
}

HRESULT AudioFileComponent::SetOutputFormatG721(int32_t hz, int32_t* result) {
    return Hold({.codec = OutputCodec::G721, .frequencyHz = hz, .channels = 1, .bitsPerSample = 4}, result);
}

HRESULT AudioFileComponent::SetOutputFormatG723(int32_t hz, int32_t bitsPerSample, int32_t* result) {
    return Hold({.codec = OutputCodec::G723, .frequencyHz = hz, .channels = 1, .bitsPerSample = bitsPerSample}, result);
}

HRESULT AudioFileComponent::SetOutputFormatG726(int32_t hz, int32_t bitsPerSample, int32_t* result) {
    return Hold({.codec = OutputCodec::G726, .frequencyHz = hz, .channels = 1, .bitsPerSample = bitsPerSample}, result);
}

// ALF2CD carries CD audio: 44100 Hz stereo at the chosen bitrate.
HRESULT AudioFileComponent::SetOutputFormatALF2CD(int32_t bitrateCode, int32_t* result) {
    return Hold({.codec = OutputCodec::Alf2Cd,
                 .frequencyHz = 44100,
                 .channels = 2,
                 .bitrateKbps = OutputFormat::Alf2CdKbps(bitrateCode)},
                result);
}

HRESULT AudioFileComponent::SetOutputFormatDSP(int32_t* result) {
    return Hold({.codec = OutputCodec::Dsp, .frequencyHz = 8000, .channels = 1}, result);
}

// The file's own format: its codec (lossless sources as PCM), rate, channels, sample size and
// bitrate. A file that cannot be read leaves the format as it was.
HRESULT AudioFileComponent::SetOutputFormatLikeSample(BSTR fileName, int32_t* result) {
    int32_t error = component_error::kNone;
    std::unique_ptr<AudioDecoder> decoder = DecoderSelection::Open(BstrToUtf8(fileName), 0, &error);
    if (!decoder) {
        lastError_ = error;
        if (result) *result = error;
        return S_OK;
    }
    const SourceInfo& source = decoder->Info();
    return Hold({.codec = source.codec,
                 .frequencyHz = source.frequency,
                 .channels = source.channels,
                 .bitsPerSample = source.bitsPerSample,
                 .bitrateKbps = source.bitrateKbps},
                result);
}

// There is no user to ask here: the format stays as it was.
HRESULT AudioFileComponent::ChooseFormatFromMenu(int32_t* result) {
    if (result) *result = component_error::kNone;
    return S_OK;
}

HRESULT AudioFileComponent::GetLameSettings(IVeskLameSettings** settings) {
    if (!settings) return E_POINTER;
    *settings = lame_.get();
    lame_->AddRef();
    return S_OK;
}

// --- MP3 codec choice and availability --------------------------------------------------------

HRESULT AudioFileComponent::GetMp3Encoder(int32_t* encoder) { return WriteOut(encoder, mp3Encoder_); }

HRESULT AudioFileComponent::SetMp3Encoder(int32_t encoder) { return StoreValue(mp3Encoder_, encoder); }

HRESULT AudioFileComponent::GetMp3Decoder(int32_t* decoder) { return WriteOut(decoder, mp3Decoder_); }

HRESULT AudioFileComponent::SetMp3Decoder(int32_t decoder) { return StoreValue(mp3Decoder_, decoder); }

HRESULT AudioFileComponent::IsAvailableMpeg(int32_t hz, int32_t kbps, int32_t channels, VARIANT_BOOL* available) {
    return WriteOut(available, CanEncodeMpeg(hz, kbps, channels) ? VARIANT_TRUE : VARIANT_FALSE);
}

HRESULT AudioFileComponent::IsAvailableOggVorbis(int32_t hz, int32_t channels, int32_t nominalKbps, int32_t minKbps,
                                                 int32_t maxKbps, VARIANT_BOOL* available) {
    const bool possible = CanEncodeOggVorbis(hz, channels, nominalKbps, minKbps, maxKbps);
    return WriteOut(available, possible ? VARIANT_TRUE : VARIANT_FALSE);
}

}  // namespace vesk
