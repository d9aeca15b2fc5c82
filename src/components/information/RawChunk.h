// A RIFF chunk made or kept in memory: its id and its payload, without header or pad byte. The
// payload of a LIST chunk starts with its form type.
#pragma once

#include <cstdint>
#include <vector>

namespace vesk {

struct RawChunk {
    uint32_t id = 0;
    std::vector<uint8_t> payload;

    bool operator==(const RawChunk&) const = default;
};

}  // namespace vesk
