#include "view/SymbolPainter.h"

#include <algorithm>

namespace vesk {

int32_t SymbolPainter::BandX(int64_t p) const {
    const WaveArea& a = c_.geometry->Area();
    return a.left + static_cast<int32_t>(p * a.width / std::max(c_.state->totalBytes, 1));
}

bool SymbolPainter::InView(int64_t p) const {
    const DocState& s = *c_.state;
    return p >= s.startView[s.zoomLevel] && p <= s.endView[s.zoomLevel];
}

void SymbolPainter::DrawTriangles(int32_t column, Pointing pointing, OLE_COLOR color) {
    const ViewGeometry& g = *c_.geometry;
    const WaveArea& a = g.Area();
    const int32_t edge = g.EdgeBand();
    const int32_t x = a.left + column;
    for (int32_t d = 0; d <= edge; ++d) {
        const int32_t reach = edge - d;
        int32_t from = x;
        int32_t to = x;
        switch (pointing) {
            case Pointing::Right:
                to = std::min(x + reach + 1, a.right);
                break;
            case Pointing::Left:
                to = std::max(x - reach - 1, a.left - 1);
                break;
            case Pointing::Both:
                from = std::max(x - reach, a.left);
                to = std::min(x + reach + 1, a.right);
                break;
        }
        canvas_.Line(from, a.top + d, to, a.top + d, color);
        canvas_.Line(from, a.bottom - 1 - d, to, a.bottom - 1 - d, color);
    }
}

void SymbolPainter::DrawDashes(int32_t column, OLE_COLOR color, int32_t dx, int32_t dy) {
    const WaveArea& a = c_.geometry->Area();
    const int32_t x = dx + a.left + column;
    int32_t top = a.top;
    int32_t bottom = a.bottom;
    bool single = c_.lanes.visibleCount < 1;
    if (!single && c_.channels == 2 && c_.lanes.operationCount == 1) {
        const int operated = c_.OperatedChannel();
        if (c_.lanes.visibleCount == 1 && !c_.lanes.visible[operated]) {
            single = true;
        } else if (c_.lanes.visibleCount == 2) {
            if (operated == 0) bottom = a.top + a.height / 2;
            else top = a.top + a.height / 2 + 5;
        }
    }
    if (single) bottom = top + 2;
    for (int32_t y = top; y < bottom; y += 4) {
        canvas_.Line(x, dy + y, x, dy + std::min(y + 2, bottom), color);
    }
}

void SymbolPainter::DrawCursorAndSelection() {
    if (!c_.state) return;
    const ViewGeometry& g = *c_.geometry;
    const int32_t t = g.Client().top;
    const int32_t band = g.ScrollBandHeight();
    const DocState& s = *c_.state;
    const int32_t level = s.zoomLevel;
    const int32_t start = s.startSelect[level];
    const int32_t end = s.endSelect[level];

    if (c_.HasSound()) {
        if (s.selected) {
            const int32_t x0 = BandX(start);
            const int32_t x1 = BandX(end);
            const int32_t thumb0 = c_.timeScale->ThumbX();
            const int32_t thumb1 = thumb0 + c_.timeScale->ThumbWidth() + 1;
            for (int32_t y = t + 2; y <= t + band + 2; ++y) {
                canvas_.Line(x0, y, x1, y, c_.colors.bandSelection);
                const int32_t o0 = std::max(x0, thumb0);
                const int32_t o1 = std::min(x1, thumb1);
                if (o0 < o1) canvas_.Line(o0, y, o1, y, c_.colors.bandOverlap);
            }
        } else {
            const int32_t x = BandX(start);
            canvas_.Line(x, t + 2, x, t + band + 3, c_.colors.cursor);
        }
    }

    if (s.selected && start != end) {
        if (InView(start)) DrawTriangles(g.SelectionStartColumn(), Pointing::Right, c_.colors.cursor);
        if (InView(end)) DrawTriangles(g.SelectionEndColumn(), Pointing::Left, c_.colors.cursor);
    } else if (InView(start)) {
        const int32_t column = g.PositionToColumn(s, start);
        DrawTriangles(column, Pointing::Both, c_.colors.cursor);
        DrawDashes(column, c_.colors.cursor);
    }
}

std::pair<int32_t, int32_t> SymbolPainter::DrawMarkers() {
    int32_t first = -1;
    int32_t last = -1;
    if (!c_.state || c_.markers.startBytes.empty()) return {first, last};
    const ViewGeometry& g = *c_.geometry;
    const int32_t t = g.Client().top;
    const int32_t band = g.ScrollBandHeight();
    const DocState& s = *c_.state;
    for (size_t i = 0; i < c_.markers.startBytes.size(); ++i) {
        const int64_t start = c_.markers.startBytes[i];
        const int64_t length = c_.markers.lengthBytes[i];
        const bool range = length > 0;
        const int64_t end = start + length;
        if (c_.HasSound()) {
            canvas_.Line(BandX(start), t + 2, BandX(start), t + band + 3, c_.colors.rangeMarker);
            if (range) canvas_.Line(BandX(end), t + 2, BandX(end), t + band + 3, c_.colors.rangeMarker);
        }
        const bool startIn = InView(start);
        const bool endIn = range && InView(end);
        if (!startIn && !endIn) continue;
        if (first < 0) first = static_cast<int32_t>(i);
        last = static_cast<int32_t>(i);
        const OLE_COLOR color = range ? c_.colors.rangeMarker : c_.colors.cueMarker;
        const int32_t startColumn = g.PositionToColumn(s, start);
        const int32_t endColumn = g.PositionToColumn(s, end);
        if (range) {
            if (startIn) DrawTriangles(startColumn, Pointing::Right, color);
            if (endIn) DrawTriangles(endColumn, Pointing::Left, color);
        } else {
            DrawTriangles(startColumn, Pointing::Both, color);
        }
        if (!c_.markers.barEnabled) continue;
        auto isSelectionEdge = [&](int32_t column) {
            return column == g.SelectionStartColumn() || column == g.SelectionEndColumn();
        };
        if (startIn && !isSelectionEdge(startColumn)) DrawDashes(startColumn, color);
        if (endIn && !isSelectionEdge(endColumn)) DrawDashes(endColumn, color);
    }
    return {first, last};
}

void SymbolPainter::DrawPlayCursor(int32_t x, int32_t y) {
    if (c_.status != Status::Playing && c_.status != Status::Paused) return;
    DrawDashes(c_.playColumn, c_.colors.playCursor, x, y);
}

}  // namespace vesk
