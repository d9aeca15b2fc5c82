// Channel conversion and resampling of one block, and the whole conversion on a fake host.
#include <gtest/gtest.h>

#include "EditTestDocument.h"
#include "edit/FormatConversion.h"
#include "edit/SampleTypeConversion.h"

namespace vesk::test {
namespace {

using Samples = std::vector<int16_t>;

Samples Copy(std::span<const int16_t> samples) { return {samples.begin(), samples.end()}; }

Samples Resampled(std::span<const int16_t> in, int32_t fromHz, int32_t toHz) {
    Samples out{1, 2, 3};  // whatever was there before goes
    FormatConversion::Resample(in, fromHz, toHz, out);
    return out;
}

TEST(FormatConversionTest, StereoToMonoTruncatesTowardZero) {
    FormatConversion conversion;
    const Samples in{-3, -4, 3, 4, 1};
    EXPECT_EQ(Copy(conversion.ConvertChannels(in, 2, 1)), (Samples{-3, 3}));
    EXPECT_EQ(Copy(conversion.ConvertChannels(Samples{5, -6}, 1, 2)), (Samples{5, 5, -6, -6}));
    EXPECT_TRUE(conversion.ConvertChannels(in, 2, 3).empty());
    EXPECT_EQ(Copy(conversion.ConvertChannels(in, 2, 2)), in);
}

TEST(FormatConversionTest, FullSecondsGiveExactlyTheNewRate) {
    for (int32_t from : {8000, 11025, 22050, 44100, 48000}) {
        for (int32_t to : {8000, 11025, 22050, 44100, 48000}) {
            const Samples second(from, 100);
            EXPECT_EQ(Resampled(second, from, to).size(), static_cast<size_t>(to)) << from << " " << to;
        }
    }
    const Samples partial(1234, 0);
    EXPECT_EQ(Resampled(partial, 8000, 44100).size(), static_cast<size_t>(1234 * 44100 / 8000));
}

TEST(FormatConversionTest, InterpolatesAndEndsOnTheLastInputSample) {
    std::vector<int16_t> ramp(200);
    for (size_t i = 0; i < ramp.size(); ++i) ramp[i] = static_cast<int16_t>(i * 10);
    const Samples up = Resampled(ramp, 100, 200);
    ASSERT_EQ(up.size(), 400u);
    EXPECT_EQ(up[0], 0);
    EXPECT_EQ(up[3], 15);  // halfway between 10 and 20
    EXPECT_EQ(up[100], 500);
    EXPECT_EQ(up.back(), 1990);
    for (size_t j = 1; j < up.size(); ++j) EXPECT_GE(up[j], up[j - 1]) << j;  // no jump at the blend
}

TEST(FormatConversionTest, StereoChannelsAreResampledApart) {
    const Samples in{10, -10, 20, -20, 30, -30, 40, -40};
    FormatConversion conversion;
    conversion.ResampleBlock(Samples(16, 7), 2, 4, 2);  // a longer block before leaves nothing behind
    const Samples out = Copy(conversion.ResampleBlock(in, 2, 4, 2));
    ASSERT_EQ(out.size(), 4u);
    EXPECT_GT(out[0], 0);
    EXPECT_LT(out[1], 0);
    EXPECT_EQ(out[2], 40);
    EXPECT_EQ(out[3], -40);
}

class SampleTypeConversionTest : public testing::Test {
protected:
    EditTestDocument host;
    EffectProgress progress;
    SampleTypeConversion conversion{host.document, progress};
};

TEST_F(SampleTypeConversionTest, SameFormatDoesNothing) {
    host.Fill(Ramp(10));
    conversion.Convert(44100, 2);
    EXPECT_EQ(host.History().Count(), 1);
    EXPECT_TRUE(host.log.empty());
}

TEST_F(SampleTypeConversionTest, StereoToMonoAveragesAndScalesMarkersByRate) {
    host.Fill({-3, -4, 3, 4});
    host.History().Current()->markers.InsertSorted(MarkerRecord{1, 1});
    conversion.Convert(44100, 1);
    EXPECT_EQ(host.Samples(), (std::vector<int16_t>{-3, 3}));
    EXPECT_EQ(host.document.Channels(), 1);
    EXPECT_EQ(host.History().Current()->channels, 1);
    EXPECT_EQ(host.History().Current()->markers.begin()->positionFrames, 1u);
    EXPECT_EQ(host.log.back(), "End");
    EXPECT_EQ(host.Count("View 0 4"), 1);
}

TEST_F(SampleTypeConversionTest, RateChangeScalesMarkers) {
    host.SetFormat(22050, 1);
    host.Fill(std::vector<int16_t>(22050 + 100));
    host.History().Current()->markers.InsertSorted(MarkerRecord{22050, 10});
    conversion.Convert(44100, 1);
    const DocState& s = *host.History().Current();
    EXPECT_EQ(s.totalBytes, 2 * (44100 + 200));
    EXPECT_EQ(s.frequency, 44100);
    EXPECT_EQ(s.markers.begin()->positionFrames, 44100u);
    EXPECT_EQ(s.markers.begin()->lengthFrames, 20u);
}

TEST_F(SampleTypeConversionTest, CancelDiscardsTheOutput) {
    host.SetFormat(8000, 1);
    host.Fill(std::vector<int16_t>(3 * 8000));
    host.onBlock = [&](int16_t) { host.Cancel(); };
    conversion.Convert(16000, 1);
    EXPECT_EQ(host.History().Count(), 1);
    EXPECT_EQ(host.FileCount(), 1u);
    EXPECT_EQ(host.Count("End"), 1);
    EXPECT_EQ(host.document.Frequency(), 8000);
}

}  // namespace
}  // namespace vesk::test
