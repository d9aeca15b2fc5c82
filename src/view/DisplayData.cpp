#include "view/DisplayData.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>
#include <memory>
#include <new>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "document/WaveFile.h"

namespace vesk {

// Working files hold little-endian 16-bit samples, read straight into int16_t buffers.
static_assert(std::endian::native == std::endian::little);

namespace {

// A column (or overview entry) spanning more frames than this is sampled, not read whole.
constexpr int64_t kFramesReadWhole = 500;

int32_t ClampWidth(int32_t areaWidth) { return std::clamp(areaWidth, 0, kMaxColumns - 1); }
int32_t ClampChannels(int32_t channels) { return channels == 2 ? 2 : 1; }

// The larger/smaller-or-empty rule: an empty entry takes the value whatever it is.
inline void Widen(int32_t& minEntry, int32_t& maxEntry, int32_t lo, int32_t hi) {
    if (hi > maxEntry || maxEntry == kEmptyColumn) maxEntry = hi;
    if (lo < minEntry || minEntry == kEmptyColumn) minEntry = lo;
}

// The rows a scan widens: per channel, min and max entries indexed by column.
struct ExtremeRows {
    std::array<int32_t*, 2> min{};
    std::array<int32_t*, 2> max{};
};

// Where the samples of one block land: trunc((bytesBefore + 2 · sampleIndex) · scale + bias).
struct ColumnMap {
    int64_t bytesBefore = 0;
    double scale = 0;
    double bias = 0;

    int64_t ColumnOfSample(int64_t sampleIndex) const {
        return static_cast<int64_t>(static_cast<double>(bytesBefore + 2 * sampleIndex) * scale + bias);
    }
};

constexpr int kLanes = 8;  // 16-bit samples per vector

// Which lanes of a vector of 8 samples hold visited samples, for visits every `visitSamples`
// samples starting at lane 0; usable only when a vector holds whole visit periods.
struct LaneMask {
    bool usable = false;
#if defined(__SSE2__)
    __m128i keep{};    // all ones in visited lanes
    __m128i top{};     // INT16_MAX in the other lanes: neutral for a minimum
    __m128i bottom{};  // INT16_MIN in the other lanes: neutral for a maximum
#endif

    LaneMask(int64_t visitSamples, int channels) {
#if defined(__SSE2__)
        usable = kLanes % visitSamples == 0;
        if (!usable) return;
        alignas(16) int16_t lanes[kLanes];
        for (int k = 0; k < kLanes; ++k) lanes[k] = k % visitSamples < channels ? -1 : 0;
        keep = _mm_load_si128(reinterpret_cast<const __m128i*>(lanes));
        const __m128i others = _mm_xor_si128(keep, _mm_set1_epi16(-1));
        top = _mm_and_si128(_mm_set1_epi16(INT16_MAX), others);
        bottom = _mm_and_si128(_mm_set1_epi16(INT16_MIN), others);
#else
        (void)visitSamples;
        (void)channels;
#endif
    }
};

// Extremes per channel of a run of visits: every `visitSamples`-th sample of interleaved frames.
// When the lane mask is usable the run is folded with vector min/max, the samples between visits
// masked to neutral values; each lane then always holds the same channel. The visits after the
// last whole vector, and other strides, take the scalar loop.
template <int Channels>
class RunExtremes {
public:
    std::array<int32_t, Channels> lo;
    std::array<int32_t, Channels> hi;

    RunExtremes(const int16_t* first, int64_t visits, int64_t visitSamples, const LaneMask& mask) {
        for (int ch = 0; ch < Channels; ++ch) lo[ch] = hi[ch] = first[ch];
        // The span ends with the last visit's frame; samples past it are never read.
        const int64_t spanSamples = (visits - 1) * visitSamples + Channels;
        const int64_t folded = mask.usable ? FoldVectors(first, spanSamples, mask) / visitSamples : 0;
        for (int64_t k = std::max<int64_t>(folded, 1); k < visits; ++k) Take(first + k * visitSamples);
    }

private:
    void Take(const int16_t* frame) {
        for (int ch = 0; ch < Channels; ++ch) {
            lo[ch] = std::min<int32_t>(lo[ch], frame[ch]);
            hi[ch] = std::max<int32_t>(hi[ch], frame[ch]);
        }
    }

