// Reads and writes the tags of a sound file through TagLib, in the file's natural tag format:
// ID3v2 (and ID3v1 on request) for MP3, Vorbis comments for Ogg and FLAC, an ID3 chunk plus
// RIFF INFO for WAV (a field the ID3 chunk lacks is read from INFO), the content description
// and WM/ attributes for WMA (AsfTagFields), ID3v2 for AIFF, APE and MP4 atoms where those are
// the format's own.
// Stateless; every call opens and closes the file.
#pragma once

#include <cstdint>
#include <string>

#include "components/information/Mp3TagLayout.h"
#include "components/information/TagValues.h"

namespace vesk {

class TagLibTagStore {
public:
    // The tags of the file at `path` (UTF-8). False, with `values` untouched, when the file is
    // missing, of a format TagLib cannot tag, or holds no sound TagLib can measure
    // (a text file named .mp3).
    static bool Read(const std::string& path, TagValues& values);

    // Replaces this component's tags in the file with `values`, keeping tags it does not know.
    // False when the file cannot be tagged or saving failed; an untaggable file is left alone.
    static bool Write(const std::string& path, const TagValues& values, Mp3TagLayout layout);

    // True when the RIFF INFO field `id` (a four-character code) is one the tags stand for, so
    // that writing the tags decides its value.
    static bool OwnsInfoField(uint32_t id);
};

}  // namespace vesk
