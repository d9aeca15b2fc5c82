#include "interaction/Mouse.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace vesk {

namespace {

constexpr int32_t kDragHysteresis = 5;   // columns a selection edge must move while selecting
constexpr int32_t kEdgeHysteresis = 3;   // the same while moving a grabbed edge
constexpr int32_t kCollapseColumns = 3;  // a selection narrower than this ends as a cursor
constexpr int32_t kCustomPointer = 99;

// MousePointerConstants values 0..15 and the system pointer each shows.
constexpr PointerShape kSystemPointers[] = {
    PointerShape::Arrow,   PointerShape::Arrow,    PointerShape::Cross,  PointerShape::IBeam,
    PointerShape::Icon,    PointerShape::SizeAll,  PointerShape::SizeNESW, PointerShape::SizeNS,
    PointerShape::SizeNWSE, PointerShape::SizeWE,  PointerShape::UpArrow, PointerShape::Wait,
    PointerShape::No,      PointerShape::AppStarting, PointerShape::Help, PointerShape::Size};

int32_t ShiftMask(uintptr_t keys) {
    return ((keys & MK_SHIFT) ? 1 : 0) + ((keys & MK_CONTROL) ? 2 : 0) + ((keys & 0x20) ? 4 : 0);
}

int32_t ButtonMask(uintptr_t keys) {
    return ((keys & MK_LBUTTON) ? 1 : 0) | ((keys & MK_RBUTTON) ? 2 : 0) | ((keys & MK_MBUTTON) ? 4 : 0);
}

}  // namespace

Mouse::Mouse(Document& document, EditorView& view, Playback& playback)
    : document_(document), view_(view), playback_(playback) {}

// ---- Properties ----

void Mouse::SetMousePointer(int32_t value) {
    if (value == mousePointer_) return;
    mousePointer_ = value;
    if (value >= 0 && value < static_cast<int32_t>(std::size(kSystemPointers))) {
        wavePointer_ = SystemPointer(kSystemPointers[value]);
    } else if (value == kCustomPointer && customPointer_.image) {
        wavePointer_ = customPointer_;
    } else {
        // A value without a pointer, or a custom pointer whose file would not load: the plain
        // arrow rather than a pointer that was let go.
        wavePointer_ = SystemPointer(PointerShape::Arrow);
    }
}

void Mouse::SetMouseCustom(const std::string& path) {
    std::optional<PointerImage> image = LoadPointerFile(path);
    if (!image) return;
    mouseCustom_ = path;
    customPointer_ = Pointer{PointerShape::Custom, std::make_shared<const PointerImage>(std::move(*image))};
    if (mousePointer_ == kCustomPointer) wavePointer_ = customPointer_;
}

// ---- Regions ----

bool Mouse::Guarded() const {
    const DocState* state = document_.Current();
    return eventsEnabled_ != 0 && state && state->totalBytes != 0;
}

bool Mouse::OverWaveform(Point p) const {
    const WaveArea& a = view_.Geometry().Area();
    return a.left <= p.x && p.x <= a.right && 0 <= p.y && p.y <= view_.Client().Height();
}

bool Mouse::OverScrollThumb(Point p, bool compareLength) const {
    const DocState* s = document_.Current();
    if (!s || s->zoomLevel == 0) return false;
    const auto span = static_cast<uint32_t>(s->endView[s->zoomLevel] - s->startView[s->zoomLevel]);
    if (compareLength && span >= static_cast<uint32_t>(s->totalBytes)) return false;
    const int32_t thumb = view_.Time().ThumbX();
    return 0 <= p.y && p.y <= view_.Geometry().ScrollBandHeight() + 5 && thumb - 5 <= p.x &&
           p.x <= thumb + view_.Time().ThumbWidth() + 5;
}

bool Mouse::OverTimeScale(Point p) const {
    const DocState* s = document_.Current();
    const WaveArea& a = view_.Geometry().Area();
    const int32_t height = view_.Client().Height();
    return s && s->zoomLevel > 0 && view_.ScaleXSettings().visible && a.left <= p.x && p.x <= a.right &&
           height - view_.Geometry().ScaleXHeight() <= p.y && p.y <= height;
}

