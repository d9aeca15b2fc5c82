// The bitrate of a compressed audio file as its headers state it (the nominal rate of Ogg
// Vorbis, the frame or Xing rate of MP3), for the descriptions of sources whose decoder does not
// report it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace vesk {

class StreamBitrate {
public:
    // kbps of the first audio stream, else the container's average; 0 when unknown, nothing
    // when the file could not be read.
    static std::optional<int32_t> ProbeKbps(const std::string& path);
};

}  // namespace vesk
