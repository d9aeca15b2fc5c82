#include <gtest/gtest.h>

#include <cstring>

#include "platform/automation/Bstr.h"

namespace vesk {
namespace {

TEST(Bstr, CarriesByteLengthPrefixAndTerminator) {
    BSTR s = SysAllocStringLen(u"ab\0cd", 5);  // an embedded NUL is part of the text
    ASSERT_NE(s, nullptr);
    uint32_t prefix;
    std::memcpy(&prefix, reinterpret_cast<const char*>(s) - 4, 4);
    EXPECT_EQ(prefix, 10u);
    EXPECT_EQ(SysStringLen(s), 5u);
    EXPECT_EQ(s[5], u'\0');
    EXPECT_EQ(BstrView(s), std::u16string_view(u"ab\0cd", 5));
    SysFreeString(s);
}

TEST(Bstr, NullIsTheEmptyString) {
    EXPECT_EQ(SysAllocString(nullptr), nullptr);
    EXPECT_EQ(SysStringLen(nullptr), 0u);
    EXPECT_EQ(BstrToUtf8(nullptr), "");
    EXPECT_TRUE(BstrView(nullptr).empty());
    SysFreeString(nullptr);
}

TEST(Bstr, RoundTripsNonAsciiAndSurrogatePairs) {
    const std::string text = "h\xC3\xA9llo \xE2\x82\xAC \xF0\x9D\x84\x9E";  // é, €, U+1D11E
    Bstr b(text);
    ASSERT_EQ(b.length(), 10u);
    EXPECT_EQ(b.get()[6], u'\u20AC');
    EXPECT_EQ(b.get()[8], char16_t{0xD834});
    EXPECT_EQ(b.get()[9], char16_t{0xDD1E});
    EXPECT_EQ(b.utf8(), text);
    Bstr copy(b);
    EXPECT_NE(copy.get(), b.get());
    EXPECT_EQ(copy.utf8(), text);
}

TEST(Bstr, InvalidSequencesBecomeReplacementCharacters) {
    EXPECT_EQ(Utf8ToUtf16("a\xC3"), u"a\uFFFD");               // truncated
    EXPECT_EQ(Utf8ToUtf16("\xC0\xAF" "b"), u"\uFFFDb");         // overlong '/'
    EXPECT_EQ(Utf8ToUtf16("\xED\xA0\x80"), u"\uFFFD");          // encoded surrogate
    EXPECT_EQ(Utf8ToUtf16("\xF4\x90\x80\x80"), u"\uFFFD");      // past U+10FFFF
    EXPECT_EQ(Utf8ToUtf16("\xFF" "c"), u"\uFFFDc");
    EXPECT_EQ(Utf8ToUtf16("\xE2\x82x"), u"\uFFFDx");            // resumes at the bad byte
    EXPECT_EQ(Utf16ToUtf8(u"\xD800x"), "\xEF\xBF\xBDx");        // lone high surrogate
    EXPECT_EQ(Utf16ToUtf8(std::u16string(1, char16_t{0xDC00})), "\xEF\xBF\xBD");
}

}  // namespace
}  // namespace vesk
