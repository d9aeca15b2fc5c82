// The five drawing operations the painter needs, on a Bitmap, in integer pixel coordinates:
// fill a rectangle, draw a one-pixel line without its end point, draw text transparently,
// measure text, and copy pixels from another bitmap. Everything outside the bitmap is clipped.
#pragma once

#include <string_view>

#include "platform/drawing/Bitmap.h"
#include "platform/drawing/FontFace.h"

namespace vesk {

class Canvas {
public:
    explicit Canvas(Bitmap& target) : target_(target) {}

    Bitmap& Target() { return target_; }

    // Fills [left, right) × [top, bottom) (right and bottom excluded); nothing when empty.
    void FillRect(int32_t left, int32_t top, int32_t right, int32_t bottom, OLE_COLOR color);
    // A one-pixel line from (x0, y0) towards (x1, y1) with the end point not drawn, as the
    // classic move-to/line-to pair does (Bresenham). A line to its own start draws nothing.
    void Line(int32_t x0, int32_t y0, int32_t x1, int32_t y1, OLE_COLOR color);
    // Text with its cell's top-left corner at (x, y), in `color`, on a transparent background
    // (partly covered pixels blend with what is there).
    void Text(int32_t x, int32_t y, std::string_view utf8, const FontFace& font, OLE_COLOR color);
    TextExtent MeasureText(std::string_view utf8, const FontFace& font) const { return font.Measure(utf8); }
    // Copies the width × height pixels at (sourceX, sourceY) of source to (x, y).
    void Blit(int32_t x, int32_t y, int32_t width, int32_t height, const Bitmap& source, int32_t sourceX = 0,
              int32_t sourceY = 0);

private:
    Bitmap& target_;
};

}  // namespace vesk
