#include "view/EditorView.h"

#include <cmath>
#include <limits>

#include "platform/drawing/BitmapFile.h"
#include "view/LanePainter.h"

namespace vesk {

// ---- Snapshots ----

ChannelFlags EditorView::Lanes() const {
    const ChannelSelection& selection = document_.ChannelFlags();
    ChannelFlags flags;
    for (int i = 0; i < 2; ++i) {
        flags.visible[i] = selection.IsVisible(i);
        flags.operated[i] = selection.IsOperated(i);
    }
    flags.visibleCount = selection.VisibleCount();
    flags.operationCount = selection.OperationCount();
    return flags;
}

PaintContext EditorView::Context() const {
    PaintContext c;
    c.state = document_.Current();
    c.channels = document_.Channels();
    c.frequency = document_.Frequency();
    c.status = document_.CurrentStatus();
    c.typeView = typeView_;
    c.typeBorder = typeBorder_;
    c.verticalZoom = verticalZoom_;
    c.playColumn = host_.PlayColumn();
    c.openProgress = openProgress_;
    c.colors = host_.Colors();
    c.lanes = Lanes();
    c.scaleX = host_.ScaleX();
    c.scaleY = host_.ScaleY();
    c.markers = MarkerView{markers_.StartBytes(), markers_.LengthBytes(), markerBarEnabled_ != 0,
                           markerBackgroundEnabled_ != 0};
    c.geometry = &geometry_;
    c.data = &data_;
    c.timeScale = &timeScale_;
    c.amplitudeScale = &amplitudeScale_;
    c.spectral = &spectral_;
    return c;
}

TimeAxisSource EditorView::TimeSource() const {
    return TimeAxisSource{document_.Current(), document_.Frequency(), document_.Channels()};
}

AmplitudeSource EditorView::AmplitudeSourceNow() const {
    return AmplitudeSource{typeView_, document_.Frequency(), document_.BitsPerSample(), verticalZoom_,
                           document_.ChannelFlags().VisibleCount()};
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
    if (document_.IsOpen()) RecomputeStoredView();
    Compose(Painter::kReasonResize, &target);
}

void EditorView::Compose(int reason, Bitmap* target) {
    PaintContext context = Context();
    if (typeView_ == kViewSpectral) {
        std::array<int32_t, 2> heights{};
        for (const Lane& lane : LanesOf(geometry_, context.channels, context.lanes)) {
            heights[lane.channel] = lane.bottom - lane.top;
        }
        // Only the pictures this frame shows are drawn (the painter's choice of them).
        const bool selection = geometry_.SelectionStartColumn() != geometry_.SelectionEndColumn();
        std::array<bool, 2> dimmed{};
        for (int channel = 0; channel < 2; ++channel) {
            dimmed[channel] = context.channels == 2 && !context.lanes.operated[channel];
        }
        spectral_.Prepare(geometry_.Area().width, heights, context.channels, selection, dimmed);
    }
    if (auto shown = painter_.ComposeFrame(context, reason, host_.LastPlayType())) {
        markers_.SetShown(shown->first, shown->second);
    }
    if (target) painter_.Present(*target, clientRect_.left, clientRect_.top, context);
}

void EditorView::Redraw() {
    Bitmap* window = site_ ? site_->Window() : nullptr;
    if (window && painter_.HasFrame()) {
        Compose(Painter::kReasonUpdate, window);
        site_->OnWindowDrawn();
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
    DocState* state = document_.Current();
    if (!state) return true;
    ++recomputeCount_;
    const int32_t channels = std::max(document_.Channels(), 1);
    start = start / 2 * 2;
    end = end / 2 * 2;
    if (end <= start) end = start + 2 * channels;
    const int32_t level = state->zoomLevel;
    state->startView[level] = start;
    state->endView[level] = end < 1 ? 0 : end;

    const int32_t width = geometry_.Area().width;
    const double span = static_cast<uint32_t>(state->endView[level] - state->startView[level]);
    const double x = width > 0 ? span / width / channels : std::numeric_limits<double>::infinity();
    geometry_.SetDetailMode(ViewGeometry::ClassifyDetail(x, document_.Frequency()));
    ComputeTimeScale();

    const Overview& overview = data_.Document();
    if (overview.ready && (static_cast<int64_t>(end) - start) / 2 > kOverviewUnitSamples) {
        const double ratio = static_cast<double>(overview.length) / std::max(state->totalBytes, 1);
        int32_t s = std::max(static_cast<int32_t>(std::floor(start * ratio)), 0);
        int32_t e = std::min(static_cast<int32_t>(std::ceil(end * ratio)), overview.length);
        if (typeView_ == kViewWaveform) data_.ComputePeaksFromOverview(s, e, width, channels);
    } else if (typeView_ == kViewWaveform) {
        PeakSource source{state->filePath, state->startView[level], state->endView[level], document_.Frequency(),
                          channels};
        if (!data_.ComputePeaks(source, state->startView[level], state->endView[level], width)) return false;
    }
    if (geometry_.DetailMode() != 0 && typeView_ == kViewWaveform) data_.ComputeCurve(width, channels);
    if (typeView_ == kViewSpectral && !spectral_.ComputeFromFile(*state, channels, width)) return false;
    UpdateSelectionColumns();
    return true;
}

bool EditorView::RecomputeStoredView() {
    const DocState* state = document_.Current();
    if (!state) return true;
    return RecomputeView(state->startView[state->zoomLevel], state->endView[state->zoomLevel]);
}

void EditorView::UpdateSelectionColumns() {
    if (const DocState* state = document_.Current()) geometry_.UpdateSelectionColumns(*state);
    if (typeView_ != kViewSpectral) RenderBackground();
    document_.Events().ChangePosition();
}

int32_t EditorView::PositionToColumn(int64_t bytePosition) const {
    const DocState* state = document_.Current();
    return state ? geometry_.PositionToColumn(*state, bytePosition) : 0;
}

int64_t EditorView::ColumnToPosition(int32_t column) const {
    const DocState* state = document_.Current();
    return state ? geometry_.ColumnToPosition(*state, column, document_.BytesPerFrame()) : 0;
}

void EditorView::PositionChanged(bool viewChanged) {
    if (viewChanged) RecomputeStoredView();
    UpdateSelectionColumns();
    Redraw();
}

// ---- Zoom ----

void EditorView::ZoomIn() {
    DocState* s = document_.Current();
    if (!s || s->totalBytes == 0 || !s->selected) return;
    const int32_t channels = std::max(document_.Channels(), 1);
    const int64_t selection = s->SelectedBytes();
    if (selection / 2 / channels < 3 || s->zoomLevel + 1 > kZoomLevels - 1) return;
    s->selected = 0;
    const int16_t l = ++s->zoomLevel;
    s->startView[l] = s->startSelect[l - 1];
    s->endView[l] = s->endSelect[l - 1];
    s->startSelect[l] = s->endSelect[l] = s->startView[l];
    document_.ClearError();
    if (RecomputeView(s->startView[l], s->endView[l])) Redraw();
}

void EditorView::ZoomToRange(int32_t startByte, int32_t endByte) {
    DocState* s = document_.Current();
    if (!s || s->totalBytes == 0 || s->zoomLevel + 1 > kZoomLevels - 1) return;
    s->selected = 0;
    const int16_t l = ++s->zoomLevel;
    s->startView[l] = startByte;
    s->endView[l] = endByte;
    s->startSelect[l] = s->endSelect[l] = startByte;
    document_.ClearError();
    if (RecomputeView(startByte, endByte)) Redraw();
}

void EditorView::ZoomOut() {
    DocState* s = document_.Current();
    if (!s || s->totalBytes == 0 || s->zoomLevel <= 0) return;
    --s->zoomLevel;
    s->selected = 1;
    document_.ClearError();
    if (RecomputeStoredView()) Redraw();
}

void EditorView::ZoomFull() {
    DocState* s = document_.Current();
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
    if (document_.IsOpen()) RecomputeStoredView();
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

void EditorView::ScaleChanged() {
    LayoutAreas();
    if (document_.IsOpen()) RecomputeStoredView();
    Redraw();
}

void EditorView::ColorsChanged(bool background) {
    if (background) RenderBackground();
    Redraw();
}

void EditorView::ResetFullScale(int32_t bitsPerSample) {
    const ScaleSettings scaleY = host_.ScaleY();
    int32_t full = (bitsPerSample == 8 && scaleY.type != kAmplitudeScaleDecibels) ? 130 : 35000;
    if (scaleY.type == kAmplitudeScaleNormalized) full = 110;
    amplitudeScale_.SetFullScale(full);
}

void EditorView::FormatChanged() {
    ComputeTimeScale();
    ComputeAmplitudeScale();
    RenderBackground();
}

void EditorView::MarkersChanged() {
    if (!markers_.Sync(document_.Current() ? &document_.Current()->markers : nullptr, document_.BytesPerFrame())) {
        return;
    }
    RenderBackground();
    Redraw();
}

void EditorView::ShowProgress(int32_t percent) {
    openProgress_ = percent;
    document_.Events().BlockOperation(static_cast<int16_t>(percent));
    Redraw();
}

// ---- While recording ----

void EditorView::ShowLiveRange(int32_t startByte, int32_t endByte) {
    DocState* state = document_.Current();
    if (!state) return;
    state->startView[state->zoomLevel] = startByte;
    state->endView[state->zoomLevel] = endByte;
    if (startByte < endByte) ComputeTimeScale();
    RenderBackground();
}

void EditorView::ShowLiveBlock(std::span<const int16_t> samples) {
    if (samples.empty()) return;
    if (typeView_ == kViewSpectral) {
        spectral_.ComputeFromBlock(samples, std::max(document_.Channels(), 1), geometry_.Area().width);
        return;
    }
    if (typeView_ != kViewWaveform) return;
    const int16_t detail =
        data_.ComputePeaksFromBlock(samples.data(), static_cast<int32_t>(samples.size()), geometry_.Area().width,
                                    std::max(document_.Channels(), 1), document_.Frequency());
    geometry_.SetDetailMode(detail);
}

// ---- Settings ----

void EditorView::SetTypeView(int32_t type) {
    if (type == typeView_) return;
    typeView_ = type;
    LayoutAreas();
    if (!document_.IsOpen()) {
        Redraw();
        return;
    }
    if (RecomputeStoredView()) Redraw();
}

void EditorView::SetTypeBorder(int16_t type) {
    typeBorder_ = type;
    RenderBackground();
    Redraw();
}

void EditorView::SetMarkerBarFlag(int16_t flag) {
    if (flag == markerBarEnabled_) return;
    markerBarEnabled_ = flag;
    Redraw();
}

void EditorView::SetMarkerBackgroundFlag(int16_t flag) {
    if (flag == markerBackgroundEnabled_) return;
    markerBackgroundEnabled_ = flag;
    if (typeView_ != kViewSpectral) RenderBackground();
    Redraw();
}

// ---- Overview and export ----

void EditorView::BuildOverview() {
    const DocState* state = document_.Current();
    if (!state) return;
    document_.SetStatus(Status::BuildingOverview);
    const bool built = data_.BuildOverview(state->filePath, state->totalBytes, document_.Frequency(),
                                           std::max(document_.Channels(), 1), geometry_.Area().width,
                                           [this](int16_t percent) { document_.Events().BlockOperation(percent); });
    document_.SetStatus(Status::Idle);
    if (built && data_.Document().ready) document_.Events().EndOperation();
}

bool EditorView::SaveWaveImage(const std::string& path) const {
    if (!painter_.HasFrame()) return false;
    return WritePictureFile(painter_.Frame(), path);
}

}  // namespace vesk
