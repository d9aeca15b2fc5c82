// WmaCodec on FFmpeg: decodes WMA files (ASF) into 16-bit blocks and encodes 16-bit blocks into
// WMA v2 files in one of the numbered profiles of WmaProfiles.h. One file is open at a time,
// for decoding or for encoding; opening another closes it.
#pragma once

#include <cstdint>
#include <memory>

#include "components/WmaCodec.h"
#include "components/wma/WmaDecoder.h"
#include "components/wma/WmaEncoder.h"

namespace vesk {

class FfmpegWmaCodec : public RefCounted, public IWmaCodec {
public:
    FfmpegWmaCodec() = default;
    VESK_IUNKNOWN_IMPL(FfmpegWmaCodec, IWmaCodec)

    HRESULT OpenForDecoding(BSTR fileName, int32_t* errorCode) override;
    HRESULT GetFrequency(int32_t* hz) override;
    HRESULT GetChannels(int32_t* channels) override;
    HRESULT GetLength(int32_t* frames) override;
    // Whole frames only: `bytes` is rounded down to a multiple of the frame size.
    HRESULT ReadBlock(int32_t bytes, SAFEARRAY** block) override;

    // Until this is called, the blocks are taken to be in the profile's own format.
    HRESULT SetInputFormat(int32_t hz, int32_t channels) override;
    HRESULT OpenForEncoding(BSTR fileName, int32_t* errorCode) override;
    HRESULT WriteBlock(SAFEARRAY* block) override;

    HRESULT GetProfile(int32_t* profile) override;
    // A number outside the table keeps the current profile and reports INVALIDPARAM.
    HRESULT SetProfile(int32_t profile) override;
    HRESULT GetFormatString(BSTR* text) override;
    HRESULT GetLastError(int32_t* errorCode) override;
    HRESULT CloseFile() override;

private:
    // Records the outcome of an open in lastError_ and the caller's error variable.
    HRESULT ReportOpen(int32_t error, int32_t* errorCode);
    WmaProfile CurrentProfile() const;

    std::unique_ptr<WmaDecoder> decoder_;  // while a file is open for decoding
    std::unique_ptr<WmaEncoder> encoder_;  // while a file is open for encoding
    int32_t profile_ = WmaProfiles::kDefault;
    int32_t inputHz_ = 0;  // 0: the profile's rate and channels
    int32_t inputChannels_ = 0;
    int32_t lastError_ = 0;
};

}  // namespace vesk
