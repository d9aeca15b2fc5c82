// Mouse pointers the control shows: the system's (named as a window system names its standard
// cursors), the control's own four, and one loaded from a file. A site shows a pointer however
// its window system can: by name, or from the image.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vesk {

enum class PointerShape {
    Arrow, Cross, IBeam, Icon, SizeAll, SizeNESW, SizeNS, SizeNWSE, SizeWE, UpArrow, Wait, No,
    AppStarting, Help, Size,
    Custom,  // loaded from a file
    Grab,    // a hand: the scroll thumb and the time scale while zoomed
    Left,    // an arrow marked L: an action applies to the left channel
    Right,   // an arrow marked R: an action applies to the right channel
    Edge,    // a pointing hand: the marker bands
};

// A pointer picture: ARGB pixels (0xAARRGGBB, rows from the top) and its hot spot.
struct PointerImage {
    int32_t width = 0;
    int32_t height = 0;
    int32_t hotX = 0;
    int32_t hotY = 0;
    std::vector<uint32_t> pixels;
};

struct Pointer {
    PointerShape shape = PointerShape::Arrow;
    std::shared_ptr<const PointerImage> image;  // for Custom and the control's own pointers

    bool operator==(const Pointer& other) const { return shape == other.shape && image == other.image; }
};

// The name of a shape: the system pointers as "arrow", "cross", "ibeam", …, "size" (the name of
// the standard cursor without its prefix, in lower case), "custom", and "grab", "left", "right",
// "edge" for the control's own.
const char* PointerName(PointerShape shape);

// A pointer of a system shape, or one of the control's own with its picture.
Pointer SystemPointer(PointerShape shape);
Pointer OwnPointer(PointerShape shape);

// Reads a pointer file: a cursor file (.cur, the first picture of an animated .ani) or an Xcursor
// file. Nothing when the file cannot be read or holds no picture.
std::optional<PointerImage> LoadPointerFile(const std::string& path);

}  // namespace vesk
