// Which tags an MP3 file gets, decoded from the component's Mp3TagInfoVersion number:
//   0 = ID3v2.3 (the default: the version most players read), 1 = ID3v2.3 + ID3v1,
//   2 = ID3v2.4, 3 = ID3v2.4 + ID3v1. Bit 0 asks for ID3v1, bit 1 for ID3v2.4; higher bits are
// ignored so that any number gives a usable layout.
#pragma once

#include <cstdint>

namespace vesk {

struct Mp3TagLayout {
    bool id3v24 = false;     // ID3v2.4 instead of ID3v2.3
    bool withId3v1 = false;  // an ID3v1 tag at the end as well

    static Mp3TagLayout FromSetting(int16_t setting) { return {(setting & 2) != 0, (setting & 1) != 0}; }
};

}  // namespace vesk