bool Mouse::InMarkerBand(int32_t y) const {
    const WaveArea& a = view_.Geometry().Area();
    const int32_t edge = view_.Geometry().EdgeBand();
    return (a.top <= y && y <= a.top + edge) || (a.bottom - edge <= y && y <= a.bottom);
}

bool Mouse::InInterior(int32_t y) const {
    const WaveArea& a = view_.Geometry().Area();
    const int32_t edge = view_.Geometry().EdgeBand();
    return a.top + edge < y && y < a.bottom - edge;
}

// ---- Pointers and channels ----

void Mouse::Show(const Pointer& pointer) {
    if (pointer == shown_) return;
    shown_ = pointer;
    if (ControlSite* site = view_.Site()) site->ShowPointer(pointer);
}

void Mouse::ChannelsChanged() {
    if (view_.TypeView() != kViewSpectral) view_.RenderBackground();
}

void Mouse::Repaint() {
    if (view_.TypeView() != kViewSpectral) view_.RenderBackground();
    view_.Redraw();
}

// Where a stereo action applies is chosen by the height in the area: the upper half (or eighth,
// with both channels in operation) for the left channel, the lower for the right. The bounds
// divide the area's bottom itself, not its height.
Pointer Mouse::StereoPointer(int32_t y, StereoRule rule, Pointer fallback) {
    const ChannelSelection& flags = document_.ChannelFlags();
    const WaveArea& a = view_.Geometry().Area();
    const Pointer left = OwnPointer(PointerShape::Left);
    const Pointer right = OwnPointer(PointerShape::Right);
    if (flags.VisibleCount() == 1) return flags.IsVisible(0) ? left : right;
    if (flags.VisibleCount() != 2) return fallback;
    Pointer pointer = fallback;
    const bool upperHalf = a.top < y && y < a.bottom / 2;
    const bool lowerHalf = a.bottom / 2 < y && y < a.bottom;
    const bool upperEighth = a.top < y && y < a.bottom / 8;
    const bool lowerEighth = 7 * a.bottom / 8 < y && y < a.bottom;
    if (rule == StereoRule::Hover) {
        const bool both = flags.OperationCount() == 2;
        if (both ? upperEighth : upperHalf) pointer = left;
        if (both ? lowerEighth : lowerHalf) pointer = right;
        return pointer;
    }
    ChannelSelection& changing = document_.ChannelFlags();
    if (flags.OperationCount() == 1) {
        // A press in the other channel's half puts both channels in operation.
        if (upperHalf) {
            pointer = left;
            changing.SetOperated(0, 1);
        }
        if (lowerHalf) {
            pointer = right;
            changing.SetOperated(1, 1);
        }
    }
    if (upperEighth) {
        pointer = left;
        changing.SetOperated(true, false);
    }
    if (lowerEighth) {
        pointer = right;
        changing.SetOperated(false, true);
    }
    ChannelsChanged();
    return pointer;
}

void Mouse::PickPointer(Point p, bool compareLength, bool timeScale, StereoRule rule) {
    Pointer pointer = wavePointer_;
    if (OverScrollThumb(p, compareLength)) pointer = OwnPointer(PointerShape::Grab);
    if (timeScale && OverTimeScale(p)) {
        pointer = OwnPointer(PointerShape::Grab);
    } else if (InMarkerBand(p.y)) {
        pointer = OwnPointer(PointerShape::Edge);
    } else if (document_.Channels() == 2) {
        pointer = StereoPointer(p.y, rule, pointer);
    }
    Show(pointer);
}

// ---- Messages ----

