// A RIFF reader and writer on a BufferedFile: descend into a chunk, create a chunk, ascend out
// of it, beside the file's own read, write, seek, flush and close (which consult IoFaults).
//
// Not thread-safe: one thread uses a file at a time.
#pragma once

#include <cstdint>
#include <string>

#include "platform/io/BufferedFile.h"

namespace vesk {

// The RIFF code's names for the file's modes and origins.
using RiffOpenMode = FileMode;
using RiffSeek = FileSeek;

// A chunk as the file knows it: header fields plus where its payload starts.
struct RiffChunk {
    static constexpr uint32_t kDirty = 1;  // size must be rewritten on Ascend

    uint32_t id = 0;          // four-character code, e.g. FourCC("data")
    uint32_t size = 0;        // payload bytes (for RIFF/LIST it includes the form type)
    uint32_t formType = 0;    // RIFF and LIST chunks only
    uint32_t dataOffset = 0;  // file offset of the payload (of the form type for RIFF/LIST)
    uint32_t flags = 0;
};

class RiffFile : public BufferedFile {
public:
    // Enters the chunk that starts at the current position, reading its header (and the form
    // type of RIFF/LIST chunks); the position moves to the payload (after the form type).
    // With a parent, the chunk must start inside the parent's payload. False at the end.
    bool Descend(RiffChunk& chunk, const RiffChunk* parent = nullptr);
    // The same, skipping chunks until one with this id is found.
    bool DescendToChunk(RiffChunk& chunk, const RiffChunk* parent, uint32_t id);
    // The same, skipping chunks until a RIFF form of this form type is found.
    bool DescendToForm(RiffChunk& chunk, const RiffChunk* parent, uint32_t formType);

    // Writes a header for chunk.id with size 0 at the current position (with form != 0: a RIFF
    // header with that form type) and marks the chunk dirty; the position is its payload.
    bool CreateChunk(RiffChunk& chunk, uint32_t formType = 0);
    // Leaves the chunk: when it is dirty, its size becomes current position − payload offset, an
    // odd size gets a pad byte and the header is rewritten. Moves to the end of the chunk (after
    // the pad byte).
    bool Ascend(RiffChunk& chunk);

private:
    template <class Matches>
    bool DescendMatching(RiffChunk& chunk, const RiffChunk* parent, Matches matches);
    bool ReadHeader(RiffChunk& chunk, const RiffChunk* parent);
    bool SkipChunk(const RiffChunk& chunk);
    bool WriteSize(const RiffChunk& chunk);
};

}  // namespace vesk
