#include "components/information/RiffSubChunks.h"

#include <algorithm>

#include "platform/io/ByteOrder.h"

namespace vesk {
namespace {

constexpr size_t kHeaderBytes = 8;

void AppendLE32(std::vector<uint8_t>& out, uint32_t value) {
    uint8_t bytes[4];
    StoreLE32(bytes, value);
    out.insert(out.end(), bytes, bytes + 4);
}

}  // namespace

std::vector<RawChunk> RiffSubChunks::Split(std::span<const uint8_t> list) {
    std::vector<RawChunk> chunks;
    for (size_t at = 0; at + kHeaderBytes <= list.size();) {
        const size_t size = std::min<size_t>(LoadLE32(&list[at + 4]), list.size() - at - kHeaderBytes);
        const auto payload = list.subspan(at + kHeaderBytes, size);
        chunks.push_back({LoadLE32(&list[at]), std::vector<uint8_t>(payload.begin(), payload.end())});
        at += kHeaderBytes + size + (size & 1);
    }
    return chunks;
}

void RiffSubChunks::Append(std::vector<uint8_t>& list, uint32_t id, std::span<const uint8_t> payload) {
    AppendLE32(list, id);
    AppendLE32(list, static_cast<uint32_t>(payload.size()));
    list.insert(list.end(), payload.begin(), payload.end());
    if (payload.size() & 1) list.push_back(0);
}

RawChunk RiffSubChunks::List(uint32_t formType, const std::vector<RawChunk>& subChunks) {
    RawChunk list{FourCC("LIST"), {}};
    AppendLE32(list.payload, formType);
    for (const RawChunk& chunk : subChunks) Append(list.payload, chunk.id, chunk.payload);
    return list;
}

}  // namespace vesk
