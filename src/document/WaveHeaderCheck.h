// The check a wave file passes before it is opened: a RIFF form of type WAVE whose chunks, walked
// in order, include a PCM "fmt " chunk. Tolerates damage after the chunks it needs.
#pragma once

#include <cstdint>
#include <string>

#include "document/WaveFormat.h"

namespace vesk {

struct WaveHeaderInfo {
    bool valid = false;
    WaveFormat format;      // extraBytes forced to 0 (a 16-byte "fmt " is read as 18 bytes)
    uint32_t dataSize = 0;  // size of the "data" chunk in bytes; 0 when none was met
};

class WaveHeaderCheck {
public:
    // Opens the file read-only, walks it and closes it again.
    static WaveHeaderInfo Run(const std::string& path);
};

}  // namespace vesk