    // Folds the leading whole vectors of the span and returns the samples it covered.
    int64_t FoldVectors(const int16_t* p, int64_t spanSamples, const LaneMask& mask) {
#if defined(__SSE2__)
        __m128i low = _mm_set1_epi16(INT16_MAX);
        __m128i high = _mm_set1_epi16(INT16_MIN);
        int64_t i = 0;
        for (; i + kLanes <= spanSamples; i += kLanes) {
            const __m128i v = _mm_and_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i)), mask.keep);
            low = _mm_min_epi16(low, _mm_or_si128(v, mask.top));
            high = _mm_max_epi16(high, _mm_or_si128(v, mask.bottom));
        }
        alignas(16) int16_t lows[kLanes];
        alignas(16) int16_t highs[kLanes];
        _mm_store_si128(reinterpret_cast<__m128i*>(lows), low);
        _mm_store_si128(reinterpret_cast<__m128i*>(highs), high);
        // Masked lanes hold the neutral values, so folding them into any channel changes nothing.
        for (int k = 0; k < kLanes; ++k) {
            lo[k % Channels] = std::min<int32_t>(lo[k % Channels], lows[k]);
            hi[k % Channels] = std::max<int32_t>(hi[k % Channels], highs[k]);
        }
        return i;
#else
        (void)p;
        (void)spanSamples;
        (void)mask;
        return 0;
#endif
    }
};

// Visits frames 0, stride, 2·stride, … of a block and widens the column each one lands in.
// The column never decreases along the block, so the visits are taken in runs sharing a column:
// each run's end is estimated from the inverse of the column formula and then settled with the
// formula itself, which keeps the result identical to a visit-by-visit update.
template <int Channels>
class BlockScan {
public:
    BlockScan(const int16_t* samples, int64_t frames, int64_t strideFrames, const ColumnMap& map)
        : samples_(samples), visits_((frames + strideFrames - 1) / strideFrames),
          visitSamples_(strideFrames * Channels), map_(map), mask_(visitSamples_, Channels) {}

    void Into(const ExtremeRows& rows) const {
        for (int64_t visit = 0; visit < visits_;) {
            const int64_t column = ColumnOfVisit(visit);
            const int64_t end = RunEnd(visit, column);
            const RunExtremes<Channels> run(samples_ + visit * visitSamples_, end - visit, visitSamples_, mask_);
            for (int ch = 0; ch < Channels; ++ch) {
                Widen(rows.min[ch][column], rows.max[ch][column], run.lo[ch], run.hi[ch]);
            }
            visit = end;
        }
    }

private:
    int64_t ColumnOfVisit(int64_t visit) const { return map_.ColumnOfSample(visit * visitSamples_); }

    // First visit after `visit` whose column lies right of `column`. An estimate that falls short
    // would only split a run; one that overshoots would misplace visits, hence the pull back.
    int64_t RunEnd(int64_t visit, int64_t column) const {
        if (map_.scale <= 0) return visits_;
        const double firstByte = (static_cast<double>(column) + 1 - map_.bias) / map_.scale - map_.bytesBefore;
        const double estimate = std::ceil(firstByte / (2.0 * visitSamples_));
        int64_t end = static_cast<int64_t>(std::clamp(estimate, static_cast<double>(visit + 1),
                                                      static_cast<double>(visits_)));
        while (end > visit + 1 && ColumnOfVisit(end - 1) > column) --end;
        while (end < visits_ && ColumnOfVisit(end) <= column) ++end;
        return end;
    }

    const int16_t* samples_;
    int64_t visits_;
    int64_t visitSamples_;
    ColumnMap map_;
    LaneMask mask_;
};