Mouse::Outcome Mouse::HandleMessage(uint32_t message, uintptr_t wParam, intptr_t lParam) {
    // Someone else recomputed the view since the last message: a drag in progress ends.
    if (view_.RecomputeCount() != recomputesSeen_) drag_ = Drag::None;
    const ClientRect& client = view_.Client();
    Point p{XOfLParam(lParam) - client.left, YOfLParam(lParam) - client.top};
    const int32_t shift = ShiftMask(wParam);
    Outcome outcome{0, true};
    EventSink& events = document_.Events();
    switch (message) {
        case WM_LBUTTONDOWN:
            LeftDown(p, shift);
            break;
        case WM_MOUSEMOVE:
            Move(p, wParam, shift);
            break;
        case WM_LBUTTONUP:
            LeftUp(p, shift);
            break;
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDBLCLK:
            DoubleClick(p, message == WM_LBUTTONDBLCLK);
            outcome.passOn = false;
            break;
        case WM_RBUTTONDOWN:
            RightDown(p, shift);
            break;
        case WM_RBUTTONUP:
            if (Guarded() && OverWaveform(p)) PickPointer(p, false, false, StereoRule::Hover);
            events.MouseUp(2, shift, static_cast<int16_t>(p.x), static_cast<int16_t>(p.y));
            break;
        case WM_MBUTTONDOWN:
            events.MouseDown(4, shift, static_cast<int16_t>(p.x), static_cast<int16_t>(p.y));
            break;
        case WM_MBUTTONUP:
            events.MouseUp(4, shift, static_cast<int16_t>(p.x), static_cast<int16_t>(p.y));
            break;
        case WM_MBUTTONDBLCLK:
            events.DblClick();
            outcome.passOn = false;
            break;
        case WM_MOUSEWHEEL:
            Wheel(static_cast<int32_t>(static_cast<uint32_t>(wParam)));
            break;
        default:
            // Size, erase and destroy: layout happens in the paint, and the background is never
            // erased.
            outcome.passOn = false;
            break;
    }
    recomputesSeen_ = view_.RecomputeCount();
    return outcome;
}

void Mouse::LeftDown(Point p, int32_t shift) {
    if (Guarded() && OverWaveform(p)) {
        if (ControlSite* site = view_.Site()) site->SetCapture(true);
        Pointer pointer = wavePointer_;
        drag_ = Drag::None;
        if (OverScrollThumb(p, true)) {
            drag_ = Drag::ScrollThumb;
            scrollAnchorX_ = p.x;
            pointer = OwnPointer(PointerShape::Grab);
        } else if (OverTimeScale(p)) {
            drag_ = Drag::TimePan;
            scrollAnchorX_ = p.x;
            pointer = OwnPointer(PointerShape::Grab);
        } else if (InMarkerBand(p.y)) {
            pointer = OwnPointer(PointerShape::Edge);
        } else if (document_.Channels() == 2) {
            pointer = StereoPointer(p.y, StereoRule::Press, pointer);
        }
        if (drag_ == Drag::None && InMarkerBand(p.y)) {
            GrabEdgeOrMarker(p);
        } else if (drag_ == Drag::None && InInterior(p.y)) {
            SetCursor(p);
        }
        Show(pointer);
    }
    document_.Events().MouseDown(1, shift, static_cast<int16_t>(p.x), static_cast<int16_t>(p.y));
}

void Mouse::GrabEdgeOrMarker(Point p) {
    const DocState& s = *document_.Current();
    const WaveArea& a = view_.Geometry().Area();
    const ViewGeometry& g = view_.Geometry();
    const int32_t edge = g.EdgeBand();
    const auto startView = static_cast<uint32_t>(s.startView[s.zoomLevel]);
    const auto endView = static_cast<uint32_t>(s.endView[s.zoomLevel]);
    const auto start = static_cast<uint32_t>(s.SelectStart());
    const auto end = static_cast<uint32_t>(s.SelectEnd());
    const bool startShown = startView <= start && start <= endView;
    const bool endShown = startView <= end && end <= endView;
    // Each handle lies on the inner side of its edge.
    if (startShown && std::abs(p.x - a.left - g.SelectionStartColumn() - edge / 2) <= edge) {
        drag_ = Drag::SelectionEdge;
        anchorColumn_ = g.SelectionEndColumn();
        return;
    }
    if (endShown && std::abs(p.x - a.left - g.SelectionEndColumn() + edge / 2) <= edge) {
        drag_ = Drag::SelectionEdge;
        anchorColumn_ = g.SelectionStartColumn();
        return;
    }
    if (s.markers.Empty()) return;
    const int32_t n = view_.Markers().FindMarker(view_.ColumnToPosition(p.x - a.left));
    document_.Current()->markers.GoTo(n);
    if (n < 1) return;
    const int64_t markerStart = view_.Markers().StartBytes()[n - 1];
    const int64_t markerLength = view_.Markers().LengthBytes()[n - 1];
    const int32_t c1 = view_.PositionToColumn(markerStart) + a.left;
    const int32_t c2 = view_.PositionToColumn(markerStart + markerLength) + a.left;
    const bool nearStart = std::abs(c1 - p.x) <= 2 * edge;
    const bool nearEnd = std::abs(c2 - p.x) <= 2 * edge;
    if (!nearStart && !nearEnd) return;
    document_.Current()->SelectMarker(n, FrameBytes());
    view_.UpdateSelectionColumns();
    view_.Redraw();
    document_.Events().MarkerClick(n);
    if (markerLength == 0) {
        drag_ = Drag::MoveCueMarker;
        return;
    }
    if (nearStart) drag_ = Drag::RangeMarkerStart;
    if (nearEnd) drag_ = Drag::RangeMarkerEnd;
}

