#include "platform/drawing/FreeTypeFace.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstdlib>

#include "platform/drawing/Utf8Decoder.h"

namespace vesk {

namespace {

// FreeType's 26.6 fixed point to whole pixels, rounded.
int32_t RoundedPixels(FT_Pos value) { return static_cast<int32_t>((value + 32) >> 6); }

// The coverage of one bitmap row: grey rows are copied, one-bit rows widened to 0 or 255.
void CopyRow(const FT_Bitmap& bitmap, const uint8_t* source, uint8_t* destination) {
    for (unsigned int x = 0; x < bitmap.width; ++x) {
        if (bitmap.pixel_mode == FT_PIXEL_MODE_MONO) {
            destination[x] = (source[x / 8] & (0x80 >> (x % 8))) ? 255 : 0;
        } else {
            destination[x] = source[x];
        }
    }
}

}  // namespace

std::shared_ptr<FreeTypeFace> FreeTypeFace::Open(const std::string& path, int32_t index, int32_t emPixels) {
    FT_Library library = nullptr;
    if (FT_Init_FreeType(&library) != 0) return nullptr;
    FT_Face face = nullptr;
    if (FT_New_Face(library, path.c_str(), index, &face) != 0 ||
        FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(emPixels)) != 0) {
        if (face) FT_Done_Face(face);
        FT_Done_FreeType(library);
        return nullptr;
    }
    return std::shared_ptr<FreeTypeFace>(new FreeTypeFace(library, face, path));
}

FreeTypeFace::FreeTypeFace(FT_LibraryRec_* library, FT_FaceRec_* face, std::string path)
    : library_(library), face_(face), path_(std::move(path)) {
    // The text cell runs from the ascender to the descender line (the descender is negative).
    const FT_Size_Metrics& metrics = face_->size->metrics;
    ascent_ = RoundedPixels(metrics.ascender);
    height_ = RoundedPixels(metrics.ascender - metrics.descender);
}

FreeTypeFace::~FreeTypeFace() {
    FT_Done_Face(face_);
    FT_Done_FreeType(library_);
}

TextExtent FreeTypeFace::Measure(std::string_view utf8) const {
    TextExtent extent{0, height_};
    for (const Glyph* glyph : GlyphsOf(utf8)) extent.width += glyph->advance;
    return extent;
}

void FreeTypeFace::RasterizeInto(std::string_view utf8, PlotFunction plot, void* context) const {
    int32_t pen = 0;
    for (const Glyph* glyph : GlyphsOf(utf8)) {
        for (int32_t row = 0; row < glyph->rows; ++row) {
            for (int32_t column = 0; column < glyph->width; ++column) {
                uint8_t coverage = glyph->coverage[static_cast<size_t>(row) * glyph->width + column];
                if (coverage != 0) plot(context, pen + glyph->left + column, ascent_ - glyph->top + row, coverage);
            }
        }
        pen += glyph->advance;
    }
}

std::vector<const FreeTypeFace::Glyph*> FreeTypeFace::GlyphsOf(std::string_view utf8) const {
    std::u32string codes = DecodeUtf8(utf8);
    std::vector<const Glyph*> glyphs;
    glyphs.reserve(codes.size());
    // Rendering happens under the lock but plotting does not, so a plot callback may use the
    // face again.
    std::lock_guard lock(mutex_);
    for (char32_t code : codes) {
        auto found = glyphs_.find(code);
        if (found == glyphs_.end()) found = glyphs_.emplace(code, Render(code)).first;
        glyphs.push_back(&found->second);
    }
    return glyphs;
}

FreeTypeFace::Glyph FreeTypeFace::Render(char32_t code) const {
    Glyph glyph;
    // A character the face lacks loads as the face's missing-glyph box; a glyph that fails to
    // load at all takes no room and draws nothing.
    if (FT_Load_Char(face_, code, FT_LOAD_RENDER) != 0) return glyph;
    const FT_GlyphSlot slot = face_->glyph;
    const FT_Bitmap& bitmap = slot->bitmap;
    glyph.advance = RoundedPixels(slot->advance.x);
    glyph.left = slot->bitmap_left;
    glyph.top = slot->bitmap_top;
    if (bitmap.pixel_mode != FT_PIXEL_MODE_GRAY && bitmap.pixel_mode != FT_PIXEL_MODE_MONO) return glyph;
    glyph.width = static_cast<int32_t>(bitmap.width);
    glyph.rows = static_cast<int32_t>(bitmap.rows);
    glyph.coverage.resize(static_cast<size_t>(glyph.width) * glyph.rows);
    for (int32_t row = 0; row < glyph.rows; ++row) {
        // A negative pitch means the rows are stored bottom-up.
        const uint8_t* source = bitmap.pitch >= 0 ? bitmap.buffer + row * bitmap.pitch
                                                  : bitmap.buffer + (glyph.rows - 1 - row) * -bitmap.pitch;
        CopyRow(bitmap, source, glyph.coverage.data() + static_cast<size_t>(row) * glyph.width);
    }
    return glyph;
}

}  // namespace vesk
