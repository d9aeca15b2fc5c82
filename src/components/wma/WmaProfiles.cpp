#include "components/wma/WmaProfiles.h"

#include <array>
#include <cstdlib>
#include <limits>

namespace vesk {
namespace {

constexpr std::array<WmaProfile, 12> kProfiles{{
    {8000, 1, 24},
    {11025, 1, 24},
    {16000, 1, 32},
    {22050, 1, 32},
    {22050, 2, 48},
    {32000, 2, 64},
    {44100, 2, 128},
    {44100, 2, 96},
    {44100, 2, 160},
    {44100, 2, 192},
    {48000, 2, 192},
    {44100, 1, 64},
}};

// How far a profile is from a source: a different rate or channel count outweighs any bitrate
// difference, so a matching format always wins.
int64_t Distance(const WmaProfile& profile, int32_t frequencyHz, int32_t channels, int32_t kbps) {
    constexpr int64_t kFormatMismatch = 1'000'000;
    int64_t distance = std::llabs(static_cast<int64_t>(profile.kbps) - kbps);
    if (profile.frequencyHz != frequencyHz) distance += 2 * kFormatMismatch;
    if (profile.channels != channels) distance += kFormatMismatch;
    return distance;
}

}  // namespace

int32_t WmaProfiles::Count() { return static_cast<int32_t>(kProfiles.size()); }

std::optional<WmaProfile> WmaProfiles::Find(int32_t number) {
    if (number < 0 || number >= Count()) return std::nullopt;
    return kProfiles[static_cast<size_t>(number)];
}

int32_t WmaProfiles::Closest(int32_t frequencyHz, int32_t channels, int32_t kbps) {
    int32_t best = kDefault;
    int64_t bestDistance = std::numeric_limits<int64_t>::max();
    for (int32_t number = 0; number < Count(); ++number) {
        int64_t distance = Distance(kProfiles[static_cast<size_t>(number)], frequencyHz, channels, kbps);
        if (distance < bestDistance) {
            best = number;
            bestDistance = distance;
        }
    }
    return best;
}

std::string DescribeWmaFormat(const std::string& codecLabel, int32_t frequencyHz, int32_t kbps, int32_t channels) {
    std::string text = codecLabel + " " + std::to_string(frequencyHz) + " Hz; ";
    if (kbps > 0) text += std::to_string(kbps) + " kbps; ";
    if (channels == 1) return text + "mono";
    if (channels == 2) return text + "stereo";
    return text + std::to_string(channels) + " channels";
}

}  // namespace vesk