void Mouse::SetCursor(Point& p) {
    const WaveArea& a = view_.Geometry().Area();
    drag_ = Drag::Selecting;
    p.x -= a.left;
    p.y -= a.top;
    DocState& s = *document_.Current();
    s.selected = 0;
    const auto position = static_cast<int32_t>(view_.ColumnToPosition(p.x));
    s.startSelect[s.zoomLevel] = s.endSelect[s.zoomLevel] = position;
    anchorColumn_ = view_.PositionToColumn(position);
    view_.SetSelectionColumns(anchorColumn_, anchorColumn_);
    if (document_.CurrentStatus() == Status::Playing) {
        // Playback goes on from the new cursor.
        playback_.Restart(view_.TypeView() != kViewSpectral);
        return;
    }
    Repaint();
}

void Mouse::Move(Point p, uintptr_t keys, int32_t shift) {
    const bool leftHeld = (keys & MK_LBUTTON) != 0;
    if ((leftHeld || drag_ == Drag::None) && Guarded()) {
        const WaveArea& a = view_.Geometry().Area();
        switch (drag_) {
            case Drag::None:
                if (a.left <= p.x && p.x <= a.right) PickPointer(p, true, true, StereoRule::Hover);
                break;
            case Drag::ScrollThumb:
            case Drag::TimePan:
                Scroll(p.x);
                break;
            case Drag::MoveCueMarker:
                MoveCueMarker(p.x);
                break;
            case Drag::RangeMarkerStart:
            case Drag::RangeMarkerEnd:
                MoveRangeMarkerEdge(p.x);
                break;
            case Drag::Selecting:
                DragSelection(p);
                break;
            case Drag::SelectionEdge:
                DragSelectionEdge(p.x);
                break;
        }
    }
    document_.Events().MouseMove(ButtonMask(keys), shift, static_cast<int16_t>(p.x), static_cast<int16_t>(p.y));
}

// The thumb drags the view across the whole sound; the time scale drags the sound under the view.
void Mouse::Scroll(int32_t x) {
    const DocState& s = *document_.Current();
    const int32_t bpf = FrameBytes();
    const int32_t span = s.endView[s.zoomLevel] - s.startView[s.zoomLevel];
    const double f = static_cast<double>(x - scrollAnchorX_) / std::max(view_.Geometry().Area().width, 1);
    const double whole = drag_ == Drag::ScrollThumb ? s.totalBytes : span;
    int64_t d = static_cast<int64_t>(std::trunc(whole * f + 0.5));
    d = d / bpf * bpf;
    if (d == 0) return;
    int64_t start = drag_ == Drag::ScrollThumb ? s.startView[s.zoomLevel] + d : s.startView[s.zoomLevel] - d;
    if (start < 0) start = 0;
    if (start > int64_t{s.totalBytes} - span) start = int64_t{s.totalBytes} - bpf - span;
    scrollAnchorX_ = x;
    const Drag keep = drag_;
    if (view_.RecomputeView(static_cast<int32_t>(start), static_cast<int32_t>(start + span))) view_.Redraw();
    drag_ = keep;
}

