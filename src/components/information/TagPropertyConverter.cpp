#include "components/information/TagPropertyConverter.h"

#include <taglib/id3v1genres.h>

#include <array>
#include <cctype>
#include <string>

#include "components/Id3Genres.h"
#include "platform/automation/Bstr.h"

namespace vesk {
namespace {

struct TextKey {
    const char* key;
    std::u16string TagValues::*field;
};

constexpr std::array<TextKey, 8> kTextKeys{{
    {"TITLE", &TagValues::title},
    {"ARTIST", &TagValues::artist},
    {"ALBUM", &TagValues::album},
    {"COMMENT", &TagValues::comments},
    {"COPYRIGHT", &TagValues::copyright},
    {"COMPOSER", &TagValues::composer},
    {"URL", &TagValues::url},
    {"ENCODEDBY", &TagValues::encodedBy},
}};

constexpr const char* kYearKey = "DATE";
constexpr const char* kTrackKey = "TRACKNUMBER";
constexpr const char* kGenreKey = "GENRE";

std::string FirstValue(const TagLib::PropertyMap& properties, const char* key) {
    const auto found = properties.find(key);
    if (found == properties.end() || found->second.isEmpty()) return {};
    return found->second.front().to8Bit(true);
}

// The number the text starts with (after blanks and one '('), or -1 when it starts otherwise.
int64_t LeadingNumber(const std::string& text) {
    size_t at = text.find_first_not_of(" (");
    if (at == std::string::npos || !std::isdigit(static_cast<unsigned char>(text[at]))) return -1;
    int64_t value = 0;
    for (; at < text.size() && std::isdigit(static_cast<unsigned char>(text[at])) && value < 1000000; ++at) {
        value = value * 10 + (text[at] - '0');
    }
    return value;
}

bool SameLetters(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

int16_t GenreNumber(const std::string& text) {
    if (text.empty()) return -1;
    for (int32_t genre = 0; genre < kId3GenreCount; ++genre) {
        if (SameLetters(Id3GenreName(genre), text)) return static_cast<int16_t>(genre);
    }
    // TagLib spells a few genres its own way ("Jazz-Funk"); its index is the same table.
    const int fromTagLib = TagLib::ID3v1::genreIndex(TagLib::String(text, TagLib::String::UTF8));
    if (fromTagLib >= 0 && fromTagLib < kId3GenreCount) return static_cast<int16_t>(fromTagLib);
    const int64_t number = LeadingNumber(text);
    return (number >= 0 && number < kId3GenreCount) ? static_cast<int16_t>(number) : -1;
}

void Put(TagLib::PropertyMap& properties, const char* key, const std::string& utf8) {
    if (utf8.empty()) {
        properties.erase(key);
    } else {
        properties.replace(key, TagLib::StringList(TagLib::String(utf8, TagLib::String::UTF8)));
    }
}

std::string NumberText(int64_t value) { return value > 0 ? std::to_string(value) : std::string(); }

}  // namespace

TagValues TagPropertyConverter::FromProperties(const TagLib::PropertyMap& properties) {
    TagValues values;
    for (const auto& [key, field] : kTextKeys) values.*field = Utf8ToUtf16(FirstValue(properties, key));
    values.year = static_cast<int32_t>(std::max<int64_t>(0, LeadingNumber(FirstValue(properties, kYearKey))));
    const int64_t track = LeadingNumber(FirstValue(properties, kTrackKey));
    values.track = static_cast<int16_t>(track > 0 && track <= INT16_MAX ? track : 0);
    values.genre = GenreNumber(FirstValue(properties, kGenreKey));
    return values;
}

TagLib::PropertyMap TagPropertyConverter::ToProperties(const TagValues& values, TagLib::PropertyMap existing) {
    for (const auto& [key, field] : kTextKeys) Put(existing, key, Utf16ToUtf8(values.*field));
    Put(existing, kYearKey, NumberText(values.year));
    Put(existing, kTrackKey, NumberText(values.track));
    Put(existing, kGenreKey, std::string(Id3GenreName(values.genre)));
    return existing;
}

void TagPropertyConverter::FillMissing(TagValues& values, const TagValues& fallback) {
    for (const auto& [key, field] : kTextKeys) {
        if ((values.*field).empty()) values.*field = fallback.*field;
    }
    if (values.year == 0) values.year = fallback.year;
    if (values.genre < 0) values.genre = fallback.genre;
    if (values.track == 0) values.track = fallback.track;
}

}  // namespace vesk
