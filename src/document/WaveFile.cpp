#include "document/WaveFile.h"

#include <algorithm>
#include <limits>
#include <vector>

#include "document/WaveHeaderCheck.h"

namespace vesk {

bool WaveFile::Create(const std::string& path, uint32_t samplesPerSecond, uint16_t channels) {
    mode_ = WaveMode::Closed;
    limitReached_ = false;
    path_ = path;
    format_ = WaveFormat::Pcm16(samplesPerSecond, channels);
    if (!WriteHeader()) {
        file_.Close();
        return false;
    }
    dataStart_ = chunk_.dataOffset;
    position_ = 0;
    dataSize_ = 0;
    mode_ = WaveMode::Created;
    return true;
}

bool WaveFile::WriteHeader() {
    if (!file_.Open(path_, RiffOpenMode::Create)) return false;
    if (!file_.CreateChunk(form_, FourCC("WAVE"))) return false;

    uint8_t record[WaveFormat::kRecordBytes];
    format_.Store(record);
    chunk_.id = FourCC("fmt ");
    if (!file_.CreateChunk(chunk_) || file_.Write(record, sizeof record) != sizeof record) return false;
    if (!file_.Ascend(chunk_)) return false;

    // "fact" is kept although PCM does not need it; its sample count stays 0.
    const uint8_t zero[4] = {};
    chunk_.id = FourCC("fact");
    if (!file_.CreateChunk(chunk_) || file_.Write(zero, sizeof zero) != sizeof zero) return false;
    if (!file_.Ascend(chunk_)) return false;

    chunk_.id = FourCC("data");
    // Flushed now so that a full disk shows here rather than at the first block.
    return file_.CreateChunk(chunk_) && file_.Flush();
}

bool WaveFile::Open(const std::string& path, WaveMode mode) {
    Reset();
    limitReached_ = false;
    path_ = path;
    if (mode != WaveMode::Read && mode != WaveMode::ReadWrite) return false;
    const WaveHeaderInfo header = WaveHeaderCheck::Run(path);
    if (!header.valid) return false;
    format_ = header.format;
    dataSize_ = header.dataSize;
    if (!OpenData(mode == WaveMode::Read ? RiffOpenMode::Read : RiffOpenMode::ReadWrite)) {
        file_.Close();
        Reset();
        return false;
    }
    dataStart_ = chunk_.dataOffset;
    mode_ = mode;
    return true;
}

bool WaveFile::OpenData(RiffOpenMode openMode) {
    return file_.Open(path_, openMode) && file_.DescendToForm(form_, nullptr, FourCC("WAVE")) &&
           file_.DescendToChunk(chunk_, &form_, FourCC("data"));
}

int32_t WaveFile::Read(void* buffer, uint32_t byteCount) {
    if (position_ >= dataSize_) return 0;
    const uint32_t limit = std::min<uint32_t>(dataSize_ - position_, std::numeric_limits<int32_t>::max());
    const int32_t count = static_cast<int32_t>(std::min(byteCount, limit));
    if (count == 0) return 0;
    const int32_t got = file_.Read(buffer, count);
    if (got > 0) position_ += static_cast<uint32_t>(got);
    return got;
}

bool WaveFile::ReadPieces(std::span<FilePiece> pieces) {
    if (mode_ == WaveMode::Closed) return false;
    // The pieces go to the file layer as file offsets and come back as the caller gave them.
    std::vector<FilePiece> inFile(pieces.begin(), pieces.end());
    for (FilePiece& piece : inFile) {
        const int64_t room = piece.offset < 0 ? 0 : std::max<int64_t>(int64_t{dataSize_} - piece.offset, 0);
        piece.length = static_cast<int32_t>(std::min<int64_t>(piece.length, room));
        piece.offset += dataStart_;
    }
    if (!file_.ReadPieces(inFile)) return false;
    for (size_t i = 0; i < pieces.size(); ++i) pieces[i].got = inFile[i].got;
    return true;
}

bool WaveFile::Write(const void* buffer, uint32_t byteCount) {
    if (mode_ != WaveMode::ReadWrite && mode_ != WaveMode::Created) return false;
    if (!FitsDocument(int64_t{position_} + byteCount)) {
        limitReached_ = true;
        return false;
    }
    const int32_t written = file_.Write(buffer, static_cast<int32_t>(byteCount));
    if (written <= 0) return false;
    // Every block reaches the OS at once so the file on disk is whole after each block.
    const bool flushed = file_.Flush();
    position_ += static_cast<uint32_t>(written);
    dataSize_ = std::max(dataSize_, position_);
    return flushed && static_cast<uint32_t>(written) == byteCount;
}

bool WaveFile::Seek(uint32_t byteOffset) {
    const int64_t reached = file_.Seek(int64_t{dataStart_} + byteOffset, RiffSeek::Begin);
    if (reached >= 0) position_ = static_cast<uint32_t>(reached - dataStart_);
    return true;
}

bool WaveFile::Close() {
    if (mode_ == WaveMode::Closed) return true;
    bool ok = true;
    if (mode_ == WaveMode::ReadWrite || mode_ == WaveMode::Created) ok = FinishSizes();
    ok = file_.Close() && ok;
    Reset();
    return ok;
}

// Both sizes follow from the end of the file, because "data" is always the last chunk.
bool WaveFile::FinishSizes() {
    if (file_.Seek(0, RiffSeek::End) < 0) return false;
    chunk_.flags |= RiffChunk::kDirty;
    const bool dataDone = file_.Ascend(chunk_);
    form_.flags |= RiffChunk::kDirty;
    const bool formDone = file_.Ascend(form_);
    return dataDone && formDone;
}

void WaveFile::Reset() {
    position_ = 0;
    dataSize_ = 0;
    mode_ = WaveMode::Closed;
}

}  // namespace vesk
