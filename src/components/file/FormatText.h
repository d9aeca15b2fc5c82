// The readable descriptions of decoded sources ("PCM 44100 Hz; 16 bit; stereo",
// "MP3 44100 Hz; 128 kbps; stereo"), shared by the decoder back-ends so that every source reads
// the same way whatever library decoded it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vesk::format_text {

// "mono", "stereo", or "<n> channels".
std::string Channels(int32_t channels);
// "<name> <hz> Hz; <bits> bit; <channels>".
std::string SampleBased(std::string_view name, int32_t hz, int32_t bits, int32_t channels);
// "<name> <hz> Hz; <kbps> kbps; <channels>", or without the bitrate when kbps is 0 (unknown).
std::string BitrateBased(std::string_view name, int32_t hz, int32_t kbps, int32_t channels);

}  // namespace vesk::format_text
