#include "platform/drawing/FontFace.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <mutex>
#include <optional>
#include <tuple>

#include "platform/drawing/FontMatch.h"
#include "platform/drawing/FreeTypeFace.h"
#include "platform/drawing/Utf8Decoder.h"

namespace vesk {

namespace {

// Layout without any font: text keeps a plausible size (an 8-point sans-serif cell) but shows
// nothing, so a system without fonts still lays out its scales.
class FixedMetricFace : public FontFace {
public:
    TextExtent Measure(std::string_view utf8) const override {
        return {static_cast<int32_t>(DecodeUtf8(utf8).size()) * kCharacterWidth, kHeight};
    }
    int32_t Ascent() const override { return kAscent; }
    std::string_view FilePath() const override { return {}; }

protected:
    void RasterizeInto(std::string_view, PlotFunction, void*) const override {}

private:
    static constexpr int32_t kCharacterWidth = 6;
    static constexpr int32_t kHeight = 13;
    static constexpr int32_t kAscent = 10;
};

// The em height in pixels of a size in points on a 96 dots-per-inch screen (8 pt -> 11 px).
int32_t EmPixels(double points) {
    double pixels = points * 96.0 / 72.0;
    if (!(pixels >= 1.0)) return 1;  // also catches NaN
    return static_cast<int32_t>(std::lround(std::min(pixels, 2048.0)));
}

std::shared_ptr<FontFace> OpenMatch(const std::string& family, int32_t weight, bool italic, int32_t emPixels) {
    std::optional<FontFileMatch> match = MatchFontFile(family, weight, italic);
    if (!match) return nullptr;
    return FreeTypeFace::Open(match->path, match->index, emPixels);
}

std::shared_ptr<FontFace> Load(const FontDescription& description, int32_t emPixels) {
    if (auto face = OpenMatch(description.name, description.weight, description.italic, emPixels)) return face;
    if (auto face = OpenMatch("sans-serif", description.weight, description.italic, emPixels)) return face;
    return std::make_shared<FixedMetricFace>();
}

}  // namespace

std::shared_ptr<FontFace> FontFace::Resolve(const FontDescription& description) {
    // Faces never change once made, so every control of the process can share them.
    using Key = std::tuple<std::string, int32_t, int16_t, bool>;
    static std::mutex mutex;
    static std::map<Key, std::shared_ptr<FontFace>> cache;

    const int32_t emPixels = EmPixels(description.sizePoints);
    Key key{description.name, emPixels, description.weight, description.italic};
    std::lock_guard lock(mutex);
    auto found = cache.find(key);
    if (found == cache.end()) found = cache.emplace(std::move(key), Load(description, emPixels)).first;
    return found->second;
}

}  // namespace vesk
