#include "platform/drawing/FontMatch.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <memory>

namespace vesk {

namespace {

struct PatternDeleter {
    void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
using PatternPtr = std::unique_ptr<FcPattern, PatternDeleter>;

bool FontconfigReady() {
    static const bool ready = FcInit() == FcTrue;
    return ready;
}

PatternPtr QueryPattern(const std::string& family, int32_t weight, bool italic) {
    PatternPtr pattern(FcPatternCreate());
    if (!pattern) return nullptr;
    if (weight <= 0) weight = 400;
    FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcPatternAddInteger(pattern.get(), FC_WEIGHT, FcWeightFromOpenType(std::min(weight, 1000)));
    FcPatternAddInteger(pattern.get(), FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    // Only outline faces can be drawn at any size.
    FcPatternAddBool(pattern.get(), FC_SCALABLE, FcTrue);
    return pattern;
}

}  // namespace

#if defined(__SANITIZE_ADDRESS__)
#define VESK_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VESK_ADDRESS_SANITIZER 1
#endif
#endif
#if defined(VESK_ADDRESS_SANITIZER)
// Fontconfig loses a few bytes for good while it parses the system's configuration files; the
// leak checker of sanitizer builds would blame every program that draws text for it. This file
// is linked into exactly those programs, so the exemption travels with the cause.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
#endif

std::optional<FontFileMatch> MatchFontFile(const std::string& family, int32_t weight, bool italic) {
    if (!FontconfigReady()) return std::nullopt;
    PatternPtr pattern = QueryPattern(family, weight, italic);
    if (!pattern) return std::nullopt;
    // The configuration's aliases (metric-compatible replacements, generic families) and the
    // defaults for everything the query left open.
    FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());

    FcResult result = FcResultNoMatch;
    PatternPtr match(FcFontMatch(nullptr, pattern.get(), &result));
    if (!match) return std::nullopt;
    FcChar8* file = nullptr;
    if (FcPatternGetString(match.get(), FC_FILE, 0, &file) != FcResultMatch || !file) return std::nullopt;
    int index = 0;
    FcPatternGetInteger(match.get(), FC_INDEX, 0, &index);
    return FontFileMatch{reinterpret_cast<const char*>(file), index};
}

}  // namespace vesk
