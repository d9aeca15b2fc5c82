// A font face opened with FreeType at a fixed em size in pixels. Glyphs are rendered in 8-bit
// grey on first use and kept, so drawing the same labels again costs no rendering. Shared
// between threads: the glyph store is guarded, everything else is fixed at creation.
#pragma once

#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/drawing/FontFace.h"

struct FT_LibraryRec_;
struct FT_FaceRec_;

namespace vesk {

class FreeTypeFace : public FontFace {
public:
    // Face `index` of the font file at `path` with an em of emPixels pixels (> 0); null when
    // FreeType cannot open it.
    static std::shared_ptr<FreeTypeFace> Open(const std::string& path, int32_t index, int32_t emPixels);
    ~FreeTypeFace() override;
    FreeTypeFace(const FreeTypeFace&) = delete;
    FreeTypeFace& operator=(const FreeTypeFace&) = delete;

    TextExtent Measure(std::string_view utf8) const override;
    int32_t Ascent() const override { return ascent_; }
    std::string_view FilePath() const override { return path_; }

protected:
    void RasterizeInto(std::string_view utf8, PlotFunction plot, void* context) const override;

private:
    struct Glyph {
        int32_t advance = 0;  // pixels to the next pen position
        int32_t left = 0;     // pixels from the pen to the coverage's left column
        int32_t top = 0;      // pixels from the baseline up to the coverage's top row
        int32_t width = 0;
        int32_t rows = 0;
        std::vector<uint8_t> coverage;  // rows × width, top row first
    };

    FreeTypeFace(FT_LibraryRec_* library, FT_FaceRec_* face, std::string path);
    // The glyphs of the text in order; the pointers stay valid for the face's lifetime.
    std::vector<const Glyph*> GlyphsOf(std::string_view utf8) const;
    Glyph Render(char32_t code) const;

    FT_LibraryRec_* library_;  // owned; one per face, since a library is not shareable between threads
    FT_FaceRec_* face_;        // owned; touched only under mutex_ after creation
    std::string path_;
    int32_t ascent_ = 0;
    int32_t height_ = 0;
    mutable std::mutex mutex_;
    mutable std::unordered_map<char32_t, Glyph> glyphs_;
};

}  // namespace vesk
