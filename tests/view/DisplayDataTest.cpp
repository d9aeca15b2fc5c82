// DisplayData read from working files: column extremes, the step rule that skips frames of wide
// views, empty and unreadable views, the live block of a recording, and the document overview
// (its allocation rules, progress and reading it back into columns).
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <vector>

#include "document/WaveFile.h"
#include "support/TempDirGuard.h"
#include "view/DisplayData.h"

namespace vesk {
namespace {

constexpr int32_t kRate = 8000;  // one-second blocks of 8000 frames

class DisplayDataTest : public testing::Test {
protected:
    std::string Write(const std::vector<int16_t>& samples, uint16_t channels) {
        const std::string path = dir_.File("work.wav");
        WaveFile file;
        EXPECT_TRUE(file.Create(path, kRate, channels));
        EXPECT_TRUE(file.Write(samples.data(), static_cast<uint32_t>(samples.size() * 2)));
        EXPECT_TRUE(file.Close());
        return path;
    }
    // Peaks of the frames [0, frames) on `width` columns.
    bool Peaks(const std::string& path, int32_t frames, int32_t width, int32_t channels = 1) {
        const int32_t endView = (frames - 1) * 2 * channels;
        return data_->ComputePeaks({path, 0, endView, kRate, channels}, 0, endView, width);
    }
    const PeakColumns& Columns() const { return data_->Columns(); }
    void ExpectChannelEmpty(int ch) const {
        for (int32_t c = 0; c < kMaxColumns; ++c) ASSERT_TRUE(Columns().ColumnEmpty(ch, c)) << c;
    }

