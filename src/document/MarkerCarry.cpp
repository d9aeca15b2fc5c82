#include "document/MarkerCarry.h"

#include <algorithm>

namespace vesk {

namespace {

MarkerRecord Placed(const MarkerRecord& marker, int64_t positionFrames, int64_t lengthFrames) {
    const auto toField = [](int64_t frames) {
        return static_cast<uint32_t>(std::clamp<int64_t>(frames, 0, UINT32_MAX));
    };
    MarkerRecord moved = marker;
    moved.positionFrames = toField(positionFrames);
    moved.lengthFrames = toField(lengthFrames);
    return moved;
}

}  // namespace

std::optional<MarkerRecord> MarkerCarry::ThroughEdit(const MarkerRecord& marker, const EditSpan& span) {
    const int64_t s = span.startFrame;
    const int64_t e = span.endFrame;
    const int64_t removed = e - s;
    const int64_t added = span.replacedFrames;
    const int64_t p = marker.positionFrames;
    const int64_t length = marker.lengthFrames;
    const int64_t q = p + length;
    // The stretch of the replaced range; only used where p or q lies strictly inside it.
    const double r = removed > 0 ? static_cast<double>(added) / static_cast<double>(removed) : 0.0;
    const bool startsInside = s < p && p < e;
    const bool endsInside = s < q && q < e;

    if (p >= e) return Placed(marker, p - removed + added, length);
    if (startsInside && endsInside) {
        if (added == 0) return std::nullopt;
        return Placed(marker, s + Round((p - s) * r), Round(length * r));
    }
    if (startsInside && q >= e && added == 0) return Placed(marker, s, length - (e - p));
    if (p < s && endsInside && added == 0) return Placed(marker, p, s - p);
    if (startsInside && q > e && added != 0) {
        return Placed(marker, s + Round((p - s) * r), Round(length - (e - p) * (1 - r)));
    }
    if (p < s && endsInside && added != 0) return Placed(marker, p, Round(length * r + (s - p) * (1 - r)));
    if (p < s && q > e && added != 0) return Placed(marker, p, (s - p) + added + (q - e));
    if (p < s && q > e && added == 0) return Placed(marker, p, length - removed);
    return marker;
}

MarkerRecord MarkerCarry::ThroughRateChange(const MarkerRecord& marker, double ratio) {
    return Placed(marker, Round(marker.positionFrames * ratio), Round(marker.lengthFrames * ratio));
}

}  // namespace vesk
