// The tags of ASF (WMA) files beyond TagLib's property map. TagLib maps the content description
// (title, author, copyright, description) and the WM/ attributes of the other fields, but not
// the URL, which is kept here in WM/UserWebURL. Files written by FFmpeg's muxer, which many
// converters use, also carry fields under FFmpeg's own names: "date" for the year, a
// "Description" attribute for the comment, and copies of the content description ("title",
// "Author", "copyright") that FFmpeg-based players prefer to it.
//
// Reading takes those names for the fields TagLib's map lacks. Writing sets the URL and removes
// the copies, so that the file holds each field once and every player shows what was written.
#pragma once

#include <taglib/asftag.h>
#include <taglib/tpropertymap.h>

namespace vesk {

class AsfTagFields {
public:
    // TagLib's properties of the tag, completed from the attributes above.
    static TagLib::PropertyMap Properties(const TagLib::ASF::Tag& tag);
    // Sets the tag's fields to `properties` (through TagLib, then the URL), without copies.
    static void SetProperties(TagLib::ASF::Tag& tag, const TagLib::PropertyMap& properties);
};

}  // namespace vesk
