// Byte positions of the current state's markers, which the painter draws and the mouse tests
// against, and which markers the last composition showed. Rebuilt by Sync after every change
// of the markers or of the current state.
#pragma once

#include <cstdint>
#include <vector>

#include "document/MarkerList.h"

namespace vesk {

class MarkerCache {
public:
    // Rebuilds from list (nullptr: no document) with bytesPerFrame. True when the picture
    // must change: there are markers now, or there were before.
    bool Sync(const MarkerList* list, int32_t bytesPerFrame);

    int32_t Count() const { return static_cast<int32_t>(startBytes_.size()); }
    const std::vector<int64_t>& StartBytes() const { return startBytes_; }
    const std::vector<int64_t>& LengthBytes() const { return lengthBytes_; }

    // The painter records which markers it drew (0-based indices, -1 when none).
    void SetShown(int32_t first, int32_t last) {
        firstShown_ = first;
        lastShown_ = last;
    }
    // 1-based number of the shown marker whose start or end is nearest to bytePosition; 0 when
    // none is shown.
    int32_t FindMarker(int64_t bytePosition) const;

private:
    std::vector<int64_t> startBytes_;
    std::vector<int64_t> lengthBytes_;
    int32_t firstShown_ = -1;
    int32_t lastShown_ = -1;
};

}  // namespace vesk
