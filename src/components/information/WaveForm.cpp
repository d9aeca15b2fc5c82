#include "components/information/WaveForm.h"

#include <algorithm>

#include "platform/io/FileLength.h"

namespace vesk {
namespace {

constexpr uint32_t kRiff = FourCC("RIFF");
constexpr uint32_t kRf64 = FourCC("RF64");
constexpr uint32_t kBw64 = FourCC("BW64");
constexpr uint32_t kWave = FourCC("WAVE");
constexpr uint32_t kDs64 = FourCC("ds64");
constexpr uint32_t kData = FourCC("data");
constexpr uint32_t kList = FourCC("LIST");
constexpr uint32_t kSizeInDs64 = 0xFFFFFFFF;
constexpr int64_t kFormHeaderBytes = 12;  // "RIFF", size, "WAVE"
constexpr int64_t kChunkHeaderBytes = 8;
constexpr int64_t kFormTypeBytes = 4;
constexpr int64_t kDs64FixedBytes = 28;  // form, sound and frame count (64-bit each), table length
constexpr int64_t kDs64EntryBytes = 12;  // id and 64-bit size
constexpr int64_t kDs64FormSizeOffset = kFormHeaderBytes + kChunkHeaderBytes;
// Real files have a few dozen chunks and an empty ds64 table. The bounds keep a hostile file
// from making the lists huge; a file past them is read as far as they go and never rewritten.
constexpr size_t kMaxChunks = 1 << 16;
constexpr int64_t kMaxDs64Entries = 1024;
constexpr int32_t kCopyBytes = 64 * 1024;
// Sizes beyond this are damage; capping them keeps the offset arithmetic far from overflow.
constexpr int64_t kMaxSize = INT64_MAX / 4;

int64_t LoadSize64(const uint8_t* bytes) {
    const uint64_t size = LoadLE32(bytes) | (static_cast<uint64_t>(LoadLE32(bytes + 4)) << 32);
    return static_cast<int64_t>(std::min<uint64_t>(size, kMaxSize));
}

int64_t PaddedBytes(int64_t payloadBytes) { return kChunkHeaderBytes + payloadBytes + (payloadBytes & 1); }

}  // namespace

bool WaveForm::Open(const std::string& path, RiffOpenMode mode) {
    path_ = path;
    rf64_ = false;
    complete_ = false;
    largeSizes_.clear();
    chunks_.clear();
    if (!file_.Open(path, mode)) return false;
    if (!ReadFormHeader(file_.Seek(0, RiffSeek::End))) {
        file_.Close();
        return false;
    }
    ListChunks();
    return true;
}

bool WaveForm::ReadFormHeader(int64_t fileBytes) {
    uint8_t header[kFormHeaderBytes];
    if (fileBytes < kFormHeaderBytes || file_.Seek(0, RiffSeek::Begin) != 0 ||
        file_.Read(header, kFormHeaderBytes) != kFormHeaderBytes) {
        return false;
    }
    const uint32_t id = LoadLE32(header);
    rf64_ = id == kRf64 || id == kBw64;
    if ((id != kRiff && !rf64_) || LoadLE32(header + 8) != kWave) return false;
    const int64_t formBytes = rf64_ ? ReadDs64() : LoadLE32(header + 4);
    // Streaming writers leave the form size 0 or too large: then the form ends with the file.
    formEnd_ = kChunkHeaderBytes + formBytes;
    if (formBytes <= kFormTypeBytes || formEnd_ > fileBytes) formEnd_ = fileBytes;
    return true;
}

// Reads the ds64 chunk that must open an RF64 form; the form size it gives, 0 when it is missing.
int64_t WaveForm::ReadDs64() {
    uint8_t fixed[kChunkHeaderBytes + kDs64FixedBytes];
    if (file_.Read(fixed, sizeof fixed) != static_cast<int32_t>(sizeof fixed) || LoadLE32(fixed) != kDs64) return 0;
    largeSizes_.push_back({kData, LoadSize64(fixed + 16)});
    const int64_t tableBytes = static_cast<int64_t>(LoadLE32(fixed + 4)) - kDs64FixedBytes;
    const int64_t entries = std::min({static_cast<int64_t>(LoadLE32(fixed + 32)), tableBytes / kDs64EntryBytes,
                                      kMaxDs64Entries});
    for (int64_t i = 0; i < entries; ++i) {
        uint8_t entry[kDs64EntryBytes];
        if (file_.Read(entry, kDs64EntryBytes) != kDs64EntryBytes) break;
        largeSizes_.push_back({LoadLE32(entry), LoadSize64(entry + 4)});
    }
    return LoadSize64(fixed + 8);
}

int64_t WaveForm::ChunkSize(uint32_t id, uint32_t size32) const {
    if (!rf64_ || size32 != kSizeInDs64) return size32;
    const auto found =
        std::find_if(largeSizes_.begin(), largeSizes_.end(), [id](const LargeSize& large) { return large.id == id; });
    // A large chunk ds64 does not list can only reach to the end of the form.
    return found != largeSizes_.end() ? found->bytes : kMaxSize;
}

void WaveForm::ListChunks() {
    int64_t at = kFormHeaderBytes;
    while (at + kChunkHeaderBytes <= formEnd_ && chunks_.size() < kMaxChunks) {
        uint8_t header[kChunkHeaderBytes + kFormTypeBytes];
        const int32_t got = file_.Seek(at, RiffSeek::Begin) < 0 ? -1 : file_.Read(header, sizeof header);
        if (got < kChunkHeaderBytes) return;
        WaveChunk chunk{.id = LoadLE32(header), .start = at};
        chunk.declaredBytes = ChunkSize(chunk.id, LoadLE32(header + 4));
        const int64_t payloadStart = at + kChunkHeaderBytes;
        chunk.payloadBytes = std::min(chunk.declaredBytes, formEnd_ - payloadStart);
        if (chunk.id == kList && chunk.payloadBytes >= kFormTypeBytes && got == static_cast<int32_t>(sizeof header)) {
            chunk.formType = LoadLE32(header + kChunkHeaderBytes);
        }
        at = std::min(at + PaddedBytes(chunk.declaredBytes), formEnd_);
        chunk.bytes = at - chunk.start;
        chunks_.push_back(chunk);
    }
    complete_ = at + kChunkHeaderBytes > formEnd_;
}

std::vector<uint8_t> WaveForm::Payload(const WaveChunk& chunk, int64_t skipBytes) {
    const int64_t bytes = chunk.payloadBytes - skipBytes;
    if (bytes <= 0 || bytes > kMaxPayloadBytes) return {};
    std::vector<uint8_t> payload(static_cast<size_t>(bytes));
    if (file_.Seek(chunk.start + kChunkHeaderBytes + skipBytes, RiffSeek::Begin) < 0 ||
        file_.Read(payload.data(), static_cast<int32_t>(bytes)) != bytes) {
        return {};
    }
    return payload;
}

// --- Rewriting ------------------------------------------------------------------------------

bool WaveForm::Rewrite(const std::function<bool(const WaveChunk&)>& keep, const std::vector<RawChunk>& added) {
    std::vector<WaveChunk> kept;
    for (const WaveChunk& chunk : chunks_) {
        if (chunk.id == kDs64 || keep(chunk)) kept.push_back(chunk);
    }
    if (!CanRewrite(kept, added)) return false;
    const int64_t keptEnd = CompactChunks(kept);
    if (keptEnd < 0 || file_.Seek(keptEnd, RiffSeek::Begin) < 0) return false;
    for (const RawChunk& chunk : added) {
        if (!Append(chunk)) return false;
    }
    const int64_t fileBytes = file_.Tell();
    if (!WriteFormSize(fileBytes) || !file_.Close()) return false;
    // The old copies of moved or dropped chunks may still lie past the new end.
    return SetFileLength(path_, fileBytes);
}

// A file listed only in part would lose its other chunks; a RIFF form cannot outgrow 32 bits,
// and an RF64 form keeps its size in ds64, which must then open it.
bool WaveForm::CanRewrite(const std::vector<WaveChunk>& kept, const std::vector<RawChunk>& added) const {
    if (!complete_ || !file_.IsOpen()) return false;
    if (rf64_) return !kept.empty() && kept.front().id == kDs64 && kept.front().start == kFormHeaderBytes;
    int64_t bytes = kFormHeaderBytes + 1;  // with a pad byte the last kept chunk may need
    for (const WaveChunk& chunk : kept) bytes += chunk.bytes;
    for (const RawChunk& chunk : added) bytes += PaddedBytes(static_cast<int64_t>(chunk.payload.size()));
    return bytes - kChunkHeaderBytes <= UINT32_MAX;
}

// Moves the kept chunks behind the form header; where they end (an even offset), or -1 on an
// I/O error.
int64_t WaveForm::CompactChunks(const std::vector<WaveChunk>& kept) {
    int64_t end = kFormHeaderBytes;
    for (const WaveChunk& chunk : kept) {
        if (!MoveChunk(chunk, end) || (!chunk.IsWhole() && !DeclareHeldSize(chunk, end))) return -1;
        end += chunk.bytes;
    }
    // A last chunk whose pad byte was missing gets it, so the chunks after it stay aligned.
    if (end & 1) {
        const uint8_t pad = 0;
        if (file_.Seek(end, RiffSeek::Begin) < 0 || file_.Write(&pad, 1) != 1) return -1;
        ++end;
    }
    return end;
}

// Copies the chunk down to offset `to` (never above its start, so the copy cannot overrun
// bytes it has yet to read).
bool WaveForm::MoveChunk(const WaveChunk& chunk, int64_t to) {
    if (chunk.start == to) return true;
    std::vector<uint8_t> buffer(kCopyBytes);
    for (int64_t done = 0; done < chunk.bytes;) {
        const int32_t step = static_cast<int32_t>(std::min<int64_t>(kCopyBytes, chunk.bytes - done));
        if (file_.Seek(chunk.start + done, RiffSeek::Begin) < 0 || file_.Read(buffer.data(), step) != step) return false;
        if (file_.Seek(to + done, RiffSeek::Begin) < 0 || file_.Write(buffer.data(), step) != step) return false;
        done += step;
    }
    return true;
}

// A chunk the file cuts short still declares its whole size, which would reach over the chunks
// appended behind it and hide them from every reader. It is given the size the file holds: in
// its header, and for the sound of an RF64 form also in ds64, where readers look first.
bool WaveForm::DeclareHeldSize(const WaveChunk& chunk, int64_t at) {
    const int64_t held = chunk.payloadBytes;
    uint8_t size[8];
    StoreLE32(size, static_cast<uint32_t>(held));
    StoreLE32(size + 4, static_cast<uint32_t>(static_cast<uint64_t>(held) >> 32));
    const bool fitsHeader = held < kSizeInDs64;
    if (rf64_ && chunk.id == kData) {
        const int64_t offset = kDs64FormSizeOffset + 8;
        if (file_.Seek(offset, RiffSeek::Begin) != offset || file_.Write(size, 8) != 8) return false;
    } else if (!fitsHeader) {
        return false;  // a table entry of ds64: not written by this form's writers, left alone
    }
    if (!fitsHeader) return true;  // the header keeps pointing at ds64
    return file_.Seek(at + 4, RiffSeek::Begin) == at + 4 && file_.Write(size, 4) == 4;
}

bool WaveForm::Append(const RawChunk& chunk) {
    const int64_t bytes = static_cast<int64_t>(chunk.payload.size());
    if (bytes > INT32_MAX) return false;
    uint8_t header[kChunkHeaderBytes];
    StoreLE32(header, chunk.id);
    StoreLE32(header + 4, static_cast<uint32_t>(bytes));
    const uint8_t pad = 0;
    return file_.Write(header, kChunkHeaderBytes) == kChunkHeaderBytes &&
           file_.Write(chunk.payload.data(), static_cast<int32_t>(bytes)) == bytes &&
           ((bytes & 1) == 0 || file_.Write(&pad, 1) == 1);
}

bool WaveForm::WriteFormSize(int64_t fileBytes) {
    const uint64_t formBytes = static_cast<uint64_t>(fileBytes - kChunkHeaderBytes);
    uint8_t size[8];
    StoreLE32(size, static_cast<uint32_t>(formBytes));
    StoreLE32(size + 4, static_cast<uint32_t>(formBytes >> 32));
    const int64_t offset = rf64_ ? kDs64FormSizeOffset : 4;
    const int32_t width = rf64_ ? 8 : 4;
    return file_.Seek(offset, RiffSeek::Begin) == offset && file_.Write(size, width) == width;
}

}  // namespace vesk
