// Inputs that meet a fault found by fuzzing and not mended yet (fuzz/regressions/open lists
// them). The targets pass over such inputs, so that fuzzing goes on past a known fault instead
// of stopping at it over and over. Mend the fault, then remove its test here.
#pragma once

#include <cstdint>
#include <span>

namespace vesk::fuzz {

// A RIFF or RF64 file whose top-level "fmt " chunk declares a megabyte or more: reading the
// wave header allocates the declared size (decode_session/fmt-chunk-declares-4-gib).
bool HasHugeFormatChunk(std::span<const uint8_t> file);

}  // namespace vesk::fuzz
