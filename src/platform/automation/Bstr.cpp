#include "platform/automation/Bstr.h"

#include <cstdlib>
#include <cstring>
#include <limits>

namespace vesk {

namespace {

constexpr char32_t kReplacement = 0xFFFD;
constexpr uint32_t kPrefixBytes = sizeof(uint32_t);

// The prefix holds the byte length; it sits right before the first character.
uint32_t* PrefixOf(BSTR text) { return reinterpret_cast<uint32_t*>(text) - 1; }

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }
bool IsSurrogate(char32_t c) { return c >= 0xD800 && c <= 0xDFFF; }

struct Decoded {
    char32_t codePoint;
    size_t length;  // bytes consumed, at least 1
};

// Decodes one UTF-8 sequence at the start of `text` (not empty). Overlong forms, encoded
// surrogates, values past U+10FFFF and truncated sequences give U+FFFD; the bytes consumed
// are the lead byte plus the continuation bytes that were valid so far, so decoding resumes
// at the first byte that could start a new character.
Decoded DecodeUtf8(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text[0]);
    if (lead < 0x80) return {lead, 1};
    size_t length;
    char32_t value;
    char32_t minimum;
    if ((lead & 0xE0) == 0xC0) {
        length = 2, value = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, value = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, value = lead & 0x07, minimum = 0x10000;
    } else {
        return {kReplacement, 1};
    }
    for (size_t i = 1; i < length; ++i) {
        if (i >= text.size() || !IsContinuation(static_cast<unsigned char>(text[i]))) return {kReplacement, i};
        value = (value << 6) | (static_cast<unsigned char>(text[i]) & 0x3F);
    }
    if (value < minimum || value > 0x10FFFF || IsSurrogate(value)) return {kReplacement, length};
    return {value, length};
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

void AppendUtf16(std::u16string& out, char32_t c) {
    if (c < 0x10000) {
        out += static_cast<char16_t>(c);
    } else {
        c -= 0x10000;
        out += static_cast<char16_t>(0xD800 | (c >> 10));
        out += static_cast<char16_t>(0xDC00 | (c & 0x3FF));
    }
}

}  // namespace

BSTR SysAllocString(const OLECHAR* text) {
    if (!text) return nullptr;
    return SysAllocStringLen(text, static_cast<uint32_t>(std::char_traits<char16_t>::length(text)));
}

BSTR SysAllocStringLen(const OLECHAR* text, uint32_t length) {
    // The byte length must fit the 32-bit prefix, terminator included.
    constexpr uint32_t kMaxLength = (std::numeric_limits<uint32_t>::max() - kPrefixBytes) / sizeof(OLECHAR) - 1;
    if (length > kMaxLength) return nullptr;
    const size_t bytes = kPrefixBytes + (size_t{length} + 1) * sizeof(OLECHAR);
    auto* block = static_cast<uint32_t*>(std::malloc(bytes));
    if (!block) return nullptr;
    *block = length * static_cast<uint32_t>(sizeof(OLECHAR));
    auto* chars = reinterpret_cast<BSTR>(block + 1);
    if (text) {
        std::memcpy(chars, text, length * sizeof(OLECHAR));
    } else {
        std::memset(chars, 0, length * sizeof(OLECHAR));
    }
    chars[length] = u'\0';
    return chars;
}

void SysFreeString(BSTR text) {
    if (text) std::free(PrefixOf(text));
}

uint32_t SysStringLen(BSTR text) { return text ? *PrefixOf(text) / sizeof(OLECHAR) : 0; }

std::u16string Utf8ToUtf16(std::string_view text) {
    std::u16string out;
    out.reserve(text.size());
    while (!text.empty()) {
        Decoded d = DecodeUtf8(text);
        AppendUtf16(out, d.codePoint);
        text.remove_prefix(d.length);
    }
    return out;
}

std::string Utf16ToUtf8(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        const bool high = c >= 0xD800 && c <= 0xDBFF;
        if (high && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (IsSurrogate(c)) {
            c = kReplacement;  // a half of a pair on its own
        }
        AppendUtf8(out, c);
    }
    return out;
}

BSTR AllocBstr(std::string_view utf8) {
    std::u16string wide = Utf8ToUtf16(utf8);
    return SysAllocStringLen(wide.data(), static_cast<uint32_t>(wide.size()));
}

std::string BstrToUtf8(BSTR text) { return Utf16ToUtf8(BstrView(text)); }

std::u16string_view BstrView(BSTR text) { return {text ? text : u"", SysStringLen(text)}; }

}  // namespace vesk