void Mouse::MoveCueMarker(int32_t x) {
    MarkerRecord* marker = document_.Current()->markers.Current();
    if (!marker) return;
    marker->positionFrames =
        static_cast<uint32_t>(view_.ColumnToPosition(x - view_.Geometry().Area().left) / FrameBytes());
    marker->lengthFrames = 0;
    view_.MarkersChanged();
}

// An edge that passes the other one swaps with it, and the drag goes on with the other edge.
void Mouse::MoveRangeMarkerEdge(int32_t x) {
    DocState& s = *document_.Current();
    MarkerRecord* marker = s.markers.Current();
    if (!marker) return;
    const int32_t n = s.markers.CurrentNumber();
    const int64_t bpf = FrameBytes();
    int64_t start = view_.Markers().StartBytes()[n - 1];
    int64_t end = start + view_.Markers().LengthBytes()[n - 1];
    const int64_t moved = view_.ColumnToPosition(x - view_.Geometry().Area().left);
    (drag_ == Drag::RangeMarkerEnd ? end : start) = moved;
    if (end < start) {
        std::swap(start, end);
        drag_ = drag_ == Drag::RangeMarkerEnd ? Drag::RangeMarkerStart : Drag::RangeMarkerEnd;
    }
    s.startSelect[s.zoomLevel] = static_cast<int32_t>(start);
    s.endSelect[s.zoomLevel] = static_cast<int32_t>(end);
    view_.SetSelectionColumns(view_.PositionToColumn(start), view_.PositionToColumn(end));
    marker->positionFrames = static_cast<uint32_t>(start / bpf);
    marker->lengthFrames = static_cast<uint32_t>((end - start) / bpf);
    view_.MarkersChanged();
    view_.Redraw();
    document_.Events().ChangeMarker(n);
}

void Mouse::DragSelection(Point& p) {
    const WaveArea& a = view_.Geometry().Area();
    const ViewGeometry& g = view_.Geometry();
    p.x = std::max(p.x - a.left, 0);
    const int32_t x = p.x;
    DocState& s = *document_.Current();
    s.selected = 1;
    int32_t startColumn = g.SelectionStartColumn();
    int32_t endColumn = g.SelectionEndColumn();
    if (x > anchorColumn_) {
        if (std::abs(endColumn - x) < kDragHysteresis) return;
        startColumn = anchorColumn_;
        endColumn = x;
    } else {
        if (std::abs(startColumn - x) < kDragHysteresis) return;
        startColumn = x;
        endColumn = anchorColumn_;
    }
    if (startColumn == endColumn) s.selected = 0;
    endColumn = std::min(endColumn, a.width);
    view_.SetSelectionColumns(startColumn, endColumn);
    s.startSelect[s.zoomLevel] = static_cast<int32_t>(view_.ColumnToPosition(startColumn));
    s.endSelect[s.zoomLevel] = static_cast<int32_t>(view_.ColumnToPosition(endColumn));
    if (s.SelectEnd() < s.SelectStart()) s.startSelect[s.zoomLevel] = 0;

    // The height chooses the channel the selection applies to, as a press does.
    Pointer pointer = wavePointer_;
    const ChannelSelection& flags = document_.ChannelFlags();
    bool flagsChanged = false;
    if (document_.Channels() == 2 && flags.VisibleCount() == 1) {
        pointer = OwnPointer(flags.IsVisible(0) ? PointerShape::Left : PointerShape::Right);
    } else if (document_.Channels() == 2 && flags.VisibleCount() == 2) {
        const int32_t y = p.y;
        const int32_t edge = g.EdgeBand();
        ChannelSelection& changing = document_.ChannelFlags();
        const bool both = flags.OperationCount() == 2;
        const int32_t upperLimit = both ? a.bottom / 8 : a.bottom / 2;
        const int32_t lowerLimit = both ? 7 * a.bottom / 8 : a.bottom / 2;
        if (a.top + edge < y && y < upperLimit) {
            pointer = OwnPointer(PointerShape::Left);
            if (both) {
                changing.SetOperated(true, false);
            } else {
                changing.SetOperated(0, 1);
            }
            flagsChanged = true;
        } else if (lowerLimit < y && y < a.bottom - edge) {
            pointer = OwnPointer(PointerShape::Right);
            if (both) {
                changing.SetOperated(false, true);
            } else {
                changing.SetOperated(1, 1);
            }
            flagsChanged = true;
        }
    }
    if (flagsChanged) {
        ChannelsChanged();
    } else if (view_.TypeView() != kViewSpectral) {
        view_.RenderBackground();
    }
    Show(pointer);
    view_.Redraw();
    document_.Events().ChangePosition();
}

