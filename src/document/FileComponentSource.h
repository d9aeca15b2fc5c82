// The file component as a block source: any format it decodes, read in blocks of one second of
// stereo sound (4 × rate bytes).
#pragma once

#include "components/VeskAudioFile.h"
#include "document/BlockSource.h"

namespace vesk {

class FileComponentSource final : public BlockSource {
public:
    // file outlives the source; formatType is handed to the component unchanged.
    FileComponentSource(IVeskAudioFile& file, std::string fileName, int32_t formatType)
        : file_(file), fileName_(std::move(fileName)), formatType_(formatType) {}

    int32_t Open() override;
    SourceFormat Format() override;
    int32_t BlockBytes() const override { return 4 * frequency_; }
    SafeArrayPtr Read(int32_t bytes) override;
    void Adopt(Document& document) override;
    void Close() override { file_.CloseFile(); }
    // A general open whose working file cannot be made ends without an error code.
    int32_t WorkingFileError() const override { return 0; }

private:
    IVeskAudioFile& file_;
    std::string fileName_;
    int32_t formatType_;
    int32_t frequency_ = 0;
};

}  // namespace vesk
