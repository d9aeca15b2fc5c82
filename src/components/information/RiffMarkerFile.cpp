#include "components/information/RiffMarkerFile.h"

#include <algorithm>
#include <cstdint>

#include "components/information/RiffMarkerCodec.h"
#include "platform/io/ByteOrder.h"
#include "platform/io/FileLength.h"
#include "platform/io/RiffFile.h"

namespace vesk {
namespace {

constexpr uint32_t kRiff = FourCC("RIFF");
constexpr uint32_t kWave = FourCC("WAVE");
constexpr uint32_t kCue = FourCC("cue ");
constexpr uint32_t kList = FourCC("LIST");
constexpr uint32_t kAdtl = FourCC("adtl");
constexpr int64_t kFormHeaderBytes = 12;  // "RIFF", size, "WAVE"
constexpr int64_t kChunkHeaderBytes = 8;
constexpr int64_t kFormTypeBytes = 4;
constexpr int32_t kCopyBytes = 64 * 1024;

// One top-level chunk of the WAVE form as it lies in the file.
struct ChunkSpan {
    uint32_t id = 0;
    uint32_t formType = 0;     // LIST chunks only
    int64_t start = 0;         // offset of the header
    int64_t payloadBytes = 0;  // as far as the file really holds it
    int64_t bytes = 0;         // header, payload and pad byte, cut at the end of the form