void ScanBlock(int32_t channels, const int16_t* samples, int64_t frames, int64_t strideFrames, const ColumnMap& map,
               const ExtremeRows& rows) {
    if (channels == 2) {
        BlockScan<2>(samples, frames, strideFrames, map).Into(rows);
    } else {
        BlockScan<1>(samples, frames, strideFrames, map).Into(rows);
    }
}

// Frames between two visits when `spanBytes` fall on `slots` columns or entries. The step is
// computed in bytes (a multiple of the frame size) but advances the scan by that many frames, so a
// slot of k ≥ 500 frames is visited every 2 × channels × floor(k/500) frames: a few hundred visits
// per slot for a wide view, every frame for a narrow one.
int64_t StrideFrames(int64_t spanBytes, int64_t slots, int64_t frameBytes) {
    if (slots < 1) return 1;
    const int64_t step = (spanBytes / slots) / (frameBytes * kFramesReadWhole) * frameBytes;
    return std::max<int64_t>(step, 1);
}

// Zero-filled sample buffer of `bytes`, or null when memory runs out.
std::unique_ptr<int16_t[]> AllocateSamples(int64_t bytes) {
    return std::unique_ptr<int16_t[]>(new (std::nothrow) int16_t[static_cast<size_t>(bytes + 1) / 2]());
}

// One second of sound, at most `limit` bytes: the block every read of the working file uses.
int64_t OneSecondBytes(int32_t frequency, int64_t frameBytes, int64_t limit) {
    return std::min<int64_t>(int64_t{std::max(frequency, 1)} * frameBytes, limit);
}

// How a byte range of a working file, from the file's current position, is reduced to extremes.
struct FileScan {
    int32_t channels = 1;
    int64_t totalBytes = 0;  // bytes to read
    int64_t blockBytes = 0;  // bytes per read; the visit pattern restarts with every block
    int64_t strideFrames = 1;
    double scale = 0;  // slots per byte
    double bias = 0;   // added before truncating to a slot

    // Reads the range block by block into one buffer and scans each block into rows;
    // afterBlock(bytesDone) runs after each. False only when the buffer cannot be allocated.
    bool Run(WaveFile& file, const ExtremeRows& rows, const std::function<void(int64_t)>& afterBlock) const {
        std::unique_ptr<int16_t[]> buffer = AllocateSamples(blockBytes);
        if (!buffer) return false;
        const int64_t frameBytes = 2 * channels;
        for (int64_t done = 0; done < totalBytes;) {
            const int32_t got = file.Read(buffer.get(), static_cast<uint32_t>(std::min(blockBytes, totalBytes - done)));
            if (got <= 0) break;
            ScanBlock(channels, buffer.get(), got / frameBytes, strideFrames, ColumnMap{done, scale, bias}, rows);
            done += got;
            if (afterBlock) afterBlock(done);
        }
        return true;
    }
};

ExtremeRows PeakRows(PeakColumns& columns) {
    return {{columns.minPeak[0].data(), columns.minPeak[1].data()}, {columns.maxPeak[0].data(), columns.maxPeak[1].data()}};
}

ExtremeRows OverviewRows(Overview& overview) {
    return {{overview.min[0].data(), overview.min[1].data()}, {overview.max[0].data(), overview.max[1].data()}};
}

// Truncation toward zero that saturates instead of overflowing: far extrapolation of the curve
// can leave the 32-bit range.
int32_t TruncSaturated(double v) {
    if (std::isnan(v)) return 0;
    constexpr double lo = std::numeric_limits<int32_t>::min();
    constexpr double hi = std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(std::clamp(v, lo, hi));
}

// The points a curve passes through: one per non-empty column, x ascending.
struct CurvePoints {
    std::vector<double> x;
    std::vector<double> y;

    // The parabola through points k, k+1, k+2 at c (Lagrange form).
    double Parabola(size_t k, double c) const {
        const double x0 = x[k], x1 = x[k + 1], x2 = x[k + 2];
        return y[k] * (c - x1) * (c - x2) / ((x0 - x1) * (x0 - x2)) +
               y[k + 1] * (c - x0) * (c - x2) / ((x1 - x0) * (x1 - x2)) +
               y[k + 2] * (c - x0) * (c - x1) / ((x2 - x0) * (x2 - x1));
    }
};

