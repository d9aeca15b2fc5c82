#include "platform/drawing/Utf8Decoder.h"

#include <cstdint>
#include <optional>

namespace vesk {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Continuation bytes expected after a lead byte (-1 for a byte that cannot start a sequence).
int TrailingBytes(uint8_t lead) {
    if (lead < 0x80) return 0;
    if (lead >= 0xC2 && lead <= 0xDF) return 1;
    if (lead >= 0xE0 && lead <= 0xEF) return 2;
    if (lead >= 0xF0 && lead <= 0xF4) return 3;
    return -1;
}

// The sequence at text[pos] of 1 + trailing bytes; nothing when it is cut short, overlong, a
// surrogate or beyond U+10FFFF.
std::optional<char32_t> DecodeSequence(std::string_view text, size_t pos, int trailing) {
    static constexpr char32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};
    if (pos + trailing >= text.size()) return std::nullopt;
    auto lead = static_cast<uint8_t>(text[pos]);
    char32_t code = trailing == 0 ? lead : lead & (0x3F >> trailing);
    for (int i = 1; i <= trailing; ++i) {
        auto byte = static_cast<uint8_t>(text[pos + i]);
        if ((byte & 0xC0) != 0x80) return std::nullopt;
        code = (code << 6) | (byte & 0x3F);
    }
    if (code < kSmallest[trailing] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return std::nullopt;
    return code;
}

}  // namespace

std::u32string DecodeUtf8(std::string_view utf8) {
    std::u32string codes;
    codes.reserve(utf8.size());
    size_t pos = 0;
    while (pos < utf8.size()) {
        int trailing = TrailingBytes(static_cast<uint8_t>(utf8[pos]));
        std::optional<char32_t> code;
        if (trailing >= 0) code = DecodeSequence(utf8, pos, trailing);
        codes.push_back(code.value_or(kReplacement));
        // A bad sequence costs one byte, so the bytes after it are read afresh.
        pos += code ? static_cast<size_t>(trailing) + 1 : 1;
    }
    return codes;
}

}  // namespace vesk
