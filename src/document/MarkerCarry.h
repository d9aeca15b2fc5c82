// Where a marker goes when an edit replaces a range of the sound, or when the sample rate
// changes. All positions and lengths are in frames.
#pragma once

#include <cstdint>
#include <optional>

#include "document/MarkerRecord.h"

namespace vesk {

// An edit of the previous state: frames [startFrame, endFrame) were replaced by replacedFrames
// new frames (0 for a deletion; endFrame == startFrame for an insertion).
struct EditSpan {
    int64_t startFrame = 0;
    int64_t endFrame = 0;
    int64_t replacedFrames = 0;
};

class MarkerCarry {
public:
    // The marker after the edit, or nothing when the edit removed it. The rules compare strictly
    // as they are written: a marker that starts exactly at the start of the span stays where it
    // is, one that ends exactly at its end is not "inside".
    static std::optional<MarkerRecord> ThroughEdit(const MarkerRecord& marker, const EditSpan& span);
    // The marker with position and length multiplied by ratio (new rate ÷ old rate), rounded.
    static MarkerRecord ThroughRateChange(const MarkerRecord& marker, double ratio);
    // x to the nearest whole frame, halves up: add 0.5, then cut the fraction.
    static int64_t Round(double x) { return static_cast<int64_t>(x + 0.5); }
};

}  // namespace vesk
