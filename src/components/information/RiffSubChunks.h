// The sub-chunks of a LIST chunk (`adtl` markers, `INFO` fields): split from its payload and
// appended to one, each as id, size, payload and the pad byte an odd size needs. Pure.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "components/information/RawChunk.h"

namespace vesk {

class RiffSubChunks {
public:
    // The sub-chunks of `list` (the payload after the form type), in order. A size past the end
    // is cut there: a damaged list gives what it really holds.
    static std::vector<RawChunk> Split(std::span<const uint8_t> list);
    // Appends one sub-chunk to `list`.
    static void Append(std::vector<uint8_t>& list, uint32_t id, std::span<const uint8_t> payload);
    // A LIST chunk of `formType` around `subChunks`.
    static RawChunk List(uint32_t formType, const std::vector<RawChunk>& subChunks);
};

}  // namespace vesk
