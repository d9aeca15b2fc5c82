// The spectral view: a short spectrum for every pixel column of the visible range (read from the
// working file) or of a block of captured samples (while recording), drawn per channel with low
// frequencies at the bottom of the lane and half the rate at its top. A channel is drawn in
// three looks, each a picture of its own: as it is, selected, and out of operation.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "document/DocState.h"
#include "platform/drawing/Bitmap.h"
#include "platform/drawing/Canvas.h"
#include "platform/io/PieceReads.h"
#include "view/SpectrumAnalyzer.h"
#include "view/SpectrumColors.h"

namespace vesk {

class SpectralView {
public:
    static constexpr int kMaxColumns = 3000;

    // The spectra of the state's view at its zoom level, read from its working file; false when
    // the file cannot be read (the previous pictures stay).
    bool ComputeFromFile(const DocState& state, int32_t channels, int32_t width);
    // The spectra of interleaved samples spread over the width.
    void ComputeFromBlock(std::span<const int16_t> samples, int32_t channels, int32_t width);

    // Renders the pictures that DrawLane will use for lanes of `heights` (per channel): the
    // normal one of each operated channel, the selected one too when `selection` is shown, the
    // not-operated one of each `dimmed` channel. A picture is rendered again only when the
    // spectra or the sizes changed since it was last rendered.
    void Prepare(int32_t width, std::array<int32_t, 2> heights, int32_t channels, bool selection,
                 std::array<bool, 2> dimmed);
    // Copies channel ch's picture into [left, right) × [top, bottom): the not-operated one, or
    // the normal one with the selected one over the columns [selectionStart, selectionEnd).
    void DrawLane(Canvas& canvas, int32_t left, int32_t top, int32_t right, int32_t bottom, int channel,
                  bool notOperated, int32_t selectionStart, int32_t selectionEnd) const;

    // Level of bin k of a column (for tests and the picture).
    int32_t Level(int channel, int32_t column, int bin) const { return levels_[channel][column][bin]; }

private:
    using Column = SpectrumAnalyzer::Levels;
    // Where column c's window starts: `c × length / width` past origin, moved back by half a
    // window's worth (N/2 × channels), never before 0, down to a multiple of unit (a frame).
    // Lengths and positions are bytes in a file, sample values in a block.
    static int64_t ColumnStart(int32_t column, int64_t length, int32_t width, int64_t origin, int32_t unit,
                               int32_t channels);
    void AnalyzeColumn(SpectrumAnalyzer& analyzer, std::span<const int16_t> frames, int32_t channels, int32_t column);
    // Calls analyze(analyzer, first, last) over column ranges that together make [0, count).
    template <class Analyze>
    void AnalyzeColumns(int32_t count, Analyze analyze);
    void Render(int channel, int variant, int32_t height);

    std::array<SpectrumAnalyzer, 2> analyzers_;  // one per thread of the analysis
    std::vector<int16_t> windows_;  // every column's samples, read together
    std::vector<FilePiece> pieces_;
    std::array<std::array<Column, kMaxColumns>, 2> levels_{};
    std::array<std::array<Bitmap, 3>, 2> pictures_;
    std::array<std::array<bool, 3>, 2> rendered_{};  // pictures_ shows the current spectra
    int32_t width_ = 0;
    std::array<int32_t, 2> heights_{};
    bool stale_ = true;
};

}  // namespace vesk