    test::ScratchDir dir_;
    std::unique_ptr<DisplayData> data_ = std::make_unique<DisplayData>();
};

TEST_F(DisplayDataTest, ColumnWithOneSampleHasEqualExtremesAndMonoLeavesChannelOne) {
    // 5 frames on 100 columns: frame f lands in column 25 f.
    ASSERT_TRUE(Peaks(Write({100, -200, 300, -400, 500}, 1), 5, 100));
    const int16_t expected[] = {100, -200, 300, -400, 500};
    for (int f = 0; f < 5; ++f) {
        EXPECT_EQ(Columns().minPeak[0][25 * f], expected[f]);
        EXPECT_EQ(Columns().maxPeak[0][25 * f], expected[f]);
    }
    EXPECT_TRUE(Columns().ColumnEmpty(0, 1));
    EXPECT_TRUE(Columns().ColumnEmpty(0, 101));
    ExpectChannelEmpty(1);
}

TEST_F(DisplayDataTest, SilenceIsZeroInVisitedColumnsAndEmptyElsewhere) {
    ASSERT_TRUE(Peaks(Write(std::vector<int16_t>(10, 0), 1), 10, 100));
    int visited = 0;
    for (int32_t c = 0; c < kMaxColumns; ++c) {
        if (Columns().ColumnEmpty(0, c)) continue;
        ++visited;
        EXPECT_EQ(Columns().minPeak[0][c], 0);
        EXPECT_EQ(Columns().maxPeak[0][c], 0);
    }
    EXPECT_EQ(visited, 10);
    EXPECT_EQ(Columns().maxPeak[0][1], kEmptyColumn);
}

TEST_F(DisplayDataTest, WideViewsExamineOnlyEveryStrideFrame) {
    // 10,000 frames on 10 columns (k = 1000): mono visits every 4th frame, stereo every 8th.
    // The skipped frames hold full-scale values that must not show.
    for (const auto& [channels, stride] : {std::pair{1, 4}, std::pair{2, 8}}) {
        std::vector<int16_t> samples;
        for (int f = 0; f < 10000; ++f) {
            const auto v = static_cast<int16_t>(f % stride == 0 ? f / stride % 1000 - 500 : (f % 2 ? 32767 : -32768));
            for (int ch = 0; ch < channels; ++ch) samples.push_back(static_cast<int16_t>(ch ? -v : v));
        }
        ASSERT_TRUE(Peaks(Write(samples, static_cast<uint16_t>(channels)), 10000, 10, channels));
        for (int ch = 0; ch < channels; ++ch) {
            for (int32_t c = 0; c <= 10; ++c) {
                ASSERT_FALSE(Columns().ColumnEmpty(ch, c));
                EXPECT_GE(Columns().minPeak[ch][c], -500) << channels << " " << ch << " " << c;
                EXPECT_LE(Columns().maxPeak[ch][c], 500) << channels << " " << ch << " " << c;
            }
        }
        EXPECT_EQ(Columns().minPeak[0][0], -500);
        if (channels == 2) {
            EXPECT_EQ(Columns().maxPeak[1][0], 500);
        }
    }
}

TEST_F(DisplayDataTest, NarrowerViewsExamineEveryFrame) {
    // 4,990 frames on 10 columns (k = 499): single extremes at odd frames are found.
    std::vector<int16_t> samples(4990, 0);
    samples[4001] = 30000;  // byte 8002 → column trunc(8002 · 10 / 9978 + 0.5) = 8
    samples[2999] = -30000; // byte 5998 → column 6
    ASSERT_TRUE(Peaks(Write(samples, 1), 4990, 10));
    EXPECT_EQ(Columns().maxPeak[0][8], 30000);
    EXPECT_EQ(Columns().minPeak[0][6], -30000);
    EXPECT_EQ(Columns().maxPeak[0][7], 0);
}

// Any view against the reading rule applied one visited frame at a time, on noise, for views
// whose blocks do and do not end on the stride.
TEST_F(DisplayDataTest, MatchesVisitByVisitReading) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> sample(-32768, 32767);
    std::vector<int16_t> samples(2 * 60000);
    for (int16_t& v : samples) v = static_cast<int16_t>(sample(random));
    struct View { int32_t channels, startFrame, frames, width; };
    // Strides of 34, 1, 2, 4 and 8 mono frames, 32, 1 and 4 stereo frames.
    for (const View& view : {View{1, 0, 60000, 7}, View{1, 123, 41234, 977}, View{1, 3, 7001, 10},
                             View{1, 0, 12000, 10}, View{1, 1, 22000, 10}, View{1, 17, 20, 2999},
                             View{2, 5, 55555, 13}, View{2, 1000, 3000, 2999}, View{2, 7, 7000, 10},
                             View{2, 0, 59999, 0}}) {
        const std::string path = Write(samples, static_cast<uint16_t>(view.channels));
        const int32_t frameBytes = 2 * view.channels;
        const int32_t startView = view.startFrame * frameBytes;
        const int32_t endView = startView + (view.frames - 1) * frameBytes;
        ASSERT_TRUE(data_->ComputePeaks({path, startView, endView, kRate, view.channels}, startView, endView,
                                        view.width));
        PeakColumns expected;
        const int64_t span = endView - startView, total = span + frameBytes;
        const double scale = static_cast<double>(view.width) / span;
        const int64_t step = view.width ? std::max<int64_t>(1, (total / view.width) / (frameBytes * 500) * frameBytes) : 1;
        const int64_t blockSamples = kRate * view.channels;
        for (int64_t block = 0; block * blockSamples * 2 < total; ++block) {
            const int64_t w = std::min(blockSamples, total / 2 - block * blockSamples);
            for (int64_t i = 0; i < w - view.channels + 1; i += view.channels * step) {
                const int64_t bytes = block * blockSamples * 2 + 2 * i;
                const auto c = static_cast<int32_t>(bytes * scale + 0.5);
                for (int ch = 0; ch < view.channels; ++ch) {
                    const int32_t v = samples[startView / 2 + block * blockSamples + i + ch];
                    int32_t& hi = expected.maxPeak[ch][c];
                    int32_t& lo = expected.minPeak[ch][c];
                    if (v > hi || hi == kEmptyColumn) hi = v;
                    if (v < lo || lo == kEmptyColumn) lo = v;
                }
            }
        }
        EXPECT_EQ(Columns().minPeak, expected.minPeak) << view.frames << " on " << view.width;
        EXPECT_EQ(Columns().maxPeak, expected.maxPeak) << view.frames << " on " << view.width;
    }
}

TEST_F(DisplayDataTest, EmptyViewReadsNothingAndClearsTheCurve) {
    const std::string path = Write({1, 2, 3, 4}, 1);
    data_->Columns().curvePoint[0][3] = 7;
    ASSERT_TRUE(data_->ComputePeaks({path, 4, 4, kRate, 1}, 4, 4, 100));
    ExpectChannelEmpty(0);
    EXPECT_EQ(Columns().curvePoint[0][3], 0);
}

TEST_F(DisplayDataTest, UnreadableFileFailsAndKeepsThePicture) {
    data_->Columns().maxPeak[0][5] = 42;
    EXPECT_FALSE(data_->ComputePeaks({dir_.File("missing.wav"), 0, 100, kRate, 1}, 0, 100, 100));
    EXPECT_EQ(Columns().maxPeak[0][5], 42);
}

TEST_F(DisplayDataTest, BlockDetailModeThresholds) {
    // x = 2 · count / 100 / 1: mode 1 up to the threshold inclusive (24, 12 below 8 kHz, 60 above
    // 23 kHz), then 2 up to 0.3, 3 up to 0.1, 4 up to 0.02.
    struct Case { int32_t count, frequency; int16_t mode; };
    const Case cases[] = {{1200, 22050, 1}, {1201, 22050, 0}, {600, 7999, 1}, {601, 7999, 0}, {1200, 8000, 1},
                          {3000, 23001, 1}, {3001, 23001, 0}, {1201, 23000, 0}, {16, 22050, 1}, {15, 22050, 2},
                          {6, 22050, 2}, {5, 22050, 3}, {2, 22050, 3}, {1, 22050, 4}, {0, 22050, 0}};
    const std::vector<int16_t> samples(3001, 0);
    for (const Case& c : cases) {
        EXPECT_EQ(data_->ComputePeaksFromBlock(samples.data(), c.count, 100, 1, c.frequency), c.mode)
            << c.count << " at " << c.frequency;
    }
}

TEST_F(DisplayDataTest, BlockSpansTheWidthAndDrawsTheCurveInDetailModes) {
    // 4 stereo frames on 8 columns land in columns 0, 2, 4, 6; x = 1 gives mode 1.
    const int16_t block[] = {10, -10, 20, -20, 30, -30, 40, -40};
    ASSERT_EQ(data_->ComputePeaksFromBlock(block, 8, 8, 2, 44100), 1);
    for (int f = 0; f < 4; ++f) {
        EXPECT_EQ(Columns().maxPeak[0][2 * f], 10 * (f + 1));
        EXPECT_EQ(Columns().minPeak[1][2 * f], -10 * (f + 1));
        EXPECT_TRUE(Columns().ColumnEmpty(0, 2 * f + 1));
    }
    EXPECT_EQ(Columns().curvePoint[0][2], 20);
    EXPECT_EQ(Columns().curvePoint[1][3], -25);

    const std::vector<int16_t> wide(8000, 5);
    ASSERT_EQ(data_->ComputePeaksFromBlock(wide.data(), 8000, 8, 2, 44100), 0);
    EXPECT_EQ(Columns().curvePoint[0][2], 0);
}

// Two overview units: 3,000,001 mono frames (6,000,002 bytes) on 100 columns give 200 entries.
// Each frame holds a value that names its entry, so every entry reads back as one value.
class OverviewTest : public DisplayDataTest {
protected:
    static constexpr int32_t kFrames = 3000001;

