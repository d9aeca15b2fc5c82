#include "view/SpectralView.h"

#include <algorithm>
#include <cmath>

#include "document/WaveFile.h"

namespace vesk {

namespace {

constexpr int kSize = SpectrumAnalyzer::kSize;
constexpr int kBins = SpectrumAnalyzer::kBins;
constexpr int kNormal = 0, kSelected = 1, kNotOperated = 2;

}  // namespace

int64_t SpectralView::ColumnStart(int32_t column, int64_t length, int32_t width, int64_t origin, int32_t unit,
                                  int32_t channels) {
    int64_t p = std::llround(static_cast<double>(column) * static_cast<double>(length) / width) + origin -
                int64_t{kSize / 2} * channels;
    p = std::max<int64_t>(p, 0);
    return p / unit * unit;
}

void SpectralView::AnalyzeColumn(std::span<const int16_t> frames, int32_t channels, int32_t column) {
    for (int channel = 0; channel < channels; ++channel) {
        analyzer_.Analyze(frames, channels, channel, levels_[channel][column]);
    }
}

bool SpectralView::ComputeFromFile(const DocState& state, int32_t channels, int32_t width) {
    WaveFile file;
    if (!file.Open(state.filePath, WaveMode::Read)) return false;
    const int32_t level = state.zoomLevel;
    const int64_t start = state.startView[level];
    const int64_t end = state.endView[level];
    const int64_t length = end != start ? end - start + 2 * channels : 0;
    width = std::min(width, kMaxColumns);
    std::vector<int16_t> frames(static_cast<size_t>(kSize) * channels);
    for (int32_t c = 0; length > 0 && c < width; ++c) {
        std::fill(frames.begin(), frames.end(), 0);
        file.Seek(static_cast<uint32_t>(ColumnStart(c, length, width, start, 2 * channels, channels)));
        if (file.Read(frames.data(), static_cast<uint32_t>(frames.size() * 2)) < 1) break;
        AnalyzeColumn(frames, channels, c);
    }
    file.Close();
    stale_ = true;
    return true;
}

void SpectralView::ComputeFromBlock(std::span<const int16_t> samples, int32_t channels, int32_t width) {
    width = std::min(width, kMaxColumns);
    const auto length = static_cast<int64_t>(samples.size());
    for (int32_t c = 0; c < width; ++c) {
        const auto first = static_cast<size_t>(ColumnStart(c, length, width, 0, channels, channels));
        if (first >= samples.size()) break;
        AnalyzeColumn(samples.subspan(first), channels, c);
    }
    stale_ = true;
}

void SpectralView::Prepare(int32_t width, std::array<int32_t, 2> heights, int32_t channels, bool selection,
                           std::array<bool, 2> dimmed) {
    width = std::min(width, kMaxColumns);
    if (stale_ || width != width_ || heights != heights_) rendered_ = {};
    width_ = width;
    heights_ = heights;
    stale_ = false;
    for (int channel = 0; channel < std::min(channels, 2); ++channel) {
        const std::array<bool, 3> wanted{!dimmed[channel], !dimmed[channel] && selection, dimmed[channel]};
        for (int variant : {kNormal, kSelected, kNotOperated}) {
            if (!wanted[variant] || rendered_[channel][variant]) continue;
            Render(channel, variant, heights[channel]);
            rendered_[channel][variant] = true;
        }
    }
}

namespace {

// The colour maps as stored pixels, converted once.
using PixelMap = std::array<uint32_t, SpectrumColors::kColors>;
const std::array<PixelMap, 3>& PixelMaps() {
    static const std::array<PixelMap, 3> maps = [] {
        const SpectrumColors colors;
        std::array<PixelMap, 3> result{};
        for (int variant : {kNormal, kSelected, kNotOperated}) {
            for (int i = 0; i < SpectrumColors::kColors; ++i) {
                result[variant][i] = PixelFromOleColor(colors.Variant(variant)[i]);
            }
        }
        return result;
    }();
    return maps;
}

}  // namespace

// The 32 bins share the lane's height equally; inside a bin the colour slopes towards the next
// bin's level, so the picture has no steps between bins.
// The bins' rows cover every row of the picture, so one of the right size is overwritten whole
// and kept from frame to frame; rows are written directly, as this runs for every frame of a
// moving view.
void SpectralView::Render(int channel, int variant, int32_t height) {
    const PixelMap& map = PixelMaps()[variant];
    Bitmap& picture = pictures_[channel][variant];
    if (picture.Width() != width_ || picture.Height() != std::max(height, 0)) picture = Bitmap(width_, std::max(height, 0));
    if (height < 1) return;
    const double q = 2.0 * height / kSize;
    const double rounding = variant == kNormal ? 0.5 : 0.0;
    for (int32_t c = 0; c < width_; ++c) {
        const Column& levels = levels_[channel][c];
        for (int k = 0; k < kBins; ++k) {
            const double slope = k < kBins - 1 ? (levels[k + 1] - levels[k]) / q : 0.0;
            for (int r = 0; r < q; ++r) {
                // Row 0 of the spectrum is the lane's bottom.
                const int32_t y = height - 1 - static_cast<int32_t>(k * q + r);
                if (y < 0) continue;
                const int index = std::clamp(static_cast<int>(levels[k] - 20 + r * slope + rounding), 0,
                                             SpectrumColors::kColors - 1);
                picture.Row(y)[c] = map[index];
            }
        }
    }
}

void SpectralView::DrawLane(Canvas& canvas, int32_t left, int32_t top, int32_t right, int32_t bottom, int channel,
                            bool notOperated, int32_t selectionStart, int32_t selectionEnd) const {
    const auto& pictures = pictures_[channel];
    const int32_t width = right - left;
    const int32_t height = bottom - top;
    if (notOperated) {
        canvas.Blit(left, top, width, height, pictures[kNotOperated]);
        return;
    }
    canvas.Blit(left, top, width, height, pictures[kNormal]);
    if (selectionStart != selectionEnd) {
        canvas.Blit(left + selectionStart, top, selectionEnd - selectionStart, height, pictures[kSelected],
                    selectionStart);
    }
}

}  // namespace vesk
