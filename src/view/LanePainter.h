// Draws one lane of the waveform area (the part that shows one channel): its zero line, the
// peak bars or the interpolated curve with sample dots, in the colours of the selection and of
// the channel's operation flag; its boundary lines at full sample scale; and the loading picture
// shown while a file opens.
#pragma once

#include <vector>

#include "platform/drawing/Canvas.h"
#include "view/PaintContext.h"

namespace vesk {

struct Lane {
    int32_t left, top, right, bottom;
    int channel;
};

// The lanes of the shown channels in the waveform area: one for a mono document or a stereo
// document with one channel shown, two (upper left, lower right) with both shown.
std::vector<Lane> LanesOf(const ViewGeometry& geometry, int32_t channels, const ChannelFlags& lanes);

class LanePainter {
public:
    LanePainter(Canvas& canvas, const PaintContext& context) : canvas_(canvas), c_(context) {}

    void DrawWaveform(const Lane& lane);
    void DrawBoundaryLines(const Lane& lane);
    void DrawLoadingPicture(const Lane& lane);

private:
    struct Pens {
        OLE_COLOR peak;
        OLE_COLOR curve;
        OLE_COLOR dots;
    };
    // Offset of value v from the centre of a lane of half height `half`, clipped to ±half.
    int32_t Offset(int32_t v, int32_t half, bool* clipped = nullptr) const;
    void DrawPass(const Lane& lane, int32_t a, int32_t b, bool selectionPass, const Pens& pens);
    void DrawPeaks(const Lane& lane, int32_t a, int32_t b, bool inclusive, OLE_COLOR pen);
    void DrawCurve(const Lane& lane, int32_t a, int32_t b, OLE_COLOR pen);
    void DrawDots(const Lane& lane, int32_t a, int32_t b, OLE_COLOR pen);

    Canvas& canvas_;
    const PaintContext& c_;
};

}  // namespace vesk
