// The spectral view: levels per column and bin from a working file and from a captured block,
// the colours, and the pictures the lanes copy.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "document/WaveFile.h"
#include "support/TempDirGuard.h"
#include "view/SpectralView.h"

namespace vesk {
namespace {

constexpr int32_t kRate = 8000;
constexpr int32_t kWidth = 200;

class SpectralViewTest : public testing::Test {
protected:
    // A state whose working file holds `samples` and whose view is the whole of it.
    DocState Document(const std::vector<int16_t>& samples, int16_t channels) {
        DocState state;
        state.filePath = dir_.File("work.wav");
        WaveFile file;
        EXPECT_TRUE(file.Create(state.filePath, kRate, static_cast<uint16_t>(channels)));
        EXPECT_TRUE(file.Write(samples.data(), static_cast<uint32_t>(samples.size() * 2)));
        EXPECT_TRUE(file.Close());
        state.channels = channels;
        state.totalBytes = static_cast<int32_t>(samples.size() * 2);
        state.endView[0] = state.totalBytes;
        return state;
    }
    static std::vector<int16_t> Tone(int32_t frames, double hz, int channels = 1) {
        std::vector<int16_t> samples;
        for (int32_t i = 0; i < frames; ++i) {
            const auto v = static_cast<int16_t>(std::lround(10000 * std::sin(2 * std::numbers::pi * hz * i / kRate)));
            for (int ch = 0; ch < channels; ++ch) samples.push_back(ch == 0 ? v : 0);
        }
        return samples;
    }
    static int LoudestBin(const SpectralView& view, int channel, int32_t column) {
        int best = 0;
        for (int k = 1; k < SpectrumAnalyzer::kBins; ++k) {
            if (view.Level(channel, column, k) > view.Level(channel, column, best)) best = k;
        }
        return best;
    }

