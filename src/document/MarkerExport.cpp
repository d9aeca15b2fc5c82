#include "document/MarkerExport.h"

#include <cmath>

namespace vesk {

int64_t RoundFrames(double frames) { return static_cast<int64_t>(std::floor(frames + 0.5)); }

bool FitMarker(int64_t& p, int64_t& length, int64_t a, int64_t b) {
    if (p > b) return false;
    if (p < a && p + length < a) return false;
    if (p < a) p = a;  // the length stays: it is cut at the end below if need be
    if (p + length > b) length = b - p;
    return true;
}

std::vector<MarkerRecord> MarkersForSave(const MarkerList& markers, int64_t a, int64_t b, double rateRatio) {
    std::vector<MarkerRecord> saved;
    for (const MarkerRecord& marker : markers) {
        int64_t p = marker.positionFrames;
        int64_t length = marker.lengthFrames;
        if (p > b) break;  // the list is in position order
        if (!FitMarker(p, length, a, b)) continue;
        MarkerRecord out = marker;
        out.positionFrames = static_cast<uint32_t>(RoundFrames((p - a) * rateRatio));
        out.lengthFrames = static_cast<uint32_t>(RoundFrames(length * rateRatio));
        saved.push_back(std::move(out));
    }
    return saved;
}

}  // namespace vesk
