// The undo/redo history: document states from oldest to newest with one of them current. It owns
// the states and, through them, their working files: a state it drops takes its file with it
// unless the state has keepFile set. Single-threaded (the control's thread).
#pragma once

#include <cstdint>
#include <deque>

#include "document/DocState.h"

namespace vesk {

class HistoryStore {
public:
    static constexpr int32_t kDefaultDepth = 1000;

    HistoryStore() = default;
    // Clear(): the working files of the remaining states are deleted.
    ~HistoryStore();
    HistoryStore(const HistoryStore&) = delete;
    HistoryStore& operator=(const HistoryStore&) = delete;

    // Adds a copy of state after the current one and makes it current. Newer states (the redo
    // side) are dropped first; when the current ordinal has reached Depth(), the oldest state is
    // dropped too (one per push, so a lowered depth keeps the length instead of shrinking it).
    void Push(const DocState& state);
    // Moves to the older / newer state; false (and nothing changes) when there is none.
    bool StepBack();
    bool StepForward();

    // nullptr when no document is open. Valid until the store changes.
    DocState* Current();
    const DocState* Current() const;
    // The state before / after the current one, or nullptr.
    DocState* Previous();
    const DocState* Previous() const;
    const DocState* Next() const;

    // Deletes the working file of every state without keepFile, newest first. The states stay.
    void DeleteFiles();
    // DeleteFiles, then drops every state: no document.
    void Clear();

    // Largest ordinal a state may have before the oldest is dropped; not checked here (the
    // control clamps what the host gives).
    int32_t Depth() const { return depth_; }
    void SetDepth(int32_t depth) { depth_ = depth; }
    int32_t Count() const { return static_cast<int32_t>(states_.size()); }
    // State index (0 = oldest) of [0, Count()).
    const DocState& At(int32_t index) const { return states_[static_cast<size_t>(index)]; }

    // Fills current's markers from previous's after an edit that replaced frames
    // [startFrame, endFrame) of previous by replacedFrames frames. When the rates differ the
    // markers are only scaled by current.frequency / previous.frequency. Markers are added to
    // current's list as InsertSorted would add them; nothing happens when previous has none.
    static void CarryMarkers(const DocState& previous, DocState& current, int64_t startFrame,
                             int64_t endFrame, int64_t replacedFrames);
    // The same for the store's current state and the one before it, taking the edit from the
    // previous state's selection and its length from the current state's selection. For callers
    // that know no better; nothing without a previous state.
    static void CarryMarkers(HistoryStore& store);

private:
    void DropRedoSide();
    void DropOldest();
    static void DeleteFileOf(const DocState& state);

    std::deque<DocState> states_;  // oldest first
    size_t current_ = 0;           // index into states_ when not empty
    int32_t depth_ = kDefaultDepth;
};

}  // namespace vesk
