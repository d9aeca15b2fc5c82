// The WMA codec as a block sink: the document's WmaProfile, in blocks of rate bytes. The codec
// is created for one save and released with the sink. WMA files carry tags but no markers.
#pragma once

#include "components/WmaCodec.h"
#include "document/BlockSink.h"

namespace vesk {

class WmaCodecSink final : public BlockSink {
public:
    // codec: a fresh codec (not nullptr); frequency and channels are the document's.
    WmaCodecSink(ComPtr<IWmaCodec> codec, int32_t profile, int32_t frequency, int32_t channels)
        : codec_(std::move(codec)), profile_(profile), frequency_(frequency), channels_(channels) {}

    int32_t Open(const std::string& path) override;
    int32_t OutputFrequency() override { return frequency_; }
    int32_t BlockBytes() const override { return frequency_; }
    int32_t Write(SAFEARRAY* block) override;
    int32_t Close() override;
    bool CarriesMarkers() const override { return false; }

private:
    int32_t LastError();

    ComPtr<IWmaCodec> codec_;
    int32_t profile_;
    int32_t frequency_;
    int32_t channels_;
};

}  // namespace vesk