void Mouse::DragSelectionEdge(int32_t x) {
    const WaveArea& a = view_.Geometry().Area();
    x = std::max(x - a.left, 0);
    DocState& s = *document_.Current();
    int32_t startColumn = view_.Geometry().SelectionStartColumn();
    int32_t endColumn = view_.Geometry().SelectionEndColumn();
    if (s.selected == 0) {
        startColumn = endColumn = anchorColumn_ = x;
    } else if (x > anchorColumn_) {
        if (std::abs(endColumn - x) < kEdgeHysteresis) return;
        startColumn = anchorColumn_;
        endColumn = x;
    } else {
        if (std::abs(startColumn - x) < kEdgeHysteresis) return;
        startColumn = x;
        endColumn = anchorColumn_;
    }
    endColumn = std::min(endColumn, a.width);
    // An edge outside the view keeps its position.
    const auto startView = static_cast<uint32_t>(s.startView[s.zoomLevel]);
    const auto endView = static_cast<uint32_t>(s.endView[s.zoomLevel]);
    auto shown = [&](int32_t position) {
        return startView <= static_cast<uint32_t>(position) && static_cast<uint32_t>(position) <= endView;
    };
    if (shown(s.SelectStart())) {
        s.startSelect[s.zoomLevel] = static_cast<int32_t>(view_.ColumnToPosition(startColumn));
        startColumn = view_.PositionToColumn(s.SelectStart());
    }
    if (shown(s.SelectEnd())) {
        s.endSelect[s.zoomLevel] = static_cast<int32_t>(view_.ColumnToPosition(endColumn));
        endColumn = view_.PositionToColumn(s.SelectEnd());
    }
    if (endColumn < startColumn) startColumn = endColumn;
    view_.SetSelectionColumns(startColumn, endColumn);
    Repaint();
    document_.Events().ChangePosition();
}

void Mouse::LeftUp(Point p, int32_t shift) {
    if (Guarded()) {
        PickPointer(p, true, true, StereoRule::Hover);
        if (ControlSite* site = view_.Site()) site->SetCapture(false);
        const ViewGeometry& g = view_.Geometry();
        if (drag_ == Drag::Selecting && std::abs(g.SelectionEndColumn() - g.SelectionStartColumn()) < kCollapseColumns) {
            DocState& s = *document_.Current();
            s.endSelect[s.zoomLevel] = s.SelectStart();
            view_.SetSelectionColumns(g.SelectionStartColumn(), g.SelectionStartColumn());
            s.selected = 0;
            view_.Redraw();
            document_.Events().ChangePosition();
        }
        drag_ = Drag::None;
    }
    document_.Events().MouseUp(1, shift, static_cast<int16_t>(p.x), static_cast<int16_t>(p.y));
}

int32_t Mouse::MarkerNear(int32_t x) const {
    const DocState& s = *document_.Current();
    if (s.markers.Empty()) return 0;
    const WaveArea& a = view_.Geometry().Area();
    const int32_t n = view_.Markers().FindMarker(view_.ColumnToPosition(x - a.left));
    if (n < 1) return 0;
    const int64_t start = view_.Markers().StartBytes()[n - 1];
    const int64_t end = start + view_.Markers().LengthBytes()[n - 1];
    const int32_t edge = view_.Geometry().EdgeBand();
    const bool near = std::abs(view_.PositionToColumn(start) + a.left - x) <= 2 * edge ||
                      std::abs(view_.PositionToColumn(end) + a.left - x) <= 2 * edge;
    return near ? n : 0;
}

