// The display data of the view: for each pixel column of the waveform area and each channel the
// smallest and largest sample that falls into it, an interpolated curve through those extremes
// for deep zoom levels, and the document overview, a reduced copy of the whole sound that wide
// views read instead of the working file.
//
// Positions are byte offsets into the working file's data; a column (or overview entry) that
// received no sample holds kEmptyColumn, which lies outside the 16-bit range.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "view/CubicSpline.h"

namespace vesk {

inline constexpr int32_t kMaxColumns = 3000;
inline constexpr int32_t kEmptyColumn = 33333;
// Sample values per overview unit: documents of two units or more get an overview.
inline constexpr int64_t kOverviewUnitSamples = 3000000;

enum class Interpolation : int16_t { Parabola = 1, CubicSpline = 2 };

struct PeakColumns {
    using Row = std::array<int32_t, kMaxColumns>;
    std::array<Row, 2> minPeak;     // [channel][column]
    std::array<Row, 2> maxPeak;
    std::array<Row, 2> curvePoint;  // interpolated value per column

    PeakColumns();
    void ClearPeaks();   // every min/max entry of both channels empty
    void ClearCurve();   // every curve point 0
    bool ColumnEmpty(int channel, int32_t column) const {
        return minPeak[channel][column] == kEmptyColumn && maxPeak[channel][column] == kEmptyColumn;
    }
};

struct Overview {
    bool ready = false;
    int32_t length = 0;                          // entries used per array
    std::array<std::vector<int32_t>, 2> min;     // [channel]; channel 1 only for stereo
    std::array<std::vector<int32_t>, 2> max;

    void Free();
};

// What ComputePeaks reads: the view of the current level of a working file.
struct PeakSource {
    std::string filePath;
    int32_t startView = 0;  // bytes
    int32_t endView = 0;    // bytes
    int32_t frequency = 0;  // Hz
    int32_t channels = 1;
};

class DisplayData {
public:
    PeakColumns& Columns() { return columns_; }
    const PeakColumns& Columns() const { return columns_; }
    Overview& Document() { return overview_; }
    const Overview& Document() const { return overview_; }
    Interpolation InterpolationKind() const { return interpolation_; }
    void SetInterpolationKind(Interpolation kind) { interpolation_ = kind; }

    // Extremes of the source's view read from the file in one-second blocks; [start, end] (bytes)
    // only sets the sampling stride: every frame when a column spans k < 500 frames, else every
    // (2 × channels × floor(k/500))-th, counted from the start of each block. Clears the curve.
    // False when the file cannot be opened or positioned or memory runs out. Widths above
    // kMaxColumns − 1 are treated as kMaxColumns − 1.
    bool ComputePeaks(const PeakSource& source, int32_t start, int32_t end, int32_t areaWidth);
    // Extremes from overview entries [s, e); always true. The curve keeps its values; entries the
    // overview does not hold are skipped.
    bool ComputePeaksFromOverview(int32_t s, int32_t e, int32_t areaWidth, int32_t channels);
    // The live picture while recording: a block of `count` interleaved samples spans the whole
    // width. Returns the detail mode it chose (thresholds 24, 12 below 8000 Hz, 60 above 23000 Hz)
    // and runs ComputeCurve when that is not 0.
    int16_t ComputePeaksFromBlock(const int16_t* samples, int32_t count, int32_t areaWidth, int32_t channels,
                                  int32_t frequency);
    // The interpolated curve of every channel through the column extremes.
    void ComputeCurve(int32_t areaWidth, int32_t channels);

    // Rebuilds the overview of a working file of totalBytes (allocation rules: none below two
    // units, kept or grown otherwise). progress(percent) runs after each one-second block.
    // Returns false when the overview could not be built (the file cannot be read, no memory);
    // the overview is then freed, so a failed build never leaves stale entries marked ready.
    // The caller owns Status and the events.
    bool BuildOverview(const std::string& filePath, int32_t totalBytes, int32_t frequency, int32_t channels,
                       int32_t areaWidth, const std::function<void(int16_t percent)>& progress);
    void FreeOverview() { overview_.Free(); }

    // The overview filled while a file decodes, from a sparse sample of each block (about 400
    // positions per entry): started when the announced length reaches two units. Returns
    // whether it was started.
    bool StartDecodingOverview(int64_t expectedBytes, int32_t channels, int32_t areaWidth);
    // Adds `count` interleaved samples that were written after bytesBefore bytes.
    void AddDecodedBlock(const int16_t* samples, int32_t count, int64_t bytesBefore);

private:
    // OverviewLength for a document of totalBytes: 0 when it gets no overview.
    int32_t OverviewLengthFor(int32_t totalBytes, int32_t areaWidth) const;
    bool AllocateOverview(int32_t length, int32_t channels);
    bool FillOverview(const std::string& filePath, int32_t totalBytes, int32_t frequency, int32_t channels,
                      const std::function<void(int16_t percent)>& progress);

    PeakColumns columns_;
    Overview overview_;
    // The decoding overview's sampling: every decodeStride_-th frame, entry = byte × decodeScale_.
    int64_t decodeStride_ = 1;
    double decodeScale_ = 0;
    int32_t decodeChannels_ = 1;
    Interpolation interpolation_ = Interpolation::CubicSpline;
};

}  // namespace vesk