// The extreme that dominates a column (the larger magnitude, the maximum on a tie) is the point
// the curve goes through, so that a column's peak stays visible on the curve.
void CollectPoints(const PeakColumns& columns, int ch, int32_t width, CurvePoints& points) {
    points.x.clear();
    points.y.clear();
    for (int32_t c = 0; c <= width; ++c) {
        const int32_t lo = columns.minPeak[ch][c];
        const int32_t hi = columns.maxPeak[ch][c];
        const bool hasLo = lo != kEmptyColumn;
        const bool hasHi = hi != kEmptyColumn;
        if (!hasLo && !hasHi) continue;
        int32_t y = hasHi ? hi : lo;
        if (hasLo && hasHi && std::abs(lo) > std::abs(hi)) y = lo;
        points.x.push_back(c);
        points.y.push_back(y);
    }
}

void DrawParabolas(const CurvePoints& points, size_t last, PeakColumns::Row& row) {
    for (size_t k = 1; k < last; ++k) {
        for (auto c = static_cast<int32_t>(points.x[k - 1]); c <= static_cast<int32_t>(points.x[k]); ++c) {
            row[c] = static_cast<int32_t>(std::clamp(points.Parabola(k - 1, c), -32768.0, 32768.0));
        }
    }
}

void DrawSpline(const CurvePoints& points, size_t last, PeakColumns::Row& row) {
    // The last point is left to the tail parabola.
    CubicSpline spline;
    spline.Init(points.y.data(), points.x.data(), static_cast<int32_t>(last));
    for (int32_t c = 0; c <= points.x[last - 1]; ++c) row[c] = TruncSaturated(spline.Evaluate(c));
    spline.Release();
}

// Columns from the second-to-last point to the right edge follow the last three points.
void DrawTail(const CurvePoints& points, size_t last, int32_t width, PeakColumns::Row& row) {
    for (auto c = static_cast<int32_t>(points.x[last - 1]); c <= width; ++c) {
        row[c] = TruncSaturated(points.Parabola(last - 2, c));
    }
}

// Detail mode of a recorded block of x bytes per pixel per channel.
int16_t BlockDetailMode(double x, int32_t frequency) {
    double limit = 24;
    if (frequency < 8000) limit = 12;
    if (frequency > 23000) limit = 60;
    if (x > 0.3 && x <= limit) return 1;
    if (x > 0.1 && x <= 0.3) return 2;
    if (x > 0.02 && x <= 0.1) return 3;
    if (x > 0 && x <= 0.02) return 4;
    return 0;
}

}  // namespace

PeakColumns::PeakColumns() {
    ClearPeaks();
    ClearCurve();
}

void PeakColumns::ClearPeaks() {
    for (int ch = 0; ch < 2; ++ch) {
        minPeak[ch].fill(kEmptyColumn);
        maxPeak[ch].fill(kEmptyColumn);
    }
}

void PeakColumns::ClearCurve() {
    for (Row& row : curvePoint) row.fill(0);
}

void Overview::Free() {
    ready = false;
    length = 0;
    for (int ch = 0; ch < 2; ++ch) {
        min[ch] = std::vector<int32_t>();
        max[ch] = std::vector<int32_t>();
    }
}

bool DisplayData::ComputePeaks(const PeakSource& source, int32_t start, int32_t end, int32_t areaWidth) {
    WaveFile file;
    if (!file.Open(source.filePath, WaveMode::Read)) return false;
    if (!file.Seek(static_cast<uint32_t>(source.startView))) {
        file.Close();
        return false;
    }
    columns_.ClearPeaks();
    columns_.ClearCurve();

    const int32_t width = ClampWidth(areaWidth);
    const int32_t channels = ClampChannels(source.channels);
    const int64_t frameBytes = 2 * channels;
    // The view includes the frame at endView; a reversed view shows nothing.
    const int64_t spanBytes = int64_t{source.endView} - source.startView;
    const int64_t totalBytes = spanBytes > 0 ? spanBytes + frameBytes : 0;
    if (totalBytes < 1) {
        file.Close();
        return true;
    }

    const FileScan scan{channels,
                        totalBytes,
                        OneSecondBytes(source.frequency, frameBytes, totalBytes),
                        StrideFrames(int64_t{end} - start + frameBytes, width, frameBytes),
                        static_cast<double>(width) / static_cast<double>(spanBytes),
                        0.5};
    const bool scanned = scan.Run(file, PeakRows(columns_), nullptr);
    file.Close();
    return scanned;
}

