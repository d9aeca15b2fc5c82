#include "platform/drawing/Canvas.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace vesk {

namespace {

// n / d rounded to nearest with halves rounded down (n >= 0, d > 0): the pixel a Bresenham
// walk picks, which stays on the earlier row when the ideal line passes exactly between two.
int64_t RoundHalfDown(int64_t n, int64_t d) { return (2 * n + d - 1) / (2 * d); }

// The steps i in [0, steps) whose major coordinate start + direction·i lies in [0, limit).
// Clipping the walk on its major axis keeps a far-off line from iterating over pixels that
// cannot be seen, without changing which pixels the visible part gets.
void ClipSteps(int64_t start, int64_t direction, int64_t limit, int64_t steps, int64_t& first, int64_t& end) {
    if (direction > 0) {
        first = std::max<int64_t>(0, -start);
        end = std::min<int64_t>(steps, limit - start);
    } else {
        first = std::max<int64_t>(0, start - limit + 1);
        end = std::min<int64_t>(steps, start + 1);
    }
}

// Channel-wise (color·coverage + pixel·(255 − coverage)) / 255, rounded.
uint32_t Blend(uint32_t pixel, uint32_t color, uint32_t coverage) {
    uint32_t result = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        uint32_t over = (color >> shift) & 0xFF;
        uint32_t under = (pixel >> shift) & 0xFF;
        result |= ((over * coverage + under * (255 - coverage) + 127) / 255) << shift;
    }
    return result;
}

}  // namespace

void Canvas::FillRect(int32_t left, int32_t top, int32_t right, int32_t bottom, OLE_COLOR color) {
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, target_.Width());
    bottom = std::min(bottom, target_.Height());
    if (left >= right || top >= bottom) return;
    uint32_t pixel = PixelFromOleColor(color);
    for (int32_t y = top; y < bottom; ++y) std::fill(target_.Row(y) + left, target_.Row(y) + right, pixel);
}

void Canvas::Line(int32_t x0, int32_t y0, int32_t x1, int32_t y1, OLE_COLOR color) {
    const int64_t dx = int64_t{x1} - x0;
    const int64_t dy = int64_t{y1} - y0;
    const bool xMajor = std::llabs(dx) >= std::llabs(dy);
    const int64_t major = xMajor ? dx : dy;
    const int64_t minor = xMajor ? dy : dx;
    // One pixel per step along the major axis; the end point itself is the step not taken.
    const int64_t steps = std::llabs(major);
    if (steps == 0) return;

    const int64_t majorStart = xMajor ? x0 : y0;
    const int64_t minorStart = xMajor ? y0 : x0;
    const int64_t majorDirection = major > 0 ? 1 : -1;
    const int64_t minorDirection = minor >= 0 ? 1 : -1;
    int64_t first = 0;
    int64_t end = 0;
    ClipSteps(majorStart, majorDirection, xMajor ? target_.Width() : target_.Height(), steps, first, end);

    const uint32_t pixel = PixelFromOleColor(color);
    for (int64_t i = first; i < end; ++i) {
        int64_t along = majorStart + majorDirection * i;
        int64_t across = minorStart + minorDirection * RoundHalfDown(i * std::llabs(minor), steps);
        int64_t x = xMajor ? along : across;
        int64_t y = xMajor ? across : along;
        if (y >= 0 && y < target_.Height() && x >= 0 && x < target_.Width()) {
            target_.SetPixel(static_cast<int32_t>(x), static_cast<int32_t>(y), pixel);
        }
    }
}

void Canvas::Text(int32_t x, int32_t y, std::string_view utf8, const FontFace& font, OLE_COLOR color) {
    const uint32_t pixel = PixelFromOleColor(color);
    font.Rasterize(utf8, [&](int32_t gx, int32_t gy, uint8_t coverage) {
        int64_t px = int64_t{x} + gx;
        int64_t py = int64_t{y} + gy;
        if (coverage == 0 || px < 0 || py < 0 || px >= target_.Width() || py >= target_.Height()) return;
        uint32_t& under = target_.Row(static_cast<int32_t>(py))[px];
        under = Blend(under, pixel, coverage);
    });
}

void Canvas::Blit(int32_t x, int32_t y, int32_t width, int32_t height, const Bitmap& source, int32_t sourceX,
                  int32_t sourceY) {
    if (width <= 0 || height <= 0) return;
    // Shift the rectangle's start until it lies inside both bitmaps, then cut its size.
    auto clipStart = [](int32_t& position, int32_t& other, int32_t& size) {
        if (position < 0) {
            other -= position;
            size += position;
            position = 0;
        }
    };
    clipStart(sourceX, x, width);
    clipStart(sourceY, y, height);
    clipStart(x, sourceX, width);
    clipStart(y, sourceY, height);
    width = std::min({width, source.Width() - sourceX, target_.Width() - x});
    height = std::min({height, source.Height() - sourceY, target_.Height() - y});
    if (width <= 0 || height <= 0) return;

    // A copy within one bitmap must not read rows it has already overwritten.
    const bool upwards = &source == &target_ && y > sourceY;
    for (int32_t row = 0; row < height; ++row) {
        int32_t r = upwards ? height - 1 - row : row;
        std::memmove(target_.Row(y + r) + x, source.Row(sourceY + r) + sourceX, sizeof(uint32_t) * width);
    }
}

}  // namespace vesk
