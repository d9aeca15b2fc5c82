// The symbols drawn over the lanes: the cursor and the selection edges (in the band and as
// triangles at the area's edges), the markers (band lines, triangles, dashed bars) and the
// dashed play cursor.
#pragma once

#include <utility>

#include "platform/drawing/Canvas.h"
#include "view/PaintContext.h"

namespace vesk {

class SymbolPainter {
public:
    SymbolPainter(Canvas& canvas, const PaintContext& context) : canvas_(canvas), c_(context) {}

    void DrawCursorAndSelection();
    // Returns the index range of the markers that lie in the view (-1, -1 when none).
    std::pair<int32_t, int32_t> DrawMarkers();
    // The play cursor while playing or paused, on a target whose client origin is (x, y).
    void DrawPlayCursor(int32_t x, int32_t y);

private:
    enum class Pointing { Right, Left, Both };
    // Triangles at the top and bottom edges of the area at column c.
    void DrawTriangles(int32_t column, Pointing pointing, OLE_COLOR color);
    // A dashed vertical line (2 pixels of every 4) at area column c over the visible lanes.
    void DrawDashes(int32_t column, OLE_COLOR color, int32_t dx = 0, int32_t dy = 0);
    // x of byte position p as a share of the whole document in the band.
    int32_t BandX(int64_t p) const;
    bool InView(int64_t p) const;

    Canvas& canvas_;
    const PaintContext& c_;
};

}  // namespace vesk