bool DisplayData::ComputePeaksFromOverview(int32_t s, int32_t e, int32_t areaWidth, int32_t channels) {
    if (int64_t{e} - s < 1) return true;
    const double scale = static_cast<double>(ClampWidth(areaWidth)) / static_cast<double>(int64_t{e} - s);
    columns_.ClearPeaks();
    const int64_t first = std::max(s, 0);
    for (int ch = 0; ch < ClampChannels(channels); ++ch) {
        const std::vector<int32_t>& mins = overview_.min[ch];
        const std::vector<int32_t>& maxs = overview_.max[ch];
        const int64_t last = std::min<int64_t>({e, overview_.length, static_cast<int64_t>(mins.size()),
                                                static_cast<int64_t>(maxs.size())});
        for (int64_t i = first; i < last; ++i) {
            const auto c = static_cast<int32_t>(static_cast<double>(i - s) * scale);
            Widen(columns_.minPeak[ch][c], columns_.maxPeak[ch][c], mins[i], maxs[i]);
        }
    }
    return true;
}

int16_t DisplayData::ComputePeaksFromBlock(const int16_t* samples, int32_t count, int32_t areaWidth,
                                           int32_t channels, int32_t frequency) {
    const int32_t width = ClampWidth(areaWidth);
    channels = ClampChannels(channels);
    const int16_t mode = BlockDetailMode(2.0 * count / width / channels, frequency);
    columns_.ClearPeaks();
    columns_.ClearCurve();

    const int32_t frames = samples ? std::max(count, 0) / channels : 0;
    const double scale = static_cast<double>(width) / frames;
    for (int32_t j = 0; j < frames; ++j) {
        const auto c = static_cast<int32_t>(j * scale);
        for (int ch = 0; ch < channels; ++ch) {
            const int32_t v = samples[j * channels + ch];
            Widen(columns_.minPeak[ch][c], columns_.maxPeak[ch][c], v, v);
        }
    }
    if (mode != 0) ComputeCurve(width, channels);
    return mode;
}

void DisplayData::ComputeCurve(int32_t areaWidth, int32_t channels) {
    const int32_t width = ClampWidth(areaWidth);
    CurvePoints points;
    points.x.reserve(kMaxColumns);
    points.y.reserve(kMaxColumns);
    for (int ch = 0; ch < ClampChannels(channels); ++ch) {
        CollectPoints(columns_, ch, width, points);
        // `last` is the index of the last point; fewer than three points draw nothing.
        if (points.x.size() < 3) continue;
        const size_t last = points.x.size() - 1;
        PeakColumns::Row& row = columns_.curvePoint[ch];
        if (interpolation_ == Interpolation::Parabola || last < 3) {
            DrawParabolas(points, last, row);
        } else if (interpolation_ == Interpolation::CubicSpline) {
            DrawSpline(points, last, row);
        }
        DrawTail(points, last, width, row);
    }
}

bool DisplayData::BuildOverview(const std::string& filePath, int32_t totalBytes, int32_t frequency, int32_t channels,
                                int32_t areaWidth, const std::function<void(int16_t percent)>& progress) {
    const int32_t length = OverviewLengthFor(totalBytes, areaWidth);
    if (length == 0) {
        overview_.Free();
        return true;
    }
    channels = ClampChannels(channels);
    if (AllocateOverview(length, channels) && FillOverview(filePath, totalBytes, frequency, channels, progress)) {
        return true;
    }
    overview_.Free();
    return false;
}

