// The markers of one document state, in position order, with a cursor on the current marker.
// Markers are numbered 1..Count() in list order. A copy owns copies of every marker.
//
// The order is established only by the inserts: changing a marker's position through Current()
// does not move it, so numbers stay until the next insert. Inserting into a list in position
// order takes a binary search; a list left out of order takes a walk.
#pragma once

#include <cstdint>
#include <vector>

#include "document/MarkerRecord.h"

namespace vesk {

class MarkerList {
public:
    using const_iterator = std::vector<MarkerRecord>::const_iterator;

    // Inserts a copy after the markers that lie before it (see the .cpp for ties) and makes it
    // the current marker.
    void InsertSorted(const MarkerRecord& marker);
    // InsertSorted of each marker in turn, into an empty list, in O(n log n); the last one
    // becomes current. (A list that is not empty takes them one by one.)
    void InsertAllSorted(const std::vector<MarkerRecord>& markers);
    // Removes the current marker; the next one becomes current, or the previous one when the
    // last was removed. Nothing on an empty list.
    void DeleteCurrent();
    void Clear();
    // Makes marker number (clamped to [1, Count()]) current; nothing on an empty list.
    void GoTo(int32_t number);

    int32_t Count() const { return static_cast<int32_t>(markers_.size()); }
    bool Empty() const { return markers_.empty(); }
    // 1-based number of the current marker; 0 when the list is empty.
    int32_t CurrentNumber() const { return current_; }
    // The current marker, or nullptr when the list is empty. Valid until the list changes.
    MarkerRecord* Current() {
        if (current_ == 0) return nullptr;
        inOrder_ = false;  // the caller may move it
        return &markers_[current_ - 1];
    }
    const MarkerRecord* Current() const { return current_ > 0 ? &markers_[current_ - 1] : nullptr; }

    const_iterator begin() const { return markers_.begin(); }
    const_iterator end() const { return markers_.end(); }

    bool operator==(const MarkerList& other) const {
        return markers_ == other.markers_ && current_ == other.current_;
    }

private:
    // Where InsertSorted puts a marker at p (see the .cpp for ties).
    size_t InsertionIndex(uint32_t p);
    // InsertAllSorted of markers already in position order into an empty list, in O(n).
    void AppendInOrder(const std::vector<MarkerRecord>& markers);

    std::vector<MarkerRecord> markers_;
    int32_t current_ = 0;  // 1-based, 0 when empty
    bool inOrder_ = true;  // known to be in position order
};

}  // namespace vesk
