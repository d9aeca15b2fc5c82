// Code points of UTF-8 text, for the glyph lookup of the font faces. Malformed input never
// stops the text: each bad byte becomes U+FFFD, so a label with a stray byte still draws.
#pragma once

#include <string>
#include <string_view>

namespace vesk {

std::u32string DecodeUtf8(std::string_view utf8);

}  // namespace vesk
