// A 32-bit off-screen bitmap: width × height pixels, rows top to bottom, each pixel 0x00RRGGBB.
// The control composes its picture in bitmaps of its client size.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/automation/ComTypes.h"

namespace vesk {

// 0x00BBGGRR (as hosts give colours) to 0x00RRGGBB (as pixels are stored), and back.
constexpr uint32_t PixelFromOleColor(OLE_COLOR color) {
    return ((color & 0xFF) << 16) | (color & 0xFF00) | ((color >> 16) & 0xFF);
}
constexpr OLE_COLOR OleColorFromPixel(uint32_t pixel) { return PixelFromOleColor(pixel); }
constexpr OLE_COLOR Rgb(uint8_t r, uint8_t g, uint8_t b) {
    return static_cast<OLE_COLOR>(r) | (static_cast<OLE_COLOR>(g) << 8) | (static_cast<OLE_COLOR>(b) << 16);
}

class Bitmap {
public:
    Bitmap() = default;
    // A bitmap of the given size (negative sizes count as 0), all pixels black.
    Bitmap(int32_t width, int32_t height);

    int32_t Width() const { return width_; }
    int32_t Height() const { return height_; }
    bool Empty() const { return width_ == 0 || height_ == 0; }

    // 0 outside the bitmap.
    uint32_t Pixel(int32_t x, int32_t y) const;
    // Nothing outside the bitmap.
    void SetPixel(int32_t x, int32_t y, uint32_t pixel);
    // Row y (0 = top), Width() pixels.
    uint32_t* Row(int32_t y) { return pixels_.data() + static_cast<size_t>(y) * width_; }
    const uint32_t* Row(int32_t y) const { return pixels_.data() + static_cast<size_t>(y) * width_; }

private:
    int32_t width_ = 0;
    int32_t height_ = 0;
    std::vector<uint32_t> pixels_;
};

}  // namespace vesk