    static int16_t EntryValue(int64_t entry) { return static_cast<int16_t>(entry * 100 - 10000); }

    std::string WriteLong(uint16_t channels) {
        const int64_t frames = (kFrames + channels - 1) / channels;
        const int64_t bytes = frames * 2 * channels;
        std::vector<int16_t> samples;
        samples.reserve(kFrames);
        for (int64_t f = 0; f < frames; ++f) {
            const int16_t v = EntryValue(f * 2 * channels * 200 / bytes);
            for (int ch = 0; ch < channels; ++ch) samples.push_back(static_cast<int16_t>(ch ? -v : v));
        }
        totalBytes_ = static_cast<int32_t>(bytes);
        return Write(samples, channels);
    }
    bool Build(const std::string& path, int32_t width, int32_t channels = 1) {
        return data_->BuildOverview(path, totalBytes_, kRate, channels, width,
                                    [this](int16_t percent) { progress_.push_back(percent); });
    }

    int32_t totalBytes_ = 0;
    std::vector<int16_t> progress_;
};

TEST_F(OverviewTest, TwoUnitsBuildAnOverviewWithProgressPerBlock) {
    ASSERT_TRUE(Build(WriteLong(1), 100));
    const Overview& overview = data_->Document();
    ASSERT_TRUE(overview.ready);
    ASSERT_EQ(overview.length, 200);
    for (int32_t j = 0; j < 200; ++j) {
        EXPECT_EQ(overview.min[0][j], EntryValue(j)) << j;
        EXPECT_EQ(overview.max[0][j], EntryValue(j)) << j;
    }
    EXPECT_TRUE(overview.min[1].empty());
    // One event per one-second block of 16,000 bytes.
    ASSERT_EQ(progress_.size(), 376u);
    EXPECT_EQ(progress_.front(), 0);
    EXPECT_EQ(progress_[187], 50);
    EXPECT_EQ(progress_.back(), 100);
}

TEST_F(OverviewTest, PeaksFromOverviewMapEntriesOntoColumns) {
    ASSERT_TRUE(Build(WriteLong(1), 100));
    data_->Columns().curvePoint[0][3] = 9;
    ASSERT_TRUE(data_->ComputePeaksFromOverview(0, 200, 100, 1));
    for (int32_t c = 0; c < 100; ++c) {
        EXPECT_EQ(Columns().minPeak[0][c], EntryValue(2 * c));
        EXPECT_EQ(Columns().maxPeak[0][c], EntryValue(2 * c + 1));
    }
    EXPECT_TRUE(Columns().ColumnEmpty(0, 100));
    EXPECT_EQ(Columns().curvePoint[0][3], 9);

    // 40 entries on 100 columns: entry i → column trunc((i − 150) · 2.5).
    ASSERT_TRUE(data_->ComputePeaksFromOverview(150, 190, 100, 1));
    EXPECT_EQ(Columns().maxPeak[0][2], EntryValue(151));
    EXPECT_TRUE(Columns().ColumnEmpty(0, 1));
    ASSERT_TRUE(data_->ComputePeaksFromOverview(5, 5, 100, 1));
    EXPECT_EQ(Columns().maxPeak[0][2], EntryValue(151));
}

TEST_F(OverviewTest, StereoOverviewKeepsTheChannelsApart) {
    ASSERT_TRUE(Build(WriteLong(2), 100, 2));
    const Overview& overview = data_->Document();
    ASSERT_EQ(overview.length, 200);
    for (int32_t j = 0; j < 200; ++j) {
        EXPECT_EQ(overview.max[0][j], EntryValue(j)) << j;
        EXPECT_EQ(overview.min[1][j], -EntryValue(j)) << j;
    }
}

TEST_F(OverviewTest, LengthIsKeptWhenLongerAndGrownOtherwiseAndFreedWhenShort) {
    const std::string path = WriteLong(1);
    ASSERT_TRUE(Build(path, 100));
    ASSERT_TRUE(Build(path, 50));
    EXPECT_EQ(data_->Document().length, 200);
    ASSERT_TRUE(Build(path, 150));
    EXPECT_EQ(data_->Document().length, 300);
    EXPECT_EQ(data_->Document().max[0][299], EntryValue(199));

    // Exactly one unit (3,000,000 sample values) gets none, and a built one is freed.
    progress_.clear();
    totalBytes_ = 6000000;
    ASSERT_TRUE(Build(path, 100));
    EXPECT_FALSE(data_->Document().ready);
    EXPECT_EQ(data_->Document().length, 0);
    EXPECT_TRUE(progress_.empty());
}

TEST_F(OverviewTest, UnreadableFileLeavesNoOverview) {
    totalBytes_ = 12000000;
    EXPECT_FALSE(Build(dir_.File("missing.wav"), 100));
    EXPECT_FALSE(data_->Document().ready);
}

}  // namespace
}  // namespace vesk