    bool HoldsMarkers() const { return id == kCue || (id == kList && formType == kAdtl); }
};

// Reads the RIFF header; false unless it opens a WAVE form.
bool EnterWaveForm(RiffFile& file, RiffChunk& riff) {
    return file.Seek(0, RiffSeek::Begin) == 0 && file.Descend(riff) && riff.id == kRiff && riff.formType == kWave;
}

// The chunks of the WAVE form, in file order; false when the file is no RIFF WAVE file.
bool ListChunks(RiffFile& file, std::vector<ChunkSpan>& chunks) {
    const int64_t fileBytes = file.Seek(0, RiffSeek::End);
    RiffChunk riff;
    if (fileBytes < kFormHeaderBytes || !EnterWaveForm(file, riff)) return false;
    // Streaming writers leave the form size 0 or too large: then the form ends with the file.
    int64_t formEnd = static_cast<int64_t>(riff.dataOffset) + riff.size;
    if (formEnd > fileBytes || riff.size <= kFormTypeBytes) formEnd = fileBytes;
    riff.size = static_cast<uint32_t>(formEnd - riff.dataOffset);

    RiffChunk chunk;
    while (file.Descend(chunk, &riff)) {
        const int64_t payloadStart = chunk.dataOffset;
        const int64_t payloadBytes = std::min<int64_t>(chunk.size, formEnd - payloadStart);
        const int64_t end = std::min<int64_t>(payloadStart + chunk.size + (chunk.size & 1), formEnd);
        const int64_t start = payloadStart - kChunkHeaderBytes;
        chunks.push_back({chunk.id, chunk.formType, start, payloadBytes, end - start});
        if (file.Seek(end, RiffSeek::Begin) < 0) return false;
    }
    return true;
}

// The chunk's payload from `skipBytes` on (the form type of a LIST is skipped this way).
std::vector<uint8_t> ReadPayload(RiffFile& file, const ChunkSpan& chunk, int64_t skipBytes) {
    if (chunk.payloadBytes <= skipBytes) return {};
    std::vector<uint8_t> payload(static_cast<size_t>(chunk.payloadBytes - skipBytes));
    file.Seek(chunk.start + kChunkHeaderBytes + skipBytes, RiffSeek::Begin);
    const int32_t got = file.Read(payload.data(), static_cast<int32_t>(payload.size()));
    payload.resize(got > 0 ? static_cast<size_t>(got) : 0);
    return payload;
}

// Copies the chunk down to offset `to` (never above its start, so the copy cannot overrun
// bytes it has yet to read).
bool MoveChunk(RiffFile& file, const ChunkSpan& chunk, int64_t to) {
    if (chunk.start == to) return true;
    std::vector<uint8_t> buffer(kCopyBytes);
    for (int64_t done = 0; done < chunk.bytes;) {
        const int32_t step = static_cast<int32_t>(std::min<int64_t>(kCopyBytes, chunk.bytes - done));
        if (file.Seek(chunk.start + done, RiffSeek::Begin) < 0 || file.Read(buffer.data(), step) != step) return false;
        if (file.Seek(to + done, RiffSeek::Begin) < 0 || file.Write(buffer.data(), step) != step) return false;
        done += step;
    }
    return true;
}

bool WriteBytes(RiffFile& file, const std::vector<uint8_t>& bytes) {
    return file.Write(bytes.data(), static_cast<int32_t>(bytes.size())) == static_cast<int32_t>(bytes.size());
}

bool AppendMarkerChunks(RiffFile& file, const std::vector<MarkerInfo>& markers) {
    RiffChunk cue{.id = kCue};
    if (!file.CreateChunk(cue) || !WriteBytes(file, RiffMarkerCodec::EncodeCue(markers)) || !file.Ascend(cue)) {
        return false;
    }
    const std::vector<uint8_t> adtl = RiffMarkerCodec::EncodeAdtl(markers);
    if (adtl.empty()) return true;
    RiffChunk list{.id = kList};
    uint8_t form[kFormTypeBytes];
    StoreLE32(form, kAdtl);
    return file.CreateChunk(list) && file.Write(form, kFormTypeBytes) == kFormTypeBytes && WriteBytes(file, adtl) &&
           file.Ascend(list);
}

// Moves the chunks that stay together behind the form header; returns where they end (an even
// offset), or -1 on an I/O error.
int64_t CompactKeptChunks(RiffFile& file, const std::vector<ChunkSpan>& chunks) {
    int64_t end = kFormHeaderBytes;
    for (const ChunkSpan& chunk : chunks) {
        if (chunk.HoldsMarkers()) continue;
        if (!MoveChunk(file, chunk, end)) return -1;
        end += chunk.bytes;
    }
    // A last chunk whose pad byte was missing gets it, so the chunks after it stay aligned.
    if (end & 1) {
        const uint8_t pad = 0;
        if (file.Seek(end, RiffSeek::Begin) < 0 || file.Write(&pad, 1) != 1) return -1;
        ++end;
    }
    return end;
}

bool WriteFormSize(RiffFile& file, int64_t fileBytes) {
    uint8_t size[4];
    StoreLE32(size, static_cast<uint32_t>(fileBytes - kChunkHeaderBytes));
    return file.Seek(4, RiffSeek::Begin) == 4 && file.Write(size, 4) == 4;
}

}  // namespace

bool RiffMarkerFile::IsWave(const std::string& path) {
    RiffFile file;
    RiffChunk riff;
    return file.Open(path, RiffOpenMode::Read) && EnterWaveForm(file, riff);
}

bool RiffMarkerFile::Read(const std::string& path, std::vector<MarkerInfo>& markers) {
    RiffFile file;
    std::vector<ChunkSpan> chunks;
    if (!file.Open(path, RiffOpenMode::Read) || !ListChunks(file, chunks)) return false;
    std::vector<uint8_t> cue, adtl;
    for (const ChunkSpan& chunk : chunks) {
        if (chunk.id == kCue && cue.empty()) cue = ReadPayload(file, chunk, 0);
        if (chunk.id == kList && chunk.formType == kAdtl && adtl.empty()) adtl = ReadPayload(file, chunk, kFormTypeBytes);
    }
    markers = RiffMarkerCodec::Decode(cue, adtl);
    return true;
}

bool RiffMarkerFile::Write(const std::string& path, const std::vector<MarkerInfo>& markers) {
    RiffFile file;
    std::vector<ChunkSpan> chunks;
    if (!file.Open(path, RiffOpenMode::ReadWrite) || !ListChunks(file, chunks)) return false;
    const int64_t keptEnd = CompactKeptChunks(file, chunks);
    if (keptEnd < 0 || file.Seek(keptEnd, RiffSeek::Begin) < 0) return false;
    if (!markers.empty() && !AppendMarkerChunks(file, markers)) return false;
    const int64_t fileBytes = file.Tell();
    if (!WriteFormSize(file, fileBytes) || !file.Close()) return false;
    // The old marker chunks (or the copies of moved chunks) may still lie past the new end.
    return SetFileLength(path, fileBytes);
}

}  // namespace vesk
