// BSTR: a length-prefixed UTF-16 string owned by whoever the calling rules say. The length (in
// bytes) sits in the 4 bytes before the first character and the text is zero-terminated, so a
// BSTR can be read as a plain char16_t string. A null BSTR is the empty string.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

namespace vesk {

using OLECHAR = char16_t;
using BSTR = OLECHAR*;

BSTR SysAllocString(const OLECHAR* text);
BSTR SysAllocStringLen(const OLECHAR* text, uint32_t length);
void SysFreeString(BSTR text);
// Number of characters (not bytes); 0 for a null BSTR.
uint32_t SysStringLen(BSTR text);

// UTF-8 <-> UTF-16. Invalid input sequences become U+FFFD.
std::u16string Utf8ToUtf16(std::string_view text);
std::string Utf16ToUtf8(std::u16string_view text);

// A new BSTR holding the UTF-8 text (the caller owns it).
BSTR AllocBstr(std::string_view utf8);
// The text of a BSTR as UTF-8 (a null BSTR gives "").
std::string BstrToUtf8(BSTR text);
std::u16string_view BstrView(BSTR text);

// Owns one BSTR.
class Bstr {
public:
    Bstr() = default;
    explicit Bstr(std::string_view utf8) : s_(AllocBstr(utf8)) {}
    Bstr(const Bstr& other) : s_(other.s_ ? SysAllocStringLen(other.s_, SysStringLen(other.s_)) : nullptr) {}
    Bstr(Bstr&& other) noexcept : s_(std::exchange(other.s_, nullptr)) {}
    ~Bstr() { SysFreeString(s_); }
    Bstr& operator=(Bstr other) noexcept {
        std::swap(s_, other.s_);
        return *this;
    }

    static Bstr Attach(BSTR s) {
        Bstr b;
        b.s_ = s;
        return b;
    }
    BSTR Detach() { return std::exchange(s_, nullptr); }
    BSTR get() const { return s_; }
    BSTR* put() {
        SysFreeString(std::exchange(s_, nullptr));
        return &s_;
    }
    std::string utf8() const { return BstrToUtf8(s_); }
    uint32_t length() const { return SysStringLen(s_); }

private:
    BSTR s_ = nullptr;
};

}  // namespace vesk
