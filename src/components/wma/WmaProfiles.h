// The numbered WMA output profiles of WmaCodec. A profile fixes what a WMA file is written with:
// sample rate, channel count and bitrate of FFmpeg's WMA v2 encoder. The control only passes the
// number through (its WmaProfile property, 6 by default), so the table is the one place that
// says what each number means:
//
//   0   8000 Hz mono    24 kbps        6  44100 Hz stereo 128 kbps  (default)
//   1  11025 Hz mono    24 kbps        7  44100 Hz stereo  96 kbps
//   2  16000 Hz mono    32 kbps        8  44100 Hz stereo 160 kbps
//   3  22050 Hz mono    32 kbps        9  44100 Hz stereo 192 kbps
//   4  22050 Hz stereo  48 kbps       10  48000 Hz stereo 192 kbps
//   5  32000 Hz stereo  64 kbps       11  44100 Hz mono    64 kbps
//
// 24 kbps is the lowest bitrate the encoder accepts.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace vesk {

struct WmaProfile {
    int32_t frequencyHz;
    int32_t channels;  // 1 or 2
    int32_t kbps;
};

class WmaProfiles {
public:
    static constexpr int32_t kDefault = 6;

    // Number of profiles; valid numbers are 0 .. Count() - 1.
    static int32_t Count();
    // The profile with this number, or nothing for a number outside the table.
    static std::optional<WmaProfile> Find(int32_t number);
    // The number of the profile closest to a source: same rate and channel count first, then
    // the nearest bitrate. Used to report the profile of a file being decoded.
    static int32_t Closest(int32_t frequencyHz, int32_t channels, int32_t kbps);
};

// The readable description of a WMA stream, e.g. "WMA 44100 Hz; 128 kbps; stereo". `codecLabel`
// names the flavour ("WMA", "WMA Pro", ...); kbps 0 (unknown) leaves the bitrate out.
std::string DescribeWmaFormat(const std::string& codecLabel, int32_t frequencyHz, int32_t kbps, int32_t channels);

}  // namespace vesk
