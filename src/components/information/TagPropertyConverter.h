// Converts between the held tags and TagLib's format-neutral property map, so that one mapping
// serves ID3v2, Vorbis comments, RIFF INFO, APE, MP4 and AIFF alike. Pure: no file access.
#pragma once

#include <taglib/tpropertymap.h>

#include "components/information/TagValues.h"

namespace vesk {

class TagPropertyConverter {
public:
    // The tags found in `properties`. A genre is matched by name (either table spelling, any
    // case) or by its number ("17", "(17)"); an unknown genre reads as -1. Year and track take the
    // leading number ("1999-05-01" → 1999, "3/12" → 3).
    static TagValues FromProperties(const TagLib::PropertyMap& properties);

    // `existing` with every key this component owns replaced by `values`; empty strings and zero
    // numbers (genre -1) remove their key. Keys the component does not know are kept.
    static TagLib::PropertyMap ToProperties(const TagValues& values, TagLib::PropertyMap existing);

    // Gives every field of `values` that holds nothing (empty, 0, genre -1) the one of `fallback`.
    static void FillMissing(TagValues& values, const TagValues& fallback);
};

}  // namespace vesk
