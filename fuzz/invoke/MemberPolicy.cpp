#include "fuzz/invoke/MemberPolicy.h"

#include <algorithm>
#include <array>

namespace vesk::fuzz {
namespace {

struct Rule {
    std::string_view interfaceName;
    std::string_view memberName;
    MemberPolicy policy;
};

constexpr MemberPolicy kLeftOut{.skipped = true};
constexpr MemberPolicy kBounded{.numbers = NumberRange::Bounded};

constexpr std::string_view kControl = "IAudioEditor";

constexpr Rule kRules[] = {
    // The transport: these start or resume playing and recording, which waits on a device.
    {kControl, "Play", kLeftOut},
    {kControl, "Record", kLeftOut},
    {kControl, "Pause", kLeftOut},
    {kControl, "Continue", kLeftOut},
    // Work that grows with an argument without a clamp of its own.
    {kControl, "InsertSilence", kBounded},
    {kControl, "New", kBounded},
    {kControl, "ConvertSampleType", kBounded},
};

constexpr std::array<std::string_view, 3> kPathProperties = {"TempDirectory", "TempFileName", "MouseCustom"};
constexpr std::array<std::string_view, 3> kPathParameters = {"fileName", "fileBMP", "fileNamePaste"};

template <size_t N>
bool Contains(const std::array<std::string_view, N>& names, std::string_view name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

}  // namespace

MemberPolicy PolicyFor(std::string_view interfaceName, std::string_view memberName) {
    for (const Rule& rule : kRules) {
        if (rule.interfaceName == interfaceName && rule.memberName == memberName) return rule.policy;
    }
    // The output format's rate and bitrate size every later Save, which converts the sound to
    // them: a rate of 2^31 Hz makes a tenth of a second hundreds of megabytes.
    if (interfaceName == kControl && memberName.starts_with("SetFormat")) return kBounded;
    return {};
}

bool NamesAPath(std::string_view memberName, std::string_view paramName) {
    return paramName.empty() ? Contains(kPathProperties, memberName) : Contains(kPathParameters, paramName);
}

}  // namespace vesk::fuzz
