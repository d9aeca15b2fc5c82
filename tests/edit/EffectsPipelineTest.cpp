// The effects pipeline with a recording transform: which arrays reach the component, cancels
// at the points a host can reach, arrays whose length changed, the routing of Trim and the
// shelf filters, and the progress mapping.
#include <gtest/gtest.h>

#include "EditTestDocument.h"
#include "RecordingTransform.h"
#include "edit/EffectTable.h"
#include "edit/EffectsPipeline.h"

namespace vesk::test {
namespace {

// Resizes the array to `factor` times its length, filling new elements with 7.
void Scale(SAFEARRAY** block, double factor) {
    const uint32_t n = SafeArrayCount(*block);
    SafeArrayPtr resized(SafeArrayCreateVector(VT_I2, 0, static_cast<uint32_t>(n * factor)));
    auto out = resized.shorts();
    auto in = SafeArraySpan<int16_t>(*block, VT_I2);
    for (size_t i = 0; i < out.size(); ++i) out[i] = i < in.size() ? in[i] : 7;
    SafeArrayDestroy(*block);
    *block = resized.Detach();
}

class EffectsPipelineTest : public testing::Test {
protected:
    void SetUp() override { host.document.Components().transform = transform.get(); }

    ComPtr<RecordingTransform> transform = MakeCom<RecordingTransform>();
    EditTestDocument host;
    EffectProgress progress;
    OperationFrame frame{host.document, progress};
    EffectsPipeline effects{host.document, frame, progress};
};

TEST_F(EffectsPipelineTest, OnlyTheRightFlagSendsOnlyTheRightArray) {
    host.Fill(Ramp(8));  // frames (1,2) (3,4) (5,6) (7,8)
    host.Select(0, 8);       // three frames, the one at E included
    host.document.ChannelFlags().SetOperated(0, 0);
    transform->process = [](SAFEARRAY** b) { SafeArraySpan<int16_t>(*b, VT_I2)[0] = -1; };
    effects.Run(EffectTable::Invert());
    EXPECT_EQ(transform->Applies(), (std::vector<std::string>{"ApplyInvert [3]"}));
    EXPECT_EQ(host.Samples(), (std::vector<int16_t>{1, -1, 3, 4, 5, 6, 7, 8}));
}

TEST_F(EffectsPipelineTest, NoSelectionOrNoFlagDoesNothing) {
    host.Fill(Ramp(8));
    host.Select(0, 8, false);
    effects.Run(EffectTable::Invert());
    host.Select(0, 8);
    host.document.ChannelFlags().SetOperated(false, false);
    effects.Run(EffectTable::Invert());
    EXPECT_TRUE(transform->calls.empty());
    EXPECT_TRUE(host.log.empty());
}

TEST_F(EffectsPipelineTest, CancelInTheLeftPassSkipsTheRightAndKeepsTheDocument) {
    host.Fill(Ramp(8));
    host.Select(0, 8);
    transform->during = [&] { host.Cancel(); };
    effects.Run(EffectTable::Amplify(2));
    EXPECT_EQ(transform->Applies().size(), 1u);
    EXPECT_EQ(host.History().Count(), 1);
    EXPECT_EQ(host.Count("End"), 1);
    EXPECT_EQ(host.FileCount(), 1u);
}

TEST_F(EffectsPipelineTest, SmoothingSwitchesSurroundTheCalls) {
    host.document.SetSmoothEnabled(1);
    host.Fill(Ramp(8));
    host.Select(0, 4);
    effects.Run(EffectTable::Reverse());
    EXPECT_EQ(transform->calls, (std::vector<std::string>{"SetSmoothStart 1", "SetSmoothEnd 1", "ApplyReverse [2]",
                                                          "ApplyReverse [2]", "SetSmoothStart 0", "SetSmoothEnd 0"}));
}

TEST_F(EffectsPipelineTest, StretchedArraysMoveTheRestAndCoverTheNewRange) {
    host.Fill(Ramp(20));  // ten frames
    host.Select(4, 8);        // frames 1 and 2
    transform->process = [](SAFEARRAY** b) { Scale(b, 2.0); };
    effects.Run(EffectTable::Stretch(200));
    const auto samples = host.Samples();
    ASSERT_EQ(samples.size(), 24u);
    EXPECT_EQ(samples[5], 6);    // the range as loaded
    EXPECT_EQ(samples[6], 7);    // new frames of the stretched range
    EXPECT_EQ(samples[9], 7);
    EXPECT_EQ(samples[12], 9);   // the rest moved by two frames
    const DocState& s = *host.History().Current();
    EXPECT_EQ(s.startSelect[0], 4);
    EXPECT_EQ(s.endSelect[0], 4 + 16 - 4);  // 4 frames written, the last one at E
    EXPECT_EQ(s.selected, 1);
}

TEST_F(EffectsPipelineTest, ShrunkArraysPullTheRestUp) {
    host.SetFormat(host.document.Frequency(), 1);
    host.Fill(Ramp(10));
    host.Select(4, 10);  // samples 2..5
    transform->process = [](SAFEARRAY** b) { Scale(b, 0.5); };
    effects.Run(EffectTable::DeleteSilence(-40, 1, 1, 1));
    EXPECT_EQ(host.Samples(), (std::vector<int16_t>{1, 2, 3, 4, 7, 8, 9, 10}));
}

TEST_F(EffectsPipelineTest, TrimRoutesByItsParameter) {
    host.Fill(Ramp(8));
    host.Select(0, 4);
    effects.Run(EffectTable::Trim(-30, 5, EffectTable::kTrimRight));
    EXPECT_EQ(transform->Applies(), (std::vector<std::string>{"ApplyTrimEnd -30 5 [4]"}));
    transform->calls.clear();
    effects.Run(EffectTable::Trim(-30, 5, EffectTable::kTrimBoth));
    EXPECT_EQ(transform->Applies(),
              (std::vector<std::string>{"ApplyTrimStart -30 5 [4]", "ApplyTrimEnd -30 5 [4]"}));
    transform->calls.clear();
    const int32_t count = host.History().Count();
    effects.Run(EffectTable::Trim(-30, 5, 7));
    EXPECT_TRUE(transform->Applies().empty());
    EXPECT_EQ(host.History().Count(), count + 1);  // rewritten unchanged
}

TEST_F(EffectsPipelineTest, ShelfFiltersHandTheGainFirst) {
    host.SetFormat(host.document.Frequency(), 1);
    host.Fill(Ramp(4));
    host.Select(0, 2);
    effects.Run(EffectTable::LowShelfFilter(1000, -6, 2));
    EXPECT_EQ(transform->Applies(), (std::vector<std::string>{"ApplyLowShelfFilter -6 1000 2 [2]"}));
}

TEST_F(EffectsPipelineTest, MixStereoChannelsNeedsAStereoDocument) {
    host.SetFormat(host.document.Frequency(), 1);
    host.Fill(Ramp(4));
    host.Select(0, 2);
    effects.Run(EffectTable::MixStereoChannels(1, 0, 0, 1));
    EXPECT_TRUE(transform->calls.empty());
    EXPECT_TRUE(host.log.empty());
}

TEST_F(EffectsPipelineTest, ProgressMapsEachPassToItsShareOfTheRange) {
    host.Fill(std::vector<int16_t>(400));  // 800 bytes
    host.Select(400, 600);
    transform->during = [&] { effects.OnTransformProgress(50); };
    effects.Run(EffectTable::Amplify(1));
    std::vector<std::string> mapped;
    for (const auto& e : host.log) {
        if (e == "Block 56" || e == "Block 81") mapped.push_back(e);
    }
    // Pass 0 at 50 %: 400 + 200/100*50/2 = 450 -> 56 %; pass 1: 400 + 200/100*150/2 -> 68 %.
    EXPECT_EQ(mapped, (std::vector<std::string>{"Block 56"}));
    EXPECT_EQ(host.Count("Block 68"), 1);
}

TEST(EffectProgressTest, MapsPassesAndIsSilentWhenInactive) {
    EffectProgress progress;
    EXPECT_FALSE(progress.Map(50).has_value());
    progress.Start(1000, 2000, 4000, 2, 0);
    EXPECT_EQ(progress.Map(100), 37);  // (1000 + 500) / 4000
    progress.SetChannelPass(1);
    EXPECT_EQ(progress.Map(100), 50);
    progress.Start(1000, 2000, 4000, 2, EffectProgress::kSinglePass);
    EXPECT_EQ(progress.Map(100), 50);
    progress.Deactivate();
    EXPECT_FALSE(progress.Map(10).has_value());
}

}  // namespace
}  // namespace vesk::test
