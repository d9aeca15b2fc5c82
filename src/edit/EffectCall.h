// One effect as the pipeline runs it: its status code, which arrays it works on, and the
// transform component calls it makes on each array.
#pragma once

#include "document/Status.h"

#include <cstdint>
#include <functional>
#include <vector>

#include "components/VeskAudioTransform.h"

namespace vesk {

enum class EffectChannels {
    PerFlags,     // stereo: the channels whose Operation flag is set, one array each
    BothAlways,   // stereo: both channels, one array each, whatever the flags say
    Interleaved,  // one array with the channels interleaved
};

// One call of the component on the array the pointer names (it may replace the array).
using EffectStep = std::function<void(IVeskAudioTransform& transform, SAFEARRAY** samples)>;

struct EffectCall {
    Status code = Status::Idle;  // Status while the effect runs
    EffectChannels channels = EffectChannels::PerFlags;
    // Run in order on each array; a step after the first runs only when not cancelled. No
    // steps at all still rewrites the range unchanged.
    std::vector<EffectStep> steps;
    bool stereoOnly = false;  // does nothing on a mono document
};

}  // namespace vesk
