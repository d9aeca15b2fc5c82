// One state of the document: its working file and everything about it that undo and redo bring
// back (length, format, view and selection per zoom level, play and stream positions, markers).
// A plain value: copying it copies its markers. It does not own its file; the HistoryStore that
// holds it deletes the file when it drops the state.
//
// Every position and length here is a byte offset into the data payload of filePath and a
// multiple of BytesPerFrame(), except the markers, which count frames.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

#include "document/MarkerList.h"

namespace vesk {

inline constexpr int kZoomLevels = 50;

struct DocState {
    using PerZoomLevel = std::array<int32_t, kZoomLevels>;

    std::string filePath;       // working file (at most 1023 characters)
    int32_t totalBytes = 0;     // length of the data payload
    int16_t keepFile = 0;       // non-zero: the file survives dropping the state
    PerZoomLevel startView{};   // first visible byte, per zoom level
    PerZoomLevel endView{};     // end of the visible range, per zoom level
    PerZoomLevel startSelect{}; // selection start, per zoom level
    PerZoomLevel endSelect{};   // selection end, per zoom level
    int32_t streamPosition = 0; // next block playback reads or recording writes
    int16_t zoomLevel = 0;      // 0..kZoomLevels-1: the index in force
    int16_t selected = 0;       // non-zero when a range is selected
    int32_t ordinal = 0;        // 1 for the oldest state of the history, set by the store
    int32_t playPosition = 0;   // playback cursor
    int32_t frequency = 0;      // Hz
    int16_t channels = 0;       // 1 or 2
    MarkerList markers;         // positions and lengths in frames

    int32_t BytesPerFrame() const { return 2 * channels; }
    // The selection at the zoom level in force, in bytes. The end may lie before the start (an
    // edit that replaces the selection by nothing leaves it so, and a host may then set Selected):
    // such a selection holds no bytes, and nothing derived from it may count backwards.
    int32_t SelectStart() const { return startSelect[zoomLevel]; }
    int32_t SelectEnd() const { return endSelect[zoomLevel]; }
    int64_t SelectedBytes() const { return std::max<int64_t>(int64_t{SelectEnd()} - SelectStart(), 0); }
    // Selects the range of marker `number` (clamped to the markers there are) at the zoom level
    // in force, within the sound; a marker of length 0 leaves a cursor. False without markers.
    bool SelectMarker(int32_t number, int32_t bytesPerFrame) {
        if (markers.Empty()) return false;
        const MarkerRecord& marker = *(markers.begin() + (std::clamp(number, 1, markers.Count()) - 1));
        const int64_t start = int64_t{marker.positionFrames} * bytesPerFrame;
        const int64_t end = start + int64_t{marker.lengthFrames} * bytesPerFrame;
        startSelect[zoomLevel] = static_cast<int32_t>(std::min<int64_t>(start, totalBytes));
        endSelect[zoomLevel] = static_cast<int32_t>(std::min<int64_t>(end, totalBytes));
        selected = startSelect[zoomLevel] != endSelect[zoomLevel] ? 1 : 0;
        return true;
    }
    int32_t TotalFrames() const { return channels > 0 ? totalBytes / BytesPerFrame() : 0; }
};

}  // namespace vesk
