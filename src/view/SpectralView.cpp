#include "view/SpectralView.h"

#include <algorithm>
#include <cmath>
#include <thread>

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

void SpectralView::AnalyzeColumn(SpectrumAnalyzer& analyzer, std::span<const int16_t> frames, int32_t channels,
                                 int32_t column) {
    for (int channel = 0; channel < channels; ++channel) {
        analyzer.Analyze(frames, channels, channel, levels_[channel][column]);
    }
}

// Columns are independent, so a wide view is analysed in two halves at once where the machine
// has a second core: the analysis is most of a frame.
template <class Analyze>
void SpectralView::AnalyzeColumns(int32_t count, Analyze analyze) {
    constexpr int32_t kColumnsWorthAThread = 256;
    if (count < kColumnsWorthAThread || std::thread::hardware_concurrency() < 2) {
        analyze(analyzers_[0], 0, count);
        return;
    }
    const int32_t half = count / 2;
    std::thread second([&] { analyze(analyzers_[1], half, count); });
    analyze(analyzers_[0], 0, half);
    second.join();
}

// The windows of all columns are read in one batch: a view zoomed out has them far apart, and
// one read each would cost a system call per column.
bool SpectralView::ComputeFromFile(const DocState& state, int32_t channels, int32_t width) {
    const int32_t level = state.zoomLevel;
    const int64_t start = state.startView[level];
    const int64_t end = state.endView[level];
    const int64_t length = end != start ? end - start + 2 * channels : 0;
    width = length > 0 ? std::clamp(width, 0, kMaxColumns) : 0;
    const size_t windowSamples = static_cast<size_t>(kSize) * channels;
    windows_.assign(windowSamples * width, 0);
    pieces_.resize(width);
    for (int32_t c = 0; c < width; ++c) {
        pieces_[c] = FilePiece{ColumnStart(c, length, width, start, 2 * channels, channels),
                               reinterpret_cast<uint8_t*>(windows_.data() + windowSamples * c),
                               static_cast<int32_t>(windowSamples * 2), 0};
    }
    WaveFile file;
    if (!file.Open(state.filePath, WaveMode::Read)) return false;
    const bool read = file.ReadPieces(pieces_);
    file.Close();
    if (!read) return false;
    // Columns past the end of the file keep what they showed.
    int32_t count = 0;
    while (count < width && pieces_[count].got > 0) ++count;
    const std::span<const int16_t> windows(windows_);
    AnalyzeColumns(count, [&](SpectrumAnalyzer& analyzer, int32_t first, int32_t last) {
        for (int32_t c = first; c < last; ++c) {
            AnalyzeColumn(analyzer, windows.subspan(windowSamples * c, windowSamples), channels, c);
        }
    });
    stale_ = true;
    return true;
}

void SpectralView::ComputeFromBlock(std::span<const int16_t> samples, int32_t channels, int32_t width) {
    width = std::clamp(width, 0, kMaxColumns);
    const auto length = static_cast<int64_t>(samples.size());
    const auto first = [&](int32_t c) { return static_cast<size_t>(ColumnStart(c, length, width, 0, channels, channels)); };
    int32_t count = 0;
    while (count < width && first(count) < samples.size()) ++count;
    AnalyzeColumns(count, [&](SpectrumAnalyzer& analyzer, int32_t from, int32_t to) {
        for (int32_t c = from; c < to; ++c) AnalyzeColumn(analyzer, samples.subspan(first(c)), channels, c);
    });
    stale_ = true;
}

void SpectralView::Prepare(int32_t width, std::array<int32_t, 2> heights, int32_t channels, bool selection,
                           std::array<bool, 2> dimmed) {
    width = std::clamp(width, 0, kMaxColumns);
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