int32_t DisplayData::OverviewLengthFor(int32_t totalBytes, int32_t areaWidth) const {
    const double units = std::ceil(totalBytes / 2.0 / static_cast<double>(kOverviewUnitSamples));
    const int64_t wanted = static_cast<int64_t>(units) * ClampWidth(areaWidth);
    if (units < 2 || wanted < 1) return 0;
    // A longer overview from an earlier build stays: shrinking it would cost a reallocation
    // for no gain in the picture.
    if (overview_.ready && overview_.length > wanted) return overview_.length;
    return static_cast<int32_t>(wanted);
}

bool DisplayData::StartDecodingOverview(int64_t expectedBytes, int32_t channels, int32_t areaWidth) {
    const int64_t units = (expectedBytes / 2 + kOverviewUnitSamples - 1) / kOverviewUnitSamples;
    const int32_t width = std::clamp(areaWidth, 0, kMaxColumns - 1);
    channels = ClampChannels(channels);
    if (units <= 1 || width < 1 || units * width > std::numeric_limits<int32_t>::max()) {
        overview_.Free();
        return false;
    }
    const int32_t length = static_cast<int32_t>(units * width);
    if (!AllocateOverview(length, channels)) {
        overview_.Free();
        return false;
    }
    decodeStride_ = std::max<int64_t>((expectedBytes + 2 * channels) / length / 400, 1);
    decodeScale_ = static_cast<double>(length) / static_cast<double>(expectedBytes);
    decodeChannels_ = channels;
    return true;
}

void DisplayData::AddDecodedBlock(const int16_t* samples, int32_t count, int64_t bytesBefore) {
    if (!overview_.ready) return;
    const int64_t step = decodeStride_ * decodeChannels_;
    const int32_t last = overview_.length - 1;
    for (int64_t i = 0; i < count - 1; i += step) {
        const int32_t j = static_cast<int32_t>(std::min<double>((bytesBefore + 2 * i) * decodeScale_, last));
        for (int ch = 0; ch < decodeChannels_; ++ch) {
            const int32_t v = samples[i + ch];
            int32_t& low = overview_.min[ch][j];
            int32_t& high = overview_.max[ch][j];
            if (low == kEmptyColumn || v < low) low = v;
            if (high == kEmptyColumn || v > high) high = v;
        }
    }
}

bool DisplayData::AllocateOverview(int32_t length, int32_t channels) {
    try {
        // Arrays of the right size are refilled in place; a channel the sound no longer has
        // gives its memory back.
        for (int ch = 0; ch < 2; ++ch) {
            if (ch < channels) {
                overview_.min[ch].assign(static_cast<size_t>(length), kEmptyColumn);
                overview_.max[ch].assign(static_cast<size_t>(length), kEmptyColumn);
            } else {
                overview_.min[ch] = std::vector<int32_t>();
                overview_.max[ch] = std::vector<int32_t>();
            }
        }
    } catch (const std::bad_alloc&) {
        return false;
    }
    overview_.length = length;
    overview_.ready = true;
    return true;
}

bool DisplayData::FillOverview(const std::string& filePath, int32_t totalBytes, int32_t frequency, int32_t channels,
                               const std::function<void(int16_t percent)>& progress) {
    WaveFile file;
    if (!file.Open(filePath, WaveMode::Read)) return false;
    const int64_t frameBytes = 2 * channels;
    const int64_t total = totalBytes;
    // Reading stops at totalBytes, so every entry index stays below the overview's length.
    const FileScan scan{channels,
                        total,
                        OneSecondBytes(frequency, frameBytes, total),
                        StrideFrames(total + frameBytes, overview_.length, frameBytes),
                        static_cast<double>(overview_.length) / static_cast<double>(total),
                        0.0};
    const bool scanned = scan.Run(file, OverviewRows(overview_), [&](int64_t done) {
        const double share = std::min(static_cast<double>(done) / static_cast<double>(total), 1.0);
        if (progress) progress(static_cast<int16_t>(share * 100));
    });
    file.Close();
    return scanned;
}

}  // namespace vesk