// A double click on a marker's end deletes the marker; anywhere else in a marker band it marks
// the cursor (or the place clicked) or the selection.
void Mouse::ToggleMarker(int32_t x) {
    DocState& s = *document_.Current();
    const WaveArea& a = view_.Geometry().Area();
    if (const int32_t n = MarkerNear(x)) {
        s.markers.GoTo(n);
        s.markers.DeleteCurrent();
        view_.MarkersChanged();
        return;
    }
    const int32_t bpf = FrameBytes();
    MarkerRecord marker;
    if (s.selected == 0) {
        const bool onCursor = std::abs(x - a.left - view_.Geometry().SelectionStartColumn()) <= 2 * view_.Geometry().EdgeBand();
        const int64_t position = onCursor ? s.SelectStart() : view_.ColumnToPosition(x - a.left);
        marker.positionFrames = static_cast<uint32_t>(position / bpf);
    } else {
        marker.positionFrames = static_cast<uint32_t>(s.SelectStart() / bpf);
        marker.lengthFrames = static_cast<uint32_t>(s.SelectedBytes() / bpf);
    }
    marker.label = "Marker " + std::to_string(s.markers.Count());
    s.markers.InsertSorted(marker);
    view_.MarkersChanged();
    document_.Events().NewMarker(s.markers.CurrentNumber());
}

void Mouse::DoubleClick(Point p, bool withMarkers) {
    if (eventsEnabled_ == 0) {
        document_.Events().DblClick();
        return;
    }
    if (!Guarded() || !OverWaveform(p)) return;
    PickPointer(p, false, false, StereoRule::Hover);
    if (InInterior(p.y)) {
        document_.Events().DblClick();
    } else if (withMarkers && InMarkerBand(p.y)) {
        ToggleMarker(p.x);
    }
}

void Mouse::RightDown(Point p, int32_t shift) {
    if (eventsEnabled_ != 0) {
        const ViewGeometry& g = view_.Geometry();
        const WaveArea& a = g.Area();
        const int32_t width = view_.Client().Width();
        const int32_t height = view_.Client().Height();
        const ScaleSettings scaleY = view_.ScaleYSettings();
        if (view_.ScaleXSettings().visible && a.left <= p.x && p.x <= a.right &&
            height - g.ScaleXHeight() - 3 <= p.y && p.y <= height) {
            document_.Events().ScaleXClick();
        }
        if (scaleY.visible && 0 <= p.y && p.y <= height - g.ScaleXHeight() &&
            ((scaleY.orientation != kScaleAtLeft && width - g.ScaleYWidth() - 3 <= p.x && p.x <= width) ||
             (scaleY.orientation == kScaleAtLeft && 0 <= p.x && p.x <= g.ScaleYWidth() + 3))) {
            document_.Events().ScaleYClick();
        }
        if (Guarded() && OverWaveform(p)) {
            PickPointer(p, false, false, StereoRule::Press);
            DocState& s = *document_.Current();
            if (drag_ == Drag::None && InMarkerBand(p.y) && !s.markers.Empty()) {
                const int32_t n = view_.Markers().FindMarker(view_.ColumnToPosition(p.x - a.left));
                if (n > 0) {
                    s.SelectMarker(n, FrameBytes());
                    view_.UpdateSelectionColumns();
                    view_.Redraw();
                    document_.Events().MarkerClick(n);
                }
            } else if (InInterior(p.y)) {
                // The right button extends the selection to the point clicked.
                p.x -= a.left;
                p.y -= a.top;
                const auto position = static_cast<int32_t>(view_.ColumnToPosition(p.x));
                if (position < s.SelectStart()) s.startSelect[s.zoomLevel] = position;
                if (position > s.SelectEnd()) s.endSelect[s.zoomLevel] = position;
                s.selected = 1;
                view_.UpdateSelectionColumns();
                view_.Redraw();
            }
        }
    }
    document_.Events().MouseDown(2, shift, static_cast<int16_t>(p.x), static_cast<int16_t>(p.y));
}

void Mouse::Wheel(int32_t delta) {
    if (!Guarded()) return;
    const DocState& s = *document_.Current();
    const int32_t span = s.endView[s.zoomLevel] - s.startView[s.zoomLevel];
    if (delta > 0) {
        view_.ZoomToRange(s.startView[s.zoomLevel] + span / 4, s.endView[s.zoomLevel] - span / 4);
    } else if (delta < 0) {
        view_.ZoomOut();
    }
}

}  // namespace vesk
