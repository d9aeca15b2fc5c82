// The standard ID3 genre table (148 entries: the original 80 and the usual extensions), by
// which tags store a genre as a number.
#pragma once

#include <cstdint>
#include <string_view>

namespace vesk {

inline constexpr int32_t kId3GenreCount = 148;

// Name of genre `genre` (0 "Blues" .. 147); "" outside the table.
std::string_view Id3GenreName(int32_t genre);

}  // namespace vesk
