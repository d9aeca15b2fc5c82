// The mouse in the control's window: the window messages of the mouse turned into gestures —
// the cursor and a selection dragged in the waveform, the selection's edges grabbed in the marker
// bands, a zoomed view scrolled by its thumb or by dragging the time scale, zoom by the wheel,
// markers clicked, dragged, created and deleted by double clicks, the stereo channel an action
// applies to, clicks on the two scales — with the pointer each place shows and the mouse events
// of the control. MousePointer, MouseCustom and MouseEventsEnabled belong here.
//
// Coordinates are pixels of the control's window (the message's position less the client
// rectangle's corner); positions in the sound are byte offsets.
#pragma once

#include <cstdint>
#include <string>

#include "document/Document.h"
#include "interaction/Playback.h"
#include "platform/window/Pointer.h"
#include "platform/window/WindowMessages.h"
#include "view/EditorView.h"

namespace vesk {

class Mouse {
public:
    // What a message's handler answers, and whether the message goes on to the window's default
    // handling.
    struct Outcome {
        intptr_t result = 0;
        bool passOn = false;
    };

    // All outlive the mouse.
    Mouse(Document& document, EditorView& view, Playback& playback);

    Outcome HandleMessage(uint32_t message, uintptr_t wParam, intptr_t lParam);

    // MousePointerConstants value; vbCustom (99) shows the MouseCustom file's pointer.
    int32_t MousePointer() const { return mousePointer_; }
    void SetMousePointer(int32_t value);
    const std::string& MouseCustom() const { return mouseCustom_; }
    // Loads the file; when it cannot be loaded nothing changes.
    void SetMouseCustom(const std::string& path);
    // Non-zero: the mouse edits; zero: only the mouse events are fired.
    int16_t EventsEnabled() const { return eventsEnabled_; }
    void SetEventsEnabled(int16_t value) { eventsEnabled_ = value; }

    // The fixed end of the last selection drag, a column of the waveform area.
    int32_t AnchorColumn() const { return anchorColumn_; }

private:
    enum class Drag : int16_t {
        None = 0, Selecting = 1, ScrollThumb = 2, TimePan = 4, MoveCueMarker = 7, RangeMarkerStart = 8,
        RangeMarkerEnd = 9, SelectionEdge = 11,
    };
    // How the pointer rule treats a stereo document.
    enum class StereoRule { Hover, Press };
    struct Point {
        int32_t x, y;
    };

    // ---- Handlers ----
    void LeftDown(Point p, int32_t shift);
    void Move(Point p, uintptr_t keys, int32_t shift);
    void LeftUp(Point p, int32_t shift);
    void DoubleClick(Point p, bool withMarkers);
    void RightDown(Point p, int32_t shift);
    void Wheel(int32_t delta);

    // ---- Gestures of a drag ----
    void GrabEdgeOrMarker(Point p);
    void SetCursor(Point& p);
    void Scroll(int32_t x);
    void MoveCueMarker(int32_t x);
    void MoveRangeMarkerEdge(int32_t x);
    void DragSelection(Point& p);
    void DragSelectionEdge(int32_t x);
    void ToggleMarker(int32_t x);

    // ---- Regions and the pointer rule ----
    bool Guarded() const;
    bool OverWaveform(Point p) const;
    bool OverScrollThumb(Point p, bool compareLength) const;
    bool OverTimeScale(Point p) const;
    bool InMarkerBand(int32_t y) const;
    bool InInterior(int32_t y) const;
    // Picks (and shows) the pointer for p; the press rule also sets the channel flags.
    void PickPointer(Point p, bool compareLength, bool timeScale, StereoRule rule);
    Pointer StereoPointer(int32_t y, StereoRule rule, Pointer fallback);
    void Show(const Pointer& pointer);
    void ChannelsChanged();
    void Repaint();

    // The marker nearest to column x whose start or end lies within two edge bands of x (0: none);
    // columns are of the window.
    int32_t MarkerNear(int32_t x) const;
    int32_t FrameBytes() const { return document_.BytesPerFrame(); }

    Document& document_;
    EditorView& view_;
    Playback& playback_;
    Drag drag_ = Drag::None;
    int32_t anchorColumn_ = 0;
    int32_t scrollAnchorX_ = 0;
    uint64_t recomputesSeen_ = 0;
    int32_t mousePointer_ = 0;
    std::string mouseCustom_;
    Pointer customPointer_;
    int16_t eventsEnabled_ = 1;
    Pointer wavePointer_;
    Pointer shown_;
};

}  // namespace vesk
