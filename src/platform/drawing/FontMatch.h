// Finding the installed font file for a font description through fontconfig, with the system's
// substitution rules applied, so that a family the system lacks ("Arial") gives the face the
// configuration declares compatible with it (Liberation Sans) and anything else gives the
// configured default face.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace vesk {

struct FontFileMatch {
    std::string path;   // the font file
    int32_t index = 0;  // the face within a collection file
};

// weight: OpenType scale (400 normal, 700 bold; 0 or less counts as 400). Nothing when
// fontconfig cannot be initialised or offers no face at all. Safe to call from any thread.
std::optional<FontFileMatch> MatchFontFile(const std::string& family, int32_t weight, bool italic);

}  // namespace vesk
