// The markers a save writes with the file: those overlapping the saved range [a, b] (frames),
// moved so that a is frame 0, cut at both ends, and scaled by the ratio of the output rate to
// the document's rate.
#pragma once

#include <cstdint>
#include <vector>

#include "document/MarkerList.h"

namespace vesk {

// Nearest whole frame, halves going up.
int64_t RoundFrames(double frames);

std::vector<MarkerRecord> MarkersForSave(const MarkerList& markers, int64_t a, int64_t b, double rateRatio);

}  // namespace vesk
