// Composes the control's picture in two off-screen bitmaps of the client size: the background
// (fills, frame, selection and range-marker shading, amplitude scale), rendered whenever those
// change, and the frame (background plus time scale, band, lanes, cursor and marker symbols),
// recomposed by Redraw and after a size change. Painting copies the frame to the target and adds
// the play cursor on top, so a repaint never recomposes.
#pragma once

#include <optional>
#include <utility>

#include "platform/drawing/Canvas.h"
#include "view/PaintContext.h"

namespace vesk {

class Painter {
public:
    // Recreates both bitmaps at the client size (black).
    void Resize(int32_t width, int32_t height);
    bool HasFrame() const { return !frame_.Empty(); }
    const Bitmap& Frame() const { return frame_; }
    const Bitmap& Background() const { return background_; }

    void RenderBackground(const PaintContext& c);
    // Recomposes the frame, unless the frame is reused while playing or paused (and reason is not
    // a size change): then nothing is returned. Otherwise the index range of the markers it drew
    // (-1, -1 when none).
    std::optional<std::pair<int32_t, int32_t>> ComposeFrame(const PaintContext& c, int reason, int32_t lastPlayType);
    // Copies the frame to target at (x, y) and draws the play cursor over it.
    void Present(Bitmap& target, int32_t x, int32_t y, const PaintContext& c) const;

    static constexpr int kReasonResize = 1;
    static constexpr int kReasonUpdate = 2;

private:
    void DrawFrameLines(Canvas& canvas, const PaintContext& c) const;
    void DrawSeparatorLines(Canvas& canvas, const PaintContext& c) const;
    void DrawFills(Canvas& canvas, const PaintContext& c) const;
    void DrawBand(Canvas& canvas, const PaintContext& c) const;
    void DrawLanes(Canvas& canvas, const PaintContext& c) const;
    void DrawUnitLabels(Canvas& canvas, const PaintContext& c) const;

    Bitmap frame_;
    Bitmap background_;
};

}  // namespace vesk
