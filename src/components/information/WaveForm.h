// A WAVE file on disk seen as the list of its top-level chunks, in either of its two forms: RIFF,
// whose sizes are 32-bit, and RF64 (or its twin BW64), where a size of 0xFFFFFFFF means "see the
// ds64 chunk", which holds the 64-bit sizes of the form, of the sound and of any other chunk
// too large for 32 bits. Offsets and sizes are 64-bit here, so chunks behind more than 4 GiB of
// sound are found; every size is checked against the file's length, so a damaged header never
// makes a read run past the end or ask for more memory than the file holds.
//
// Rewriting keeps some chunks, moving them together behind the form header in their order, and
// appends new ones; the form size (in the header or in ds64) follows and the file is cut to
// its new end. Which chunks mean what is the callers' business.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "components/information/RawChunk.h"
#include "platform/io/ByteOrder.h"
#include "platform/io/RiffFile.h"

namespace vesk {

// One top-level chunk as it lies in the file.
struct WaveChunk {
    uint32_t id = 0;
    uint32_t formType = 0;      // LIST chunks only
    int64_t start = 0;          // offset of the header
    int64_t declaredBytes = 0;  // the payload size its header (or ds64) states
    int64_t payloadBytes = 0;   // as much of that as the form really holds
    int64_t bytes = 0;          // header, payload and pad byte, cut at the end of the form

    bool IsList(uint32_t form) const { return id == FourCC("LIST") && formType == form; }
    bool IsWhole() const { return payloadBytes == declaredBytes; }
};

class WaveForm {
public:
    // The largest payload Payload() hands out. The metadata chunks this serves are kilobytes;
    // a larger one is damage or hostility and must not make the caller hold gigabytes.
    static constexpr int64_t kMaxPayloadBytes = 16 << 20;

    // Opens the file and lists its chunks; false unless it is a RIFF or RF64 WAVE file.
    bool Open(const std::string& path, RiffOpenMode mode);
    bool IsRf64() const { return rf64_; }
    const std::vector<WaveChunk>& Chunks() const { return chunks_; }

    // The chunk's payload from `skipBytes` on, as far as the file holds it; empty when that is
    // more than kMaxPayloadBytes or cannot be read.
    std::vector<uint8_t> Payload(const WaveChunk& chunk, int64_t skipBytes = 0);

    // Keeps the chunks `keep` accepts (ds64 always stays first), appends `added` and closes the
    // file. False on an I/O error or when a RIFF form would outgrow 32 bits; the file may then
    // be partly rewritten.
    bool Rewrite(const std::function<bool(const WaveChunk&)>& keep, const std::vector<RawChunk>& added);

private:
    struct LargeSize {
        uint32_t id;
        int64_t bytes;
    };

    bool ReadFormHeader(int64_t fileBytes);
    int64_t ReadDs64();
    void ListChunks();
    int64_t ChunkSize(uint32_t id, uint32_t size32) const;
    bool CanRewrite(const std::vector<WaveChunk>& kept, const std::vector<RawChunk>& added) const;
    int64_t CompactChunks(const std::vector<WaveChunk>& kept);
    bool MoveChunk(const WaveChunk& chunk, int64_t to);
    bool DeclareHeldSize(const WaveChunk& chunk, int64_t at);
    bool Append(const RawChunk& chunk);
    bool WriteFormSize(int64_t fileBytes);

    RiffFile file_;
    std::string path_;
    bool rf64_ = false;
    bool complete_ = false;  // every chunk of the form is listed
    int64_t formEnd_ = 0;
    std::vector<LargeSize> largeSizes_;  // from ds64: the sound's size first, then its table
    std::vector<WaveChunk> chunks_;
};

}  // namespace vesk
