// Open: a sound file becomes a new document. The file's kind (its extension) chooses the block
// source (file component, WMA codec, CD reader); one decode loop moves the blocks into a fresh
// working file, with the overview filled on the way and progress after every block, and the
// result becomes the only state of the history. Markers and tags are read afterwards.
//
// A cancel (Stop from a BlockOperation handler) keeps what was decoded so far as the document.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "document/BlockSource.h"
#include "document/Document.h"
#include "document/WaveFile.h"

namespace vesk {

class SoundLoader {
public:
    // document outlives the loader.
    explicit SoundLoader(Document& document) : document_(document) {}

    // Precondition: no document is open (the control closes it first). Leaves a document, or
    // none and the failure in LastErrorNum; fires nothing itself (the caller reports the error,
    // redraws and ends the operation).
    void Open(const std::string& fileName, int32_t formatType);

private:
    // nullptr when the component the kind needs cannot be created.
    std::unique_ptr<BlockSource> MakeSource(const std::string& fileName, int32_t formatType);
    // Decodes into the working file at `path` and pushes it as the document; false when it did
    // not become one.
    bool Load(BlockSource& source, const std::string& path);
    // The one decode loop; false when the working file could not take a block.
    bool Decode(BlockSource& source, WaveFile& file, int64_t expectedBytes);
    void ReadInformation(const std::string& fileName);

    Document& document_;
};

}  // namespace vesk
