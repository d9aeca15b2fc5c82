// What the document and the operations on it ask of whatever shows the document (the view):
// display data to rebuild, a range to show, a picture to redraw. The view implements it; the
// defaults do nothing, so a document without a view (tests, tools) works on its own.
//
// Byte positions are offsets into the data payload of the current working file.
#pragma once

#include <cstdint>
#include <span>

namespace vesk {

class DocumentDisplay {
public:
    virtual ~DocumentDisplay() = default;

    // The overview of the whole current working file, read again (after every change of the
    // working file); the document's Status is BuildingOverview meanwhile, with progress events.
    virtual void BuildOverview() {}
    virtual void FreeOverview() {}
    // The overview filled while a file decodes: the expected length in bytes; then every
    // decoded block with the bytes decoded before it.
    virtual void StartDecodingOverview(int64_t /*expectedBytes*/, int32_t /*channels*/) {}
    virtual void AddDecodedBlock(std::span<const int16_t> /*samples*/, int64_t /*bytesBefore*/) {}

    // Shows [startByte, endByte) of the current state at its zoom level; false when the display
    // data could not be read from the working file.
    virtual bool RecomputeView(int32_t /*startByte*/, int32_t /*endByte*/) { return true; }
    // RecomputeView with the current state's stored view.
    virtual bool RecomputeStoredView() { return true; }
    // The composed picture again (cheap), or the background first (after colours, selection).
    virtual void Redraw() {}
    virtual void RenderBackground() {}

    // The document's rate or channel count changed: the scales are laid out again.
    virtual void FormatChanged() {}
    // The current state's markers changed (added, moved, removed, or another state is current).
    virtual void MarkersChanged() {}
    // Progress of an open or a save, 0..100: the picture shows it and BlockOperation reports it.
    virtual void ShowProgress(int32_t /*percent*/) {}
    // Progress back to 0 at the start of an open or a save, without an event.
    virtual void ResetProgress() {}
    // The document closed: the amplitude scale returns to the full scale of its sample width.
    virtual void ResetFullScale(int32_t /*bitsPerSample*/) {}
};

}  // namespace vesk
