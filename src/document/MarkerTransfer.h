// Markers and tags between a document and the information component: read from a file after
// it was opened, written into a file after it was saved.
#pragma once

#include <cstdint>
#include <string>

#include "components/VeskAudioInformation.h"
#include "document/DocState.h"

namespace vesk {

class MarkerTransfer {
public:
    // info outlives the transfer.
    explicit MarkerTransfer(IVeskAudioInformation& info) : info_(info) {}

    // Reads fileName's tags into the component and its markers into state, cut at the end of
    // the sound (state.TotalFrames()) as a save would cut them: a marker that starts after the
    // end is dropped, one that reaches past it ends there.
    void Read(const std::string& fileName, DocState& state);
    // Writes the component's tags and the markers of state over the frames [a, b] (moved to
    // start at a, cut to the range, scaled by rateRatio) into fileName. withMarkers false
    // writes the tags alone.
    void Write(const std::string& fileName, const DocState& state, int64_t a, int64_t b, double rateRatio,
               bool withMarkers);

private:
    void RemoveHeldMarkers();
    MarkerRecord SelectedMarker();

    IVeskAudioInformation& info_;
};

}  // namespace vesk
