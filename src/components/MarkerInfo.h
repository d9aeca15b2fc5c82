// One marker record as VeskAudioInformation reads it from and writes it into a file.
#pragma once

#include <cstdint>
#include <string>

namespace vesk {

struct MarkerInfo {
    int32_t positionFrames = 0;
    int32_t lengthFrames = 0;  // 0 for a cue point, else a range
    std::u16string label;
    std::u16string note;
    std::u16string text;
    int16_t language = 0;
    int16_t country = 0;
    int16_t dialect = 0;
    int16_t codePage = 0;
};

}  // namespace vesk
