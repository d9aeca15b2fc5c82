#include "view/Painter.h"

#include "view/LanePainter.h"
#include "view/SymbolPainter.h"

namespace vesk {

namespace {

constexpr int32_t kPlayToEnd = 2;

bool TimeScaleShown(const PaintContext& c) { return c.scaleX.visible && c.geometry->ScaleXHeight() >= 1; }
bool AmplitudeScaleShown(const PaintContext& c) { return c.scaleY.visible && c.geometry->ScaleYWidth() >= 1; }

AmplitudeSource AmplitudeSourceOf(const PaintContext& c) {
    return AmplitudeSource{c.typeView, c.frequency, 16, c.verticalZoom, c.lanes.visibleCount};
}

}  // namespace

void Painter::Resize(int32_t width, int32_t height) {
    frame_ = Bitmap(width, height);
    background_ = Bitmap(width, height);
}

void Painter::RenderBackground(const PaintContext& c) {
    if (background_.Empty()) return;
    Canvas canvas(background_);
    const ClientRect& client = c.geometry->Client();
    canvas.FillRect(client.left, client.top, client.right, client.bottom, c.colors.background);
    DrawFrameLines(canvas, c);
    DrawSeparatorLines(canvas, c);
    if (c.typeView != kViewSpectral) DrawFills(canvas, c);
    c.amplitudeScale->DrawBand(canvas, AmplitudeSourceOf(c), *c.geometry, c.scaleY, c.colors);
}

void Painter::DrawFrameLines(Canvas& canvas, const PaintContext& c) const {
    const ClientRect& r = c.geometry->Client();
    const int32_t l = r.left, t = r.top, rt = r.right, b = r.bottom;
    const OLE_COLOR W = kWorkspaceColor, H = kHighlightColor, S = c.colors.scales, K = kBlackColor;
    struct FrameLine {
        int32_t x0, y0, x1, y1;
        OLE_COLOR byBorder[5];  // TypeBorder 0, 1, 2, 3, any other
    };
    const FrameLine lines[] = {
        {l, t, rt, t, {W, H, H, W, S}},
        {l, t + 1, rt, t + 1, {S, W, S, W, S}},
        {l, t, l, b, {W, H, H, W, S}},
        {l + 1, t + 1, l + 1, b - 1, {S, W, S, W, S}},
        {l + 1, b - 2, rt - 1, b - 2, {W, H, W, S, S}},
        {l, b - 1, rt, b - 1, {H, W, K, H, S}},
        {rt - 1, t + 1, rt - 1, b, {H, W, K, H, S}},
        {rt - 2, t + 1, rt - 2, b - 1, {W, H, W, S, S}},
    };
    const int border = (c.typeBorder >= 0 && c.typeBorder <= 3) ? c.typeBorder : 4;
    for (const FrameLine& line : lines) canvas.Line(line.x0, line.y0, line.x1, line.y1, line.byBorder[border]);
}

void Painter::DrawSeparatorLines(Canvas& canvas, const PaintContext& c) const {
    const WaveArea& a = c.geometry->Area();
    const int32_t top = c.geometry->Client().top;
    if (TimeScaleShown(c)) {
        canvas.Line(a.left, a.bottom + 1, a.right, a.bottom + 1, kWorkspaceColor);
        canvas.Line(a.left, a.bottom + 2, a.right + 1, a.bottom + 2, kHighlightColor);
    }
    const bool right = c.scaleY.orientation != kScaleAtLeft;
    if (AmplitudeScaleShown(c)) {
        const int32_t x = right ? a.right : a.left;
        const int32_t xh = right ? a.right + 1 : a.left - 1;
        canvas.Line(x, top + 2, x, a.bottom + 1, kWorkspaceColor);
        canvas.Line(xh, top + 2, xh, a.bottom + 3, kHighlightColor);
    }
    const int32_t edge = right ? a.right + 2 : a.left - 2;
    canvas.Line(edge, top + 2, edge, a.bottom + 3, kWorkspaceColor);
    const int32_t y = top + c.geometry->ScrollBandHeight() + 4;
    canvas.Line(a.left, y, a.right, y, kHighlightColor);
}

void Painter::DrawFills(Canvas& canvas, const PaintContext& c) const {
    if (!c.HasSound() || c.status == Status::Opening || c.lanes.operationCount < 1) return;
    const ViewGeometry& g = *c.geometry;
    const WaveArea& a = g.Area();
    const DocState& s = *c.state;
    const int32_t level = s.zoomLevel;
    const bool oneLane = c.OneOperatedOfTwo();
    const int32_t lane = c.OperatedChannel();

    if (c.markers.backgroundEnabled) {
        for (size_t i = 0; i < c.markers.startBytes.size(); ++i) {
            const int64_t start = c.markers.startBytes[i];
            const int64_t end = start + c.markers.lengthBytes[i];
            if (c.markers.lengthBytes[i] < 1) continue;
            const bool startIn = start >= s.startView[level] && start <= s.endView[level];
            const bool endIn = end >= s.startView[level] && end <= s.endView[level];
            if (!startIn && !endIn) continue;
            const int32_t x0 = start < s.startView[level] ? 0 : g.PositionToColumn(s, start);
            const int32_t x1 = g.PositionToColumn(s, end > s.endView[level] ? s.endView[level] : end);
            int32_t top = a.top + g.EdgeBand() + 1;
            int32_t bottom = a.bottom - g.EdgeBand();
            if (oneLane) {
                if (lane == 0) bottom = a.top + a.height / 2 - 1;
                else top = a.top + a.height / 2 + 3;
            }
            canvas.FillRect(a.left + x0, top, a.left + x1 + 1, bottom, c.colors.rangeMarkerBackground);
        }
    }
    if (c.Selected()) {
        int32_t top = a.top + g.EdgeBand();
        int32_t bottom = a.bottom - g.EdgeBand();
        if (oneLane) {
            if (lane == 0) bottom = a.top + (a.height - 3) / 2;
            else top = a.top + (a.height - 3) / 2 + 3;
        }
        canvas.FillRect(a.left + g.SelectionStartColumn(), top, a.left + g.SelectionEndColumn(), bottom,
                        c.colors.selectBackground);
    }
}

std::optional<std::pair<int32_t, int32_t>> Painter::ComposeFrame(const PaintContext& c, int reason, int32_t lastPlayType) {
    if (frame_.Empty()) return std::nullopt;
    const bool reuse = reason != kReasonResize && (c.status == Status::Paused || (c.status == Status::Playing && lastPlayType != kPlayToEnd));
    if (reuse) return std::nullopt;
    Canvas canvas(frame_);
    canvas.Blit(0, 0, background_.Width(), background_.Height(), background_);
    TimeAxisSource source{c.state, c.frequency, c.channels};
    c.timeScale->Draw(canvas, source, *c.geometry, c.scaleX, c.typeView,
                      AmplitudeScaleShown(c) && c.scaleY.orientation == kScaleAtLeft, c.colors);
    DrawBand(canvas, c);
    DrawLanes(canvas, c);
    DrawUnitLabels(canvas, c);
    SymbolPainter symbols(canvas, c);
    symbols.DrawCursorAndSelection();
    return symbols.DrawMarkers();
}

void Painter::DrawBand(Canvas& canvas, const PaintContext& c) const {
    const ViewGeometry& g = *c.geometry;
    const WaveArea& a = g.Area();
    const int32_t t = g.Client().top;
    const int32_t band = g.ScrollBandHeight();
    canvas.Line(a.left, t + 1, a.right + 1, t + 1, kBlackColor);
    canvas.Line(a.left, t + band + 3, a.right + 1, t + band + 3, kBlackColor);
    const int32_t thumbX = c.timeScale->ThumbX();
    const int32_t thumbWidth = c.timeScale->ThumbWidth();
    for (int32_t y = t + 2; y <= t + band + 2; ++y) {
        canvas.Line(thumbX, y, thumbX + thumbWidth + 1, y, c.colors.digitalWaveform);
    }
    canvas.Line(a.left, t + 1, a.left, t + band + 4, kBlackColor);
    canvas.Line(a.right, t + 1, a.right, t + band + 4, kBlackColor);

    if (c.channels == 2 && c.lanes.visible[0] && c.lanes.visible[1]) {
        const int32_t y = a.top + a.height / 2;
        int32_t x0 = a.left;
        int32_t x1 = a.right;
        if (AmplitudeScaleShown(c)) {
            if (c.scaleY.orientation != kScaleAtLeft) x1 = a.right + g.ScaleYWidth() + 3;
            else x0 = a.left - 4 - g.ScaleYWidth();
        }
        canvas.Line(x0, y, x1, y, kHighlightColor);
        canvas.Line(x0, y - 1, x1, y - 1, kWorkspaceColor);
        canvas.Line(x0, y + 1, x1, y + 1, kWorkspaceColor);
    }
}

std::vector<Lane> LanesOf(const ViewGeometry& g, int32_t channels, const ChannelFlags& lanes) {
    const WaveArea& a = g.Area();
    if (channels == 1) return {Lane{a.left, a.top + g.EdgeBand(), a.right, a.bottom - g.EdgeBand(), 0}};
    if (lanes.visible[0] && lanes.visible[1]) {
        const int32_t h = (a.height - 3) / 2;
        return {Lane{a.left, a.top + g.EdgeBand(), a.right, a.top + h, 0},
                Lane{a.left, a.top + h + 3, a.right, a.bottom - g.EdgeBand(), 1}};
    }
    return {Lane{a.left, a.top, a.right, a.bottom, lanes.visible[0] ? 0 : 1}};
}

void Painter::DrawLanes(Canvas& canvas, const PaintContext& c) const {
    if (c.lanes.visibleCount < 1 || c.typeView == kViewExpanded) return;
    LanePainter painter(canvas, c);
    const std::vector<Lane> lanes = LanesOf(*c.geometry, c.channels, c.lanes);
    for (const Lane& lane : lanes) {
        if (c.status == Status::Opening) {
            painter.DrawLoadingPicture(lane);
        } else if (c.typeView == kViewSpectral) {
            if (c.HasSound() && c.spectral) {
                const bool notOperated = c.channels == 2 && !c.lanes.operated[lane.channel];
                c.spectral->DrawLane(canvas, lane.left, lane.top, lane.right, lane.bottom, lane.channel, notOperated,
                                     c.geometry->SelectionStartColumn(), c.geometry->SelectionEndColumn());
            }
        } else if (c.typeView == kViewWaveform) {
            // Boundary lines only where a lane has its edge bands (not a single lane of two).
            if (c.channels == 1 || lanes.size() == 2) painter.DrawBoundaryLines(lane);
            painter.DrawWaveform(lane);
        }
    }
}

void Painter::DrawUnitLabels(Canvas& canvas, const PaintContext& c) const {
    const ViewGeometry& g = *c.geometry;
    const WaveArea& a = g.Area();
    if (TimeScaleShown(c) && c.scaleX.font) {
        const char* unit = c.scaleX.type == kTimeScaleTime ? "hms" : "smpl";
        canvas.Text(g.Client().left + 3, a.bottom + g.ScaleXHeight() / 3 + 4, unit, *c.scaleX.font, c.colors.font);
    }
    if (AmplitudeScaleShown(c) && c.scaleY.font) {
        const char* unit = "Hz";
        if (c.typeView != kViewSpectral) unit = c.scaleY.type == kAmplitudeScaleNormalized ? "norm" : c.scaleY.type == kAmplitudeScaleDecibels ? "dB" : "smpl";
        canvas.Text(a.right + g.ScaleYWidth() / 5 + 6, a.top - g.ScrollBandHeight() - 5, unit, *c.scaleY.font,
                    c.colors.font);
    }
}

void Painter::Present(Bitmap& target, int32_t x, int32_t y, const PaintContext& c) const {
    Canvas canvas(target);
    canvas.Blit(x, y, frame_.Width(), frame_.Height(), frame_);
    SymbolPainter(canvas, c).DrawPlayCursor(x, y);
}

}  // namespace vesk
