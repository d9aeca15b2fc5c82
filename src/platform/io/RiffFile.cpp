#include "platform/io/RiffFile.h"

#include "platform/io/ByteOrder.h"

namespace vesk {

namespace {

constexpr uint32_t kRiffId = FourCC("RIFF");
constexpr uint32_t kListId = FourCC("LIST");

bool HasFormType(uint32_t id) { return id == kRiffId || id == kListId; }

}  // namespace

bool RiffFile::ReadHeader(RiffChunk& chunk, const RiffChunk* parent) {
    const int64_t start = Tell();
    if (parent && start + 8 > static_cast<int64_t>(parent->dataOffset) + parent->size) return false;
    uint8_t header[8];
    if (Read(header, 8) != 8) return false;
    chunk.id = LoadLE32(header);
    chunk.size = LoadLE32(header + 4);
    chunk.dataOffset = static_cast<uint32_t>(start + 8);
    chunk.formType = 0;
    chunk.flags = 0;
    if (!HasFormType(chunk.id)) return true;
    uint8_t form[4];
    if (Read(form, 4) != 4) return false;
    chunk.formType = LoadLE32(form);
    return true;
}

bool RiffFile::SkipChunk(const RiffChunk& chunk) {
    const int64_t end = static_cast<int64_t>(chunk.dataOffset) + chunk.size + (chunk.size & 1);
    return Seek(end, RiffSeek::Begin) >= 0;
}

template <class Matches>
bool RiffFile::DescendMatching(RiffChunk& chunk, const RiffChunk* parent, Matches matches) {
    if (!IsOpen()) return false;
    for (;;) {
        if (!ReadHeader(chunk, parent)) return false;
        if (matches(chunk)) return true;
        if (!SkipChunk(chunk)) return false;
    }
}

bool RiffFile::Descend(RiffChunk& chunk, const RiffChunk* parent) {
    return DescendMatching(chunk, parent, [](const RiffChunk&) { return true; });
}

bool RiffFile::DescendToChunk(RiffChunk& chunk, const RiffChunk* parent, uint32_t id) {
    return DescendMatching(chunk, parent, [id](const RiffChunk& c) { return c.id == id; });
}

bool RiffFile::DescendToForm(RiffChunk& chunk, const RiffChunk* parent, uint32_t formType) {
    return DescendMatching(chunk, parent,
                           [formType](const RiffChunk& c) { return c.id == kRiffId && c.formType == formType; });
}

bool RiffFile::CreateChunk(RiffChunk& chunk, uint32_t formType) {
    uint8_t header[12] = {};
    if (formType != 0) chunk.id = kRiffId;
    StoreLE32(header, chunk.id);
    StoreLE32(header + 8, formType);
    const int32_t headerBytes = formType != 0 ? 12 : 8;
    chunk.dataOffset = static_cast<uint32_t>(Tell() + 8);
    chunk.formType = formType;
    chunk.size = 0;
    chunk.flags = RiffChunk::kDirty;
    return Write(header, headerBytes) == headerBytes;
}

bool RiffFile::WriteSize(const RiffChunk& chunk) {
    uint8_t size[4];
    StoreLE32(size, chunk.size);
    if (Seek(static_cast<int64_t>(chunk.dataOffset) - 4, RiffSeek::Begin) < 0) return false;
    return Write(size, 4) == 4;
}

bool RiffFile::Ascend(RiffChunk& chunk) {
    if (!IsOpen()) return false;
    if (chunk.flags & RiffChunk::kDirty) {
        const int64_t size = Tell() - chunk.dataOffset;
        if (size < 0 || size > UINT32_MAX) return false;
        // RIFF chunks start on even offsets, so an odd payload is followed by one zero byte.
        const uint8_t pad = 0;
        if ((size & 1) && Write(&pad, 1) != 1) return false;
        chunk.size = static_cast<uint32_t>(size);
        if (!WriteSize(chunk)) return false;
        chunk.flags &= ~RiffChunk::kDirty;
    }
    return SkipChunk(chunk);
}

}  // namespace vesk
