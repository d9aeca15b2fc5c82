// Save: the whole sound, or the selection, encoded from the current working file into a file.
// The file's kind (its extension) chooses the block sink (file component or WMA codec); one
// encode loop moves the blocks, with progress after every block. The encoded file is written
// beside the target and replaces it only when it is complete, with its markers and tags: a
// failure leaves an existing target as it was. A cancel (Stop from a BlockOperation handler)
// keeps what was encoded so far. The document and its history never change.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "document/BlockSink.h"
#include "document/Document.h"
#include "document/WaveFile.h"

namespace vesk {

class SoundSaver {
public:
    // document outlives the saver.
    explicit SoundSaver(Document& document) : document_(document) {}

    // Precondition: a document is open and Status is Idle. selected: only the selection.
    // saveExtraInfo: markers and tags are written (the FileInfo sub-object's switch). Leaves the
    // failure in LastErrorNum; fires nothing itself.
    void Save(const std::string& fileName, bool selected, int32_t formatType, bool saveExtraInfo);

private:
    // nullptr when nothing can be written for this kind of file (a CD track, no WMA codec).
    std::unique_ptr<BlockSink> MakeSink(const std::string& fileName, int32_t formatType);
    bool IsWorkingFile(const std::string& path);
    // Encodes into `written`, then adds markers and tags; 0 or the first error.
    int32_t Write(BlockSink& sink, const std::string& written, bool selected, bool saveExtraInfo);
    // The one encode loop; 0 or the first error of the sink.
    int32_t Encode(BlockSink& sink, WaveFile& file, bool selected);

    Document& document_;
};

}  // namespace vesk
