// The rule by which markers meet the ends of a range of sound, and the markers a save writes
// with the file: those overlapping the saved range [a, b] (frames), moved so that a is frame 0,
// cut at both ends, and scaled by the ratio of the output rate to the document's rate. Reading a
// file applies the same rule with the range [0, length of the sound].
#pragma once

#include <cstdint>
#include <vector>

#include "document/MarkerList.h"

namespace vesk {

// Nearest whole frame, halves going up.
int64_t RoundFrames(double frames);

// Fits a marker at position p of length frames into [a, b]: false when it lies wholly before a
// or starts after b; otherwise a start before a moves to a (the length stays) and a marker that
// reaches past b is cut at b.
bool FitMarker(int64_t& p, int64_t& length, int64_t a, int64_t b);

std::vector<MarkerRecord> MarkersForSave(const MarkerList& markers, int64_t a, int64_t b, double rateRatio);

}  // namespace vesk
