#include "fuzz/support/OpenFindings.h"

#include <cstring>

namespace vesk::fuzz {
namespace {

uint32_t LoadLE32(const uint8_t* bytes) {
    return bytes[0] | (bytes[1] << 8) | (bytes[2] << 16) | (uint32_t{bytes[3]} << 24);
}

}  // namespace

bool HasHugeFormatChunk(std::span<const uint8_t> file) {
    constexpr uint32_t kHuge = 1 << 20;
    if (file.size() < 12 || (std::memcmp(file.data(), "RIFF", 4) != 0 && std::memcmp(file.data(), "RF64", 4) != 0)) {
        return false;
    }
    for (size_t at = 12; at + 8 <= file.size();) {
        const uint32_t size = LoadLE32(&file[at + 4]);
        if (std::memcmp(&file[at], "fmt ", 4) == 0) return size >= kHuge;
        at += size_t{8} + size + (size & 1);
    }
    return false;
}

}  // namespace vesk::fuzz
