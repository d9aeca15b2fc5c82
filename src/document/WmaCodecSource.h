// The WMA codec as a block source, read in blocks of rate bytes. The codec is created for one
// open and released with the source.
#pragma once

#include "components/WmaCodec.h"
#include "document/BlockSource.h"

namespace vesk {

class WmaCodecSource final : public BlockSource {
public:
    // codec: a fresh codec (not nullptr).
    WmaCodecSource(ComPtr<IWmaCodec> codec, std::string fileName)
        : codec_(std::move(codec)), fileName_(std::move(fileName)) {}

    int32_t Open() override;
    SourceFormat Format() override;
    int32_t BlockBytes() const override { return frequency_; }
    SafeArrayPtr Read(int32_t bytes) override;
    void Adopt(Document& document) override;
    void Close() override { codec_->CloseFile(); }
    int32_t WorkingFileError() const override;

private:
    ComPtr<IWmaCodec> codec_;
    std::string fileName_;
    int32_t frequency_ = 0;
};

}  // namespace vesk
