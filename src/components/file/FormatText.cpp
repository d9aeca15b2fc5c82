#include "components/file/FormatText.h"

namespace vesk::format_text {

std::string Channels(int32_t channels) {
    if (channels == 1) return "mono";
    if (channels == 2) return "stereo";
    return std::to_string(channels) + " channels";
}

std::string SampleBased(std::string_view name, int32_t hz, int32_t bits, int32_t channels) {
    return std::string(name) + " " + std::to_string(hz) + " Hz; " + std::to_string(bits) + " bit; " +
           Channels(channels);
}

std::string BitrateBased(std::string_view name, int32_t hz, int32_t kbps, int32_t channels) {
    std::string text = std::string(name) + " " + std::to_string(hz) + " Hz; ";
    if (kbps > 0) text += std::to_string(kbps) + " kbps; ";
    return text + Channels(channels);
}

}  // namespace vesk::format_text
