#include "platform/drawing/Bitmap.h"

#include <algorithm>

namespace vesk {

Bitmap::Bitmap(int32_t width, int32_t height)
    : width_(std::max(width, 0)), height_(std::max(height, 0)),
      pixels_(static_cast<size_t>(width_) * static_cast<size_t>(height_), 0) {}

uint32_t Bitmap::Pixel(int32_t x, int32_t y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
    return Row(y)[x];
}

void Bitmap::SetPixel(int32_t x, int32_t y, uint32_t pixel) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    Row(y)[x] = pixel;
}

}  // namespace vesk
