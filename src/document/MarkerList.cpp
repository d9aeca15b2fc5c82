#include "document/MarkerList.h"

#include <algorithm>

namespace vesk {

void MarkerList::InsertSorted(const MarkerRecord& marker) {
    const uint32_t p = marker.positionFrames;
    size_t index = 0;
    if (!markers_.empty() && markers_.front().positionFrames <= p) {
        // Walk on while the next marker lies strictly before p, and insert after the one reached.
        // So a marker that ties goes right after the first marker when that one ties, and before
        // the first tying marker otherwise; the walk also copes with a list left unsorted by
        // position changes.
        size_t reached = 0;
        while (reached + 1 < markers_.size() && markers_[reached + 1].positionFrames < p) ++reached;
        index = reached + 1;
    }
    markers_.insert(markers_.begin() + static_cast<std::ptrdiff_t>(index), marker);
    current_ = static_cast<int32_t>(index) + 1;
}

void MarkerList::DeleteCurrent() {
    if (current_ == 0) return;
    markers_.erase(markers_.begin() + (current_ - 1));
    // The next marker moved into the deleted one's number; past the end, the previous one is next.
    current_ = std::min(current_, Count());
}

void MarkerList::Clear() {
    markers_.clear();
    current_ = 0;
}

void MarkerList::GoTo(int32_t number) {
    if (markers_.empty()) return;
    current_ = std::clamp(number, 1, Count());
}

}  // namespace vesk
