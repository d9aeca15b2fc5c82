#include "view/EditorView.h"

#include <cmath>
#include <limits>

#include "platform/drawing/BitmapFile.h"

namespace vesk {

namespace {

constexpr int32_t kTypeViewWaveform = 0;
constexpr int32_t kTypeViewSpectral = 1;
constexpr int16_t kStatusOverview = 7;

}  // namespace

// ---- Snapshots ----

PaintContext EditorView::Context() const {
    PaintContext c;
    c.state = host_.CurrentState();
    c.channels = host_.Channels();
    c.frequency = host_.Frequency();
    c.status = host_.Status();
    c.typeView = host_.TypeView();
    c.typeBorder = host_.TypeBorder();
    c.verticalZoom = verticalZoom_;
    c.playColumn = host_.PlayColumn();
    c.openProgress = host_.OpenProgress();
    c.colors = host_.Colors();
    c.lanes = host_.ChannelLanes();
    c.scaleX = host_.ScaleX();
    c.scaleY = host_.ScaleY();
    c.markers = host_.Markers();
    c.geometry = &geometry_;
    c.data = &data_;
    c.timeScale = &timeScale_;
    c.amplitudeScale = &amplitudeScale_;
    return c;
}

TimeAxisSource EditorView::TimeSource() const {
    return TimeAxisSource{host_.CurrentState(), host_.Frequency(), host_.Channels()};
}

AmplitudeSource EditorView::AmplitudeSourceNow() const {
    return AmplitudeSource{host_.TypeView(), host_.Frequency(), host_.BitsPerSample(), verticalZoom_,
                           host_.ChannelLanes().visibleCount};
}

void EditorView::ComputeTimeScale() { timeScale_.Compute(TimeSource(), geometry_, host_.ScaleX()); }

void EditorView::ComputeAmplitudeScale() {
    amplitudeScale_.Compute(AmplitudeSourceNow(), geometry_, host_.ScaleY());
}

// ---- Painting ----

void EditorView::Paint(Bitmap& target, const ClientRect& bounds) {
    if (bounds == clientRect_ && painter_.HasFrame()) {
        painter_.Present(target, bounds.left, bounds.top, Context());
        return;
    }
    painter_.Resize(bounds.Width(), bounds.Height());
    clientRect_ = bounds;
    LayoutAreas();
    if (host_.CurrentState()) RecomputeStoredView();
    Compose(Painter::kReasonResize, &target);
}

void EditorView::Compose(int reason, Bitmap* target) {
    PaintContext context = Context();
    if (auto shown = painter_.ComposeFrame(context, reason, host_.LastPlayType())) {
        host_.SetShownMarkers(shown->first, shown->second);
    }
    if (target) painter_.Present(*target, clientRect_.left, clientRect_.top, context);
}

void EditorView::Redraw() {
    Bitmap* window = site_ ? site_->Window() : nullptr;
    if (window && painter_.HasFrame()) {
        Compose(Painter::kReasonUpdate, window);
    } else if (site_) {
        site_->OnViewChange();
    }
}

void EditorView::RenderBackground() { painter_.RenderBackground(Context()); }

void EditorView::LayoutAreas() {
    // A rectangle without area has nothing to lay out.
    if (clientRect_.Width() < 1 || clientRect_.Height() < 1) return;
    geometry_.LayoutAreas(ClientRect{0, 0, clientRect_.Width(), clientRect_.Height()}, host_.ScaleX(), host_.ScaleY());
    ComputeTimeScale();
    ComputeAmplitudeScale();
    RenderBackground();
}

// ---- View and display data ----

bool EditorView::RecomputeView(int32_t start, int32_t end) {
    DocState* state = host_.CurrentState();
    if (!state) return true;
    const int32_t channels = std::max(host_.Channels(), 1);
    start = start / 2 * 2;
    end = end / 2 * 2;
    if (end <= start) end = start + 2 * channels;
    const int32_t level = state->zoomLevel;
    state->startView[level] = start;
    state->endView[level] = end < 1 ? 0 : end;

    const int32_t width = geometry_.Area().width;
    const double span = static_cast<uint32_t>(state->endView[level] - state->startView[level]);
    const double x = width > 0 ? span / width / channels : std::numeric_limits<double>::infinity();
    geometry_.SetDetailMode(ViewGeometry::ClassifyDetail(x, host_.Frequency()));
    ComputeTimeScale();

    const int32_t typeView = host_.TypeView();
    const Overview& overview = data_.Document();
    if (overview.ready && (static_cast<int64_t>(end) - start) / 2 > kOverviewUnitSamples) {
        const double ratio = static_cast<double>(overview.length) / std::max(state->totalBytes, 1);
        int32_t s = std::max(static_cast<int32_t>(std::floor(start * ratio)), 0);
        int32_t e = std::min(static_cast<int32_t>(std::ceil(end * ratio)), overview.length);
        if (typeView == kTypeViewWaveform) data_.ComputePeaksFromOverview(s, e, width, channels);
    } else if (typeView == kTypeViewWaveform) {
        PeakSource source{state->filePath, state->startView[level], state->endView[level], host_.Frequency(), channels};
        if (!data_.ComputePeaks(source, state->startView[level], state->endView[level], width)) return false;
    }
    if (geometry_.DetailMode() != 0 && typeView == kTypeViewWaveform) data_.ComputeCurve(width, channels);
    UpdateSelectionColumns();
    return true;
}

bool EditorView::RecomputeStoredView() {
    const DocState* state = host_.CurrentState();
    if (!state) return true;
    return RecomputeView(state->startView[state->zoomLevel], state->endView[state->zoomLevel]);
}

void EditorView::UpdateSelectionColumns() {
    if (const DocState* state = host_.CurrentState()) geometry_.UpdateSelectionColumns(*state);
    if (host_.TypeView() != kTypeViewSpectral) RenderBackground();
    host_.FireChangePosition();
}

int32_t EditorView::PositionToColumn(int64_t bytePosition) const {
    const DocState* state = host_.CurrentState();
    return state ? geometry_.PositionToColumn(*state, bytePosition) : 0;
}

void EditorView::PositionChanged(bool viewChanged) {
    if (viewChanged) RecomputeStoredView();
    UpdateSelectionColumns();
    Redraw();
}

// ---- Zoom ----

void EditorView::ZoomIn() {
    DocState* s = host_.CurrentState();
    if (!s || s->totalBytes == 0 || !s->selected) return;
    const int32_t channels = std::max(host_.Channels(), 1);
    const uint32_t selection = static_cast<uint32_t>(s->endSelect[s->zoomLevel] - s->startSelect[s->zoomLevel]);
    if ((selection >> 1) / static_cast<uint32_t>(channels) < 3 || s->zoomLevel + 1 > kZoomLevels - 1) return;
    s->selected = 0;
    const int16_t l = ++s->zoomLevel;
    s->startView[l] = s->startSelect[l - 1];
    s->endView[l] = s->endSelect[l - 1];
    s->startSelect[l] = s->endSelect[l] = s->startView[l];
    host_.SetLastErrorNum(0);
    if (RecomputeView(s->startView[l], s->endView[l])) Redraw();
}

void EditorView::ZoomOut() {
    DocState* s = host_.CurrentState();
    if (!s || s->totalBytes == 0 || s->zoomLevel <= 0) return;
    --s->zoomLevel;
    s->selected = 1;
    host_.SetLastErrorNum(0);
    if (RecomputeStoredView()) Redraw();
}

void EditorView::ZoomFull() {
    DocState* s = host_.CurrentState();
    if (!s || s->zoomLevel < 1) return;
    const int32_t start = s->startSelect[s->zoomLevel];
    const int32_t end = s->endSelect[s->zoomLevel];
    s->zoomLevel = 0;
    s->startView[0] = 0;
    s->endView[0] = s->totalBytes;
    s->startSelect[0] = start;
    s->endSelect[0] = end;
    s->selected = start != end ? 1 : 0;
    if (RecomputeView(0, s->totalBytes)) Redraw();
}

void EditorView::Refresh() {
    if (host_.CurrentState()) RecomputeStoredView();
    Redraw();
}

void EditorView::ZoomVertical(int32_t percent) {
    if (percent < 1) percent = 10;
    if (percent > 1000) percent = 1000;
    verticalZoom_ = percent;
    ComputeAmplitudeScale();
    RenderBackground();
    Redraw();
}

void EditorView::TypeViewChanged() {
    LayoutAreas();
    if (!host_.CurrentState()) {
        Redraw();
        return;
    }
    if (RecomputeStoredView()) Redraw();
}

void EditorView::ScaleChanged() {
    LayoutAreas();
    if (host_.CurrentState()) RecomputeStoredView();
    Redraw();
}

void EditorView::ResetFullScale(int32_t bitsPerSample) {
    const ScaleSettings scaleY = host_.ScaleY();
    int32_t full = (bitsPerSample == 8 && scaleY.type != 3) ? 130 : 35000;
    if (scaleY.type == 2) full = 110;
    amplitudeScale_.SetFullScale(full);
}

// ---- Overview and export ----

void EditorView::BuildOverview() {
    const DocState* state = host_.CurrentState();
    if (!state) return;
    host_.SetStatus(kStatusOverview);
    const bool built = data_.BuildOverview(state->filePath, state->totalBytes, host_.Frequency(),
                                           std::max(host_.Channels(), 1), geometry_.Area().width,
                                           [this](int16_t percent) { host_.FireBlockOperation(percent); });
    host_.SetStatus(0);
    if (built && data_.Document().ready) host_.FireEndOperation();
}

bool EditorView::SaveWaveImage(const std::string& path) const {
    if (!painter_.HasFrame()) return false;
    return WritePictureFile(painter_.Frame(), path);
}

}  // namespace vesk
