// The file component as a block sink: the output format it holds (the last SetFormat), the
// container chosen by the file name's extension and formatType, in blocks of one second of
// stereo sound (4 × the document's rate bytes).
#pragma once

#include "components/VeskAudioFile.h"
#include "document/BlockSink.h"

namespace vesk {

class FileComponentSink final : public BlockSink {
public:
    // file outlives the sink; frequency and channels are the document's.
    FileComponentSink(IVeskAudioFile& file, int32_t formatType, int32_t frequency, int32_t channels)
        : file_(file), formatType_(formatType), frequency_(frequency), channels_(channels) {}

    int32_t Open(const std::string& path) override;
    int32_t OutputFrequency() override;
    int32_t BlockBytes() const override { return 4 * frequency_; }
    int32_t Write(SAFEARRAY* block) override;
    int32_t Close() override;
    bool CarriesMarkers() const override { return true; }

private:
    int32_t LastError();

    IVeskAudioFile& file_;
    int32_t formatType_;
    int32_t frequency_;
    int32_t channels_;
};

}  // namespace vesk
