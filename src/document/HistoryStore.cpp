#include "document/HistoryStore.h"

#include <algorithm>

#include "document/MarkerCarry.h"
#include "platform/io/PathUtil.h"

namespace vesk {

namespace {

int ZoomIndex(const DocState& state) { return std::clamp<int>(state.zoomLevel, 0, kZoomLevels - 1); }

}  // namespace

HistoryStore::~HistoryStore() { Clear(); }

void HistoryStore::Push(const DocState& state) {
    DocState copy = state;
    if (states_.empty()) {
        copy.ordinal = 1;
        states_.push_back(std::move(copy));
        current_ = 0;
        return;
    }
    DropRedoSide();
    if (states_[current_].ordinal >= depth_) DropOldest();
    copy.ordinal = states_[current_].ordinal + 1;
    states_.push_back(std::move(copy));
    current_ = states_.size() - 1;
}

void HistoryStore::DropRedoSide() {
    for (size_t i = current_ + 1; i < states_.size(); ++i) DeleteFileOf(states_[i]);
    states_.erase(states_.begin() + static_cast<std::ptrdiff_t>(current_ + 1), states_.end());
}

// Drops exactly one state, however far the current ordinal is beyond the depth.
void HistoryStore::DropOldest() {
    if (states_.size() < 2) return;  // the current state itself is never dropped
    for (size_t i = 1; i <= current_; ++i) --states_[i].ordinal;
    DeleteFileOf(states_.front());
    states_.pop_front();
    --current_;
}

bool HistoryStore::StepBack() {
    if (states_.empty() || current_ == 0) return false;
    --current_;
    return true;
}

bool HistoryStore::StepForward() {
    if (current_ + 1 >= states_.size()) return false;
    ++current_;
    return true;
}

DocState* HistoryStore::Current() { return states_.empty() ? nullptr : &states_[current_]; }
const DocState* HistoryStore::Current() const { return states_.empty() ? nullptr : &states_[current_]; }

DocState* HistoryStore::Previous() { return states_.empty() || current_ == 0 ? nullptr : &states_[current_ - 1]; }
const DocState* HistoryStore::Previous() const {
    return states_.empty() || current_ == 0 ? nullptr : &states_[current_ - 1];
}

const DocState* HistoryStore::Next() const {
    return current_ + 1 < states_.size() ? &states_[current_ + 1] : nullptr;
}

void HistoryStore::DeleteFiles() {
    for (auto state = states_.rbegin(); state != states_.rend(); ++state) DeleteFileOf(*state);
}

void HistoryStore::Clear() {
    DeleteFiles();
    states_.clear();
    current_ = 0;
}

void HistoryStore::DeleteFileOf(const DocState& state) {
    // A file that is already gone is fine; there is nobody to tell about one that cannot go.
    if (state.keepFile == 0) RemoveFile(state.filePath);
}

void HistoryStore::CarryMarkers(const DocState& previous, DocState& current, int64_t startFrame,
                                int64_t endFrame, int64_t replacedFrames) {
    if (previous.markers.Empty()) return;
    std::vector<MarkerRecord> carried;
    carried.reserve(static_cast<size_t>(previous.markers.Count()));
    if (current.frequency != previous.frequency && previous.frequency > 0) {
        const double ratio = static_cast<double>(current.frequency) / previous.frequency;
        for (const MarkerRecord& marker : previous.markers) {
            carried.push_back(MarkerCarry::ThroughRateChange(marker, ratio));
        }
    } else {
        const EditSpan span{startFrame, endFrame, replacedFrames};
        for (const MarkerRecord& marker : previous.markers) {
            if (auto moved = MarkerCarry::ThroughEdit(marker, span)) carried.push_back(std::move(*moved));
        }
    }
    current.markers.InsertAllSorted(carried);
}

void HistoryStore::CarryMarkers(HistoryStore& store) {
    const DocState* previous = store.Previous();
    DocState* current = store.Current();
    if (!previous || !current || previous->BytesPerFrame() <= 0) return;
    const int32_t frameBytes = previous->BytesPerFrame();
    const int p = ZoomIndex(*previous);
    const int c = ZoomIndex(*current);
    const int64_t startFrame = previous->startSelect[p] / frameBytes;
    const int64_t endFrame = previous->endSelect[p] / frameBytes;
    const int64_t written = (int64_t{current->endSelect[c]} - current->startSelect[c]) / frameBytes;
    CarryMarkers(*previous, *current, startFrame, endFrame, written);
}

}  // namespace vesk
