#include "document/MarkerList.h"

#include <algorithm>
#include <deque>
#include <map>

namespace vesk {

namespace {

bool ByPosition(const MarkerRecord& a, const MarkerRecord& b) { return a.positionFrames < b.positionFrames; }

}  // namespace

// A marker goes after the markers that lie strictly before it. The walk that defines it starts
// at the first marker: a marker before the first goes first; otherwise it walks on while the next
// marker lies strictly before p and goes after the one reached. So a marker that ties goes right
// after the first marker when that one ties, and before the first tying marker otherwise. In a
// list in position order the walk ends where a binary search does.
size_t MarkerList::InsertionIndex(uint32_t p) {
    if (markers_.empty() || markers_.front().positionFrames > p) return 0;
    if (!inOrder_) inOrder_ = std::is_sorted(markers_.begin(), markers_.end(), ByPosition);
    if (inOrder_) {
        MarkerRecord probe;
        probe.positionFrames = p;
        const auto first = std::lower_bound(markers_.begin() + 1, markers_.end(), probe, ByPosition);
        return static_cast<size_t>(first - markers_.begin());
    }
    size_t reached = 0;
    while (reached + 1 < markers_.size() && markers_[reached + 1].positionFrames < p) ++reached;
    return reached + 1;
}

void MarkerList::InsertSorted(const MarkerRecord& marker) {
    const size_t index = InsertionIndex(marker.positionFrames);
    markers_.insert(markers_.begin() + static_cast<std::ptrdiff_t>(index), marker);
    current_ = static_cast<int32_t>(index) + 1;
}

void MarkerList::InsertAllSorted(const std::vector<MarkerRecord>& markers) {
    if (!markers_.empty()) {
        for (const MarkerRecord& marker : markers) InsertSorted(marker);
        return;
    }
    if (markers.empty()) return;
    if (std::is_sorted(markers.begin(), markers.end(), ByPosition)) return AppendInOrder(markers);
    // The rule applied group by group of equal positions: a marker starts its group when the
    // position is new, goes second when its group is the first of the list, first otherwise.
    std::map<uint32_t, std::deque<const MarkerRecord*>> groups;
    uint32_t lastPosition = 0;
    size_t lastOffset = 0;
    for (const MarkerRecord& marker : markers) {
        const uint32_t p = marker.positionFrames;
        const auto group = groups.find(p);
        if (group == groups.end()) {
            groups[p].push_back(&marker);
            lastOffset = 0;
        } else if (group == groups.begin()) {
            group->second.insert(group->second.begin() + 1, &marker);
            lastOffset = 1;
        } else {
            group->second.push_front(&marker);
            lastOffset = 0;
        }
        lastPosition = p;
    }
    markers_.reserve(markers.size());
    size_t before = 0;
    for (const auto& [position, members] : groups) {
        if (position < lastPosition) before += members.size();
        for (const MarkerRecord* member : members) markers_.push_back(*member);
    }
    current_ = static_cast<int32_t>(before + lastOffset) + 1;
    inOrder_ = true;
}

// Markers that arrive in position order (those of a file, or carried through an edit) each go
// at the end of the list, or into the group of equal positions at its end: second when that group
// is the first of the list, first otherwise. So a run of equal positions ends up reversed after
// its first marker (first group) or reversed whole (any other group).
void MarkerList::AppendInOrder(const std::vector<MarkerRecord>& markers) {
    markers_.reserve(markers.size());
    size_t lastIndex = 0;
    for (size_t begin = 0; begin < markers.size();) {
        size_t end = begin + 1;
        while (end < markers.size() && markers[end].positionFrames == markers[begin].positionFrames) ++end;
        const bool firstGroup = markers_.empty();
        const size_t groupStart = markers_.size();
        if (firstGroup) markers_.push_back(markers[begin]);
        for (size_t i = end; i > begin + (firstGroup ? 1 : 0); --i) markers_.push_back(markers[i - 1]);
        lastIndex = firstGroup && end - begin > 1 ? 1 : groupStart;
        begin = end;
    }
    current_ = static_cast<int32_t>(lastIndex) + 1;
    inOrder_ = true;
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
    inOrder_ = true;
}

void MarkerList::GoTo(int32_t number) {
    if (markers_.empty()) return;
    current_ = std::clamp(number, 1, Count());
}

}  // namespace vesk
