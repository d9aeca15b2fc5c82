// Picks the back-end that reads a file: libsndfile first (it covers most formats), FFmpeg for
// what libsndfile refuses, MPEG audio among it.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "components/file/AudioDecoder.h"

namespace vesk {

class DecoderSelection {
public:
    // An open decoder of path (UTF-8) that has decoded the start of the sound (or of a file that
    // announces none), or null with the ErrorConstants value in *error: FILEACCESS when the file
    // cannot be read at all; else the error of the first back-end that recognised the file
    // (FORMATFILE when nothing in it decodes, FORMATNOTSUPPORT when its codec cannot be
    // decoded); else FORMATNOTSUPPORT when a back-end knows the format but cannot decode it,
    // FORMATFILE when no back-end recognises the content.
    // formatType: FormatTypeConstants hint for headerless streams, 0 = detect.
    static std::unique_ptr<AudioDecoder> Open(const std::string& path, int32_t formatType, int32_t* error);
};

}  // namespace vesk
