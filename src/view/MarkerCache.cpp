#include "view/MarkerCache.h"

#include <algorithm>
#include <cstdlib>

namespace vesk {

bool MarkerCache::Sync(const MarkerList* list, int32_t bytesPerFrame) {
    const bool hadMarkers = !startBytes_.empty();
    startBytes_.clear();
    lengthBytes_.clear();
    if (!list || list->Empty()) return hadMarkers;
    const int64_t frame = std::max(bytesPerFrame, 1);
    startBytes_.reserve(static_cast<size_t>(list->Count()));
    lengthBytes_.reserve(static_cast<size_t>(list->Count()));
    for (const MarkerRecord& marker : *list) {
        startBytes_.push_back(int64_t{marker.positionFrames} * frame);
        lengthBytes_.push_back(int64_t{marker.lengthFrames} * frame);
    }
    return true;
}

int32_t MarkerCache::FindMarker(int64_t bytePosition) const {
    if (firstShown_ < 0) return 0;
    int32_t best = 0;
    int64_t bestDistance = 0;
    const int32_t last = std::min(lastShown_, Count() - 1);
    for (int32_t i = firstShown_; i <= last; ++i) {
        const int64_t d1 = std::llabs(startBytes_[i] - bytePosition);
        const int64_t d2 = std::llabs(startBytes_[i] + lengthBytes_[i] - bytePosition);
        if (best == 0 || d1 < bestDistance || d2 < bestDistance) {
            best = i + 1;
            bestDistance = std::min(d1, d2);
        }
    }
    return best;
}

}  // namespace vesk
