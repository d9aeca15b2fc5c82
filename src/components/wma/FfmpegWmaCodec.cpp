#include "components/wma/FfmpegWmaCodec.h"

#include <algorithm>
#include <limits>
#include <vector>

#include "components/ComponentErrors.h"
#include "platform/automation/OutParam.h"

namespace vesk {
namespace {

int32_t ClampToInt32(int64_t value) {
    return static_cast<int32_t>(std::clamp<int64_t>(value, 0, std::numeric_limits<int32_t>::max()));
}

HRESULT WriteOutBlock(SAFEARRAY** block, const std::vector<int16_t>& samples) {
    if (!block) return E_POINTER;
    *block = SafeArrayCreateVector(VT_I2, 0, static_cast<uint32_t>(samples.size()));
    if (!*block) return E_OUTOFMEMORY;
    std::copy(samples.begin(), samples.end(), static_cast<int16_t*>((*block)->pvData));
    return S_OK;
}

}  // namespace

// --- Decoding -------------------------------------------------------------------------------

HRESULT FfmpegWmaCodec::OpenForDecoding(BSTR fileName, int32_t* errorCode) {
    CloseFile();
    auto decoder = std::make_unique<WmaDecoder>();
    int32_t error = decoder->Open(BstrToUtf8(fileName));
    if (error == component_error::kNone) decoder_ = std::move(decoder);
    return ReportOpen(error, errorCode);
}

HRESULT FfmpegWmaCodec::GetFrequency(int32_t* hz) { return WriteOut(hz, decoder_ ? decoder_->Info().frequencyHz : 0); }

HRESULT FfmpegWmaCodec::GetChannels(int32_t* channels) {
    return WriteOut(channels, decoder_ ? decoder_->Info().channels : 0);
}

HRESULT FfmpegWmaCodec::GetLength(int32_t* frames) {
    return WriteOut(frames, decoder_ ? ClampToInt32(decoder_->Info().lengthFrames) : 0);
}

HRESULT FfmpegWmaCodec::ReadBlock(int32_t bytes, SAFEARRAY** block) {
    std::vector<int16_t> samples;
    if (decoder_ && bytes > 0) {
        int32_t frameBytes = 2 * decoder_->Info().channels;
        decoder_->Read(bytes / frameBytes, samples);
        if (decoder_->ReadFailed()) lastError_ = component_error::kFileAccess;
    }
    return WriteOutBlock(block, samples);
}

// --- Encoding -------------------------------------------------------------------------------

HRESULT FfmpegWmaCodec::SetInputFormat(int32_t hz, int32_t channels) {
    if (hz <= 0 || channels < 1 || channels > 2) return StoreValue(lastError_, component_error::kInvalidParam);
    inputHz_ = hz;
    inputChannels_ = channels;
    return S_OK;
}

HRESULT FfmpegWmaCodec::OpenForEncoding(BSTR fileName, int32_t* errorCode) {
    CloseFile();
    WmaProfile profile = CurrentProfile();
    int32_t hz = inputHz_ > 0 ? inputHz_ : profile.frequencyHz;
    int32_t channels = inputHz_ > 0 ? inputChannels_ : profile.channels;
    auto encoder = std::make_unique<WmaEncoder>();
    int32_t error = encoder->Open(BstrToUtf8(fileName), profile, hz, channels);
    if (error == component_error::kNone) encoder_ = std::move(encoder);
    return ReportOpen(error, errorCode);
}

HRESULT FfmpegWmaCodec::WriteBlock(SAFEARRAY* block) {
    if (!encoder_) return StoreValue(lastError_, component_error::kInvalidOperation);
    if (!encoder_->Write(SafeArraySpan<const int16_t>(block, VT_I2))) lastError_ = component_error::kFileAccess;
    return S_OK;
}

// --- Both -----------------------------------------------------------------------------------

HRESULT FfmpegWmaCodec::GetProfile(int32_t* profile) {
    if (!decoder_) return WriteOut(profile, profile_);
    const WmaSourceInfo& info = decoder_->Info();
    return WriteOut(profile, WmaProfiles::Closest(info.frequencyHz, info.channels, info.kbps));
}

HRESULT FfmpegWmaCodec::SetProfile(int32_t profile) {
    if (!WmaProfiles::Find(profile)) return StoreValue(lastError_, component_error::kInvalidParam);
    return StoreValue(profile_, profile);
}

HRESULT FfmpegWmaCodec::GetFormatString(BSTR* text) {
    if (decoder_) {
        const WmaSourceInfo& info = decoder_->Info();
        return WriteOutText(text, DescribeWmaFormat(info.codecLabel, info.frequencyHz, info.kbps, info.channels));
    }
    WmaProfile profile = CurrentProfile();
    return WriteOutText(text, DescribeWmaFormat("WMA", profile.frequencyHz, profile.kbps, profile.channels));
}

HRESULT FfmpegWmaCodec::GetLastError(int32_t* errorCode) { return WriteOut(errorCode, lastError_); }

HRESULT FfmpegWmaCodec::CloseFile() {
    decoder_.reset();
    if (encoder_ && !encoder_->Close()) lastError_ = component_error::kFileAccess;
    encoder_.reset();
    return S_OK;
}

HRESULT FfmpegWmaCodec::ReportOpen(int32_t error, int32_t* errorCode) {
    lastError_ = error;
    if (errorCode) *errorCode = error;
    return S_OK;
}

WmaProfile FfmpegWmaCodec::CurrentProfile() const { return *WmaProfiles::Find(profile_); }

}  // namespace vesk