    test::ScratchDir dir_;
    std::unique_ptr<SpectralView> view_ = std::make_unique<SpectralView>();
};

TEST_F(SpectralViewTest, AToneIsLoudestInItsOwnBinInEveryColumn) {
    // Both widths: a narrow view is analysed on one thread, a wide one in two halves.
    for (const int32_t width : {kWidth, 1000}) {
        const DocState state = Document(Tone(kRate, kRate / 4.0, 2), 2);
        ASSERT_TRUE(view_->ComputeFromFile(state, 2, width));
        for (int32_t c = 0; c < width; ++c) {
            ASSERT_EQ(LoudestBin(*view_, 0, c), 16) << c;
            ASSERT_EQ(view_->Level(1, c, 16), -20) << c;  // the right channel is silent
        }
        // The same from a captured block.
        auto block = std::make_unique<SpectralView>();
        const std::vector<int16_t> samples = Tone(4000, kRate / 8.0);
        block->ComputeFromBlock(samples, 1, width);
        for (int32_t c = 0; c < width; ++c) ASSERT_EQ(LoudestBin(*block, 0, c), 8) << c;
    }
}

// Before a host gives the control a window the view has no width (or a negative one): nothing
// is analysed and nothing fails.
TEST_F(SpectralViewTest, AViewWithoutWidthAnalysesNothing) {
    const DocState state = Document(Tone(kRate, kRate / 4.0), 1);
    for (const int32_t width : {0, -4}) {
        EXPECT_TRUE(view_->ComputeFromFile(state, 1, width));
        view_->ComputeFromBlock(Tone(400, 100), 1, width);
        view_->Prepare(width, {64, 0}, 1, true, {false, false});
    }
    EXPECT_EQ(view_->Level(0, 0, 16), 0);  // as made: never analysed
}

TEST_F(SpectralViewTest, SilenceDrawsTheQuietestColourOfEachPicture) {
    const DocState state = Document(std::vector<int16_t>(2 * kRate), 2);
    ASSERT_TRUE(view_->ComputeFromFile(state, 2, kWidth));
    // A selection is shown and the second channel is not operated: those pictures are drawn.
    view_->Prepare(kWidth, {64, 64}, 2, true, {false, true});
    const SpectrumColors colors;
    Bitmap lane(kWidth, 64);
    Canvas canvas(lane);
    view_->DrawLane(canvas, 0, 0, kWidth, 64, 0, false, 50, 100);
    EXPECT_EQ(lane.Pixel(10, 10), PixelFromOleColor(colors.Normal()[0]));
    EXPECT_EQ(lane.Pixel(60, 10), PixelFromOleColor(colors.Selected()[0]));
    view_->DrawLane(canvas, 0, 0, kWidth, 64, 1, true, 50, 100);
    EXPECT_EQ(lane.Pixel(60, 63), PixelFromOleColor(colors.NotOperated()[0]));
    EXPECT_NE(colors.Normal()[0], colors.Selected()[0]);
}

TEST_F(SpectralViewTest, LowFrequenciesAreAtTheBottomOfTheLane) {
    const DocState state = Document(Tone(kRate, 250), 1);  // bin 2 of 32
    ASSERT_TRUE(view_->ComputeFromFile(state, 1, kWidth));
    view_->Prepare(kWidth, {64, 0}, 1, false, {false, false});
    Bitmap lane(kWidth, 64);
    Canvas canvas(lane);
    view_->DrawLane(canvas, 0, 0, kWidth, 64, 0, false, 0, 0);
    // Bin k covers rows 2k and 2k+1 from the bottom: bin 2 is loud, bin 30 quiet.
    EXPECT_NE(lane.Pixel(100, 63 - 4), lane.Pixel(100, 63 - 60));
    const SpectrumColors colors;
    EXPECT_NE(lane.Pixel(100, 63 - 4), PixelFromOleColor(colors.Normal()[0]));
    // A selection that appears later gets its picture drawn then, from the same spectra.
    view_->Prepare(kWidth, {64, 0}, 1, true, {false, false});
    view_->DrawLane(canvas, 0, 0, kWidth, 64, 0, false, 50, 150);
    EXPECT_EQ(lane.Pixel(100, 63 - 60), PixelFromOleColor(colors.Selected()[0]));
    EXPECT_NE(lane.Pixel(100, 63 - 4), PixelFromOleColor(colors.Selected()[0]));
}

// Levels come from a table of thresholds instead of a logarithm per bin; they must be what the
// logarithm gives, across the table's edges and below 0 dB.
TEST(SpectrumAnalyzerTest, LevelsAreDecibelsTruncatedTowardsZero) {
    const auto byLogarithm = [](double power) { return static_cast<int32_t>(10 * std::log10(power)); };
    EXPECT_EQ(SpectrumAnalyzer::Level(0.0), -20);
    for (double power = 1e-40; power < 1e40; power *= 1.0007) {
        ASSERT_EQ(SpectrumAnalyzer::Level(power), byLogarithm(power)) << power;
    }
    // Around a power of ten the logarithm's own rounding may land on the whole level from either
    // side; the levels are those of the exact decibels, truncated.
    for (int decade = -29; decade <= 22; ++decade) {  // 10^23 lies halfway between two doubles
        const double power = std::pow(10.0, decade);
        EXPECT_EQ(SpectrumAnalyzer::Level(power), 10 * decade) << power;
        EXPECT_EQ(SpectrumAnalyzer::Level(std::nextafter(power, 0.0)), 10 * decade - (decade > 0 ? 1 : 0)) << power;
        EXPECT_EQ(SpectrumAnalyzer::Level(std::nextafter(power, 1e300)), 10 * decade + (decade < 0 ? 1 : 0)) << power;
    }
    EXPECT_EQ(SpectrumAnalyzer::Level(0.5), -3);  // −3.01 dB
    EXPECT_EQ(SpectrumAnalyzer::Level(2.0), 3);
}

TEST(SpectrumColorsTest, TheIntegerHlsConversion) {
    EXPECT_EQ(SpectrumColors::FromHls(0, 70, 0), 0x7F7F7Fu);   // grey: 70 × 255 / 140
    EXPECT_EQ(SpectrumColors::FromHls(0, 140, 140), 0xFFFFFFu);
    EXPECT_EQ(SpectrumColors::FromHls(0, 0, 140), 0x000000u);
    EXPECT_EQ(SpectrumColors::FromHls(0, 70, 140), 0x0000FFu);  // hue 0 at full saturation: red
    // A third round is green, with the red of the integer ramp's rounding: (140 + 11) / 23 = 6
    // steps of 140, i.e. 11 of 255.
    EXPECT_EQ(SpectrumColors::FromHls(46, 70, 140), 0x00FF0Bu);
}

}  // namespace
}  // namespace vesk
