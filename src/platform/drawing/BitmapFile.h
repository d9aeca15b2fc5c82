// Writing a bitmap to a picture file.
//
// WriteBitmapFile writes the standard device-independent bitmap file of a 32-bit frame: a 14-byte
// file header ("BM", file size, two reserved zeros, pixel-data offset), a 40-byte information
// header (size 40, width, positive height for bottom-up rows, 1 plane, 32 bits, compression 3 =
// bit fields, image size, 0 resolution and colour counts), three 32-bit colour masks
// (0x00FF0000, 0x0000FF00, 0x000000FF), then the rows bottom-up from offset 66. An existing file
// is truncated. WritePngFile writes the same picture as an 8-bit RGB PNG.
#pragma once

#include <string>

#include "platform/drawing/Bitmap.h"

namespace vesk {

// False when the bitmap is empty or the file cannot be written (a partly written file stays).
bool WriteBitmapFile(const Bitmap& bitmap, const std::string& path);
bool WritePngFile(const Bitmap& bitmap, const std::string& path);
// PNG when the name ends in ".png" (any case), else the bitmap file.
bool WritePictureFile(const Bitmap& bitmap, const std::string& path);

}  // namespace vesk
