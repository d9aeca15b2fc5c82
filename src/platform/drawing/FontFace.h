// A font ready for drawing: a FontDescription (name, points, weight, italic) resolved through
// fontconfig to an installed face (a metric-compatible one when the named face is missing, e.g.
// "Arial" -> Liberation Sans) and opened with FreeType at the pixel size of the description at
// 96 dots per inch. Faces are shared and cached per description.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

#include "platform/drawing/FontObject.h"

namespace vesk {

struct TextExtent {
    int32_t width = 0;   // advance width in pixels
    int32_t height = 0;  // line height in pixels (ascent + descent), as a text cell is tall
};

class FontFace {
public:
    // The face for a description; never null (falls back to any sans-serif face the system has,
    // and to a built-in fixed metric when no font at all can be loaded).
    static std::shared_ptr<FontFace> Resolve(const FontDescription& description);

    virtual ~FontFace() = default;
    virtual TextExtent Measure(std::string_view utf8) const = 0;
    virtual int32_t Ascent() const = 0;  // pixels from the cell top to the baseline
    // The coverage (0..255) of each pixel of the text drawn with its cell's top-left corner at
    // (0, 0): calls plot(x, y, coverage) for every covered pixel.
    template <class Plot>
    void Rasterize(std::string_view utf8, Plot plot) const {
        RasterizeInto(utf8, [](void* context, int32_t x, int32_t y, uint8_t coverage) {
            (*static_cast<Plot*>(context))(x, y, coverage);
        }, &plot);
    }
    // The file fontconfig chose (for tests and diagnostics).
    virtual std::string_view FilePath() const = 0;

protected:
    using PlotFunction = void (*)(void* context, int32_t x, int32_t y, uint8_t coverage);
    virtual void RasterizeInto(std::string_view utf8, PlotFunction plot, void* context) const = 0;
};

}  // namespace vesk
