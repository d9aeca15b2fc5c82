#include "view/LanePainter.h"

#include <algorithm>
#include <cstdlib>

namespace vesk {

int32_t LanePainter::Offset(int32_t v, int32_t half, bool* clipped) const {
    const int64_t fullScale = std::max<int64_t>(static_cast<int64_t>(c_.verticalZoom) * 35000 / 100, 1);
    int64_t y = static_cast<int64_t>(v) * half / fullScale;
    bool clip = std::llabs(y) > half;
    if (clipped) *clipped = clip;
    if (clip) y = y > 0 ? half : -half;
    return static_cast<int32_t>(y);
}

void LanePainter::DrawWaveform(const Lane& lane) {
    const int32_t half = (lane.bottom - lane.top) / 2;
    const int32_t centre = lane.top + half;
    canvas_.Line(lane.left, centre, lane.right, centre, c_.colors.centerLine);
    if (!c_.HasSound()) return;

    const bool operated = c_.channels == 1 || c_.lanes.operated[lane.channel];
    const int16_t mode = c_.geometry->DetailMode();
    Pens outside{c_.colors.digitalWaveform, mode == 1 ? c_.colors.digitalWaveform : c_.colors.analogWaveform,
                 c_.colors.digitalWaveform};
    if (!operated) outside = {kUnoperatedColor, kUnoperatedColor, kUnoperatedColor};
    const int32_t start = c_.geometry->SelectionStartColumn();
    const int32_t end = c_.geometry->SelectionEndColumn();
    DrawPass(lane, 0, start, false, outside);
    DrawPass(lane, end, c_.geometry->Area().width, false, outside);
    if (start == end) return;

    const bool selected = c_.Selected();
    if (selected) canvas_.Line(lane.left + start, centre, lane.left + end + 1, centre, c_.colors.selectCenterLine);
    Pens inside{selected ? c_.colors.selectDigitalWaveform : c_.colors.digitalWaveform,
                selected ? c_.colors.selectAnalogWaveform : c_.colors.analogWaveform,
                c_.colors.selectDigitalWaveform};
    if (!operated) inside = {kUnoperatedColor, kUnoperatedColor, kUnoperatedColor};
    DrawPass(lane, start, end, true, inside);
}

void LanePainter::DrawPass(const Lane& lane, int32_t a, int32_t b, bool selectionPass, const Pens& pens) {
    const int16_t mode = c_.geometry->DetailMode();
    if (mode == 0) {
        DrawPeaks(lane, a, b, selectionPass, pens.peak);
        return;
    }
    DrawCurve(lane, a, b, pens.curve);
    if (mode >= 2) DrawDots(lane, a, b, pens.dots);
}

void LanePainter::DrawPeaks(const Lane& lane, int32_t a, int32_t b, bool inclusive, OLE_COLOR pen) {
    const PeakColumns& columns = c_.data->Columns();
    const int32_t half = (lane.bottom - lane.top) / 2;
    const int32_t centre = lane.top + half;
    const int32_t last = std::min(inclusive ? b : b - 1, kMaxColumns - 1);
    for (int32_t c = std::max(a, 0); c <= last; ++c) {
        if (columns.ColumnEmpty(lane.channel, c)) continue;
        int32_t y1 = Offset(columns.maxPeak[lane.channel][c], half);
        int32_t y2 = Offset(columns.minPeak[lane.channel][c], half) + 1;
        if (y1 == y2) y2 += 1;
        canvas_.Line(lane.left + c, centre - y1, lane.left + c, centre - y2, pen);
    }
}

void LanePainter::DrawCurve(const Lane& lane, int32_t a, int32_t b, OLE_COLOR pen) {
    const auto& curve = c_.data->Columns().curvePoint[lane.channel];
    const int32_t half = (lane.bottom - lane.top) / 2;
    const int32_t centre = lane.top + half;
    const int32_t last = std::min(b, kMaxColumns - 1);
    for (int32_t c = std::max(a, 0) + 1; c <= last; ++c) {
        bool clipped0 = false;
        bool clipped1 = false;
        int32_t y0 = Offset(curve[c - 1], half, &clipped0);
        int32_t y1 = Offset(curve[c], half, &clipped1);
        if (clipped0 && clipped1 && y0 == y1) continue;
        canvas_.Line(lane.left + c - 1, centre - y0, lane.left + c, centre - y1, pen);
    }
}

void LanePainter::DrawDots(const Lane& lane, int32_t a, int32_t b, OLE_COLOR pen) {
    const PeakColumns& columns = c_.data->Columns();
    const int32_t half = (lane.bottom - lane.top) / 2;
    const int32_t centre = lane.top + half;
    const int32_t m = c_.geometry->DetailMode();
    const int32_t last = std::min(b, kMaxColumns - 1);
    for (int32_t c = std::max(a, 0); c <= last; ++c) {
        if (columns.ColumnEmpty(lane.channel, c)) continue;
        bool clipped = false;
        int32_t y = Offset(columns.curvePoint[lane.channel][c], half, &clipped);
        if (clipped) continue;
        const int32_t yc = centre + 1 - y;
        for (int32_t d = -m - 1; d <= m - 1; ++d) {
            int32_t x = lane.left + c + d;
            if (x > lane.left && x < lane.right) canvas_.Line(x, yc - m - 1, x, yc + m - 1, pen);
        }
    }
}

void LanePainter::DrawBoundaryLines(const Lane& lane) {
    const int64_t limit = c_.scaleY.type == kAmplitudeScaleNormalized ? 100 : 32768;
    const int64_t fullScale = std::max(c_.amplitudeScale->FullScale(), 1);
    const int64_t y = limit * ((lane.bottom - 2 - (lane.top + 2)) / 2) / fullScale;
    if (y >= (lane.bottom - lane.top) / 2 - 1) return;
    const int32_t centre = lane.top + 2 + (lane.bottom - lane.top) / 2 - 1;
    canvas_.Line(lane.left, centre - static_cast<int32_t>(y), lane.right, centre - static_cast<int32_t>(y),
                 c_.colors.boundary);
    canvas_.Line(lane.left, centre + static_cast<int32_t>(y), lane.right, centre + static_cast<int32_t>(y),
                 c_.colors.boundary);
}

void LanePainter::DrawLoadingPicture(const Lane& lane) {
    const int32_t half = (lane.bottom - lane.top) / 2;
    const int32_t centre = lane.top + half;
    canvas_.Line(lane.left, centre, lane.right, centre, c_.colors.centerLine);
    const auto& table = c_.geometry->LoadingWaveTable();
    const int32_t last = std::min<int32_t>(c_.openProgress * (lane.right - lane.left) / 100,
                                           static_cast<int32_t>(table.size()) - 1);
    for (int32_t x = 0; x <= last; ++x) {
        int32_t amplitude = table[x] * half / 100;
        canvas_.Line(lane.left + x, centre + amplitude, lane.left + x, centre - amplitude + 1,
                     c_.colors.digitalWaveform);
    }
}

}  // namespace vesk
