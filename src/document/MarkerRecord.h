// One marker: a point (cue marker, length 0) or a range of the sound, in sample frames, with the
// label, note, text and language data of a wave file's cue and label information.
#pragma once

#include <cstdint>
#include <string>

namespace vesk {

struct MarkerRecord {
    uint32_t positionFrames = 0;  // first frame
    uint32_t lengthFrames = 0;    // 0 for a cue marker
    uint16_t language = 0;
    uint16_t country = 0;
    uint16_t dialect = 0;
    uint16_t codePage = 0;
    std::string note;
    std::string label;
    std::string text;

    bool operator==(const MarkerRecord&) const = default;
};

}  // namespace vesk
