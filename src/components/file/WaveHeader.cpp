#include "components/file/WaveHeader.h"

#include <algorithm>
#include <vector>

#include "platform/io/ByteOrder.h"
#include "platform/io/RiffFile.h"

namespace vesk {
namespace {

constexpr uint32_t kFmtMinimumBytes = 16;
constexpr uint32_t kExtensibleBytes = 40;  // WAVEFORMATEX (18) + 22 bytes of extension

bool ReadFmt(RiffFile& file, const RiffChunk& riff, WaveHeader& header) {
    RiffChunk fmt;
    if (!file.DescendToChunk(fmt, &riff, FourCC("fmt ")) || fmt.size < kFmtMinimumBytes) return false;
    // Only the fields below are read; a chunk may declare far more than the file holds.
    const uint32_t wanted = std::min(fmt.size, kExtensibleBytes);
    std::vector<uint8_t> bytes(wanted);
    if (file.Read(bytes.data(), static_cast<int32_t>(wanted)) != static_cast<int32_t>(wanted)) return false;
    header.fmtPayloadOffset = fmt.dataOffset;
    header.formatTag = LoadLE16(&bytes[0]);
    header.channels = LoadLE16(&bytes[2]);
    header.blockAlign = LoadLE16(&bytes[12]);
    header.bitsPerSample = LoadLE16(&bytes[14]);
    header.validBits = header.bitsPerSample;
    if (header.formatTag == WaveHeader::kExtensible && fmt.size >= kExtensibleBytes) {
        header.extensible = true;
        header.validBits = LoadLE16(&bytes[18]);
        header.formatTag = LoadLE16(&bytes[24]);  // the first two bytes of the sub-format GUID
    }
    return true;
}

std::optional<uint32_t> ReadFact(RiffFile& file, const RiffChunk& riff) {
    RiffChunk fact;
    uint8_t frames[4];
    if (file.Seek(riff.dataOffset + 4, RiffSeek::Begin) < 0 || !file.DescendToChunk(fact, &riff, FourCC("fact")) ||
        fact.size < 4 || file.Read(frames, 4) != 4) {
        return std::nullopt;
    }
    return LoadLE32(frames);
}

}  // namespace

std::optional<WaveHeader> WaveHeader::Read(const std::string& path) {
    RiffFile file;
    RiffChunk riff;
    WaveHeader header;
    if (!file.Open(path, RiffOpenMode::Read) || !file.Descend(riff) || riff.id != FourCC("RIFF") ||
        riff.formType != FourCC("WAVE") || !ReadFmt(file, riff, header)) {
        return std::nullopt;
    }
    header.factFrames = ReadFact(file, riff);
    return header;
}

bool WaveHeader::UnderstatesContainer() const {
    const int32_t container = ContainerBytes();
    return formatTag == kPcm && container * channels == blockAlign && container <= 4 &&
           (bitsPerSample + 7) / 8 < container;
}

int64_t WaveHeader::FramesHeld(int64_t decodedFrames) const {
    const bool blockCodec = formatTag != kPcm && formatTag != kIeeeFloat;
    // A zero count is a writer that never filled it in.
    if (!blockCodec || !factFrames || *factFrames == 0) return decodedFrames;
    return std::min<int64_t>(decodedFrames, *factFrames);
}

}  // namespace vesk
