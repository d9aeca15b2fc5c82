#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "components/TransformTestSupport.h"
#include "components/transform/AudioTransform.h"
#include "components/transform/DelayLine.h"

namespace vesk {
namespace {

using test::ApplyTo;
using test::kRate;

class EffectDelay : public ::testing::Test {
protected:
    void SetUp() override { transform_->SetFrequency(static_cast<int32_t>(kRate)); }
    ComPtr<AudioTransform> transform_ = MakeCom<AudioTransform>();
};

size_t LoudestAfter(const std::vector<int16_t>& samples, size_t from) {
    auto it = std::max_element(samples.begin() + from, samples.end(),
                               [](int16_t a, int16_t b) { return std::abs(a) < std::abs(b); });
    return static_cast<size_t>(it - samples.begin());
}

TEST(DelayLineTest, TapsCountBackFromTheLastPushAndInterpolate) {
    DelayLine line(8);
    for (double v : {10.0, 20.0, 30.0}) line.Push(v);
    EXPECT_DOUBLE_EQ(line.Tap(1), 30.0);
    EXPECT_DOUBLE_EQ(line.Tap(3), 10.0);
    EXPECT_DOUBLE_EQ(line.Tap(1.5), 25.0);
    EXPECT_DOUBLE_EQ(line.Tap(100), 0.0);  // clamped to the line's length, which holds zeros
}

TEST_F(EffectDelay, EchoReturnsAtTheDelayWithMixThenFeedbackLevels) {
    const auto click = test::Click(44100, 100);
    const auto out = ApplyTo(click, [&](SAFEARRAY** b) { return transform_->ApplyDelay(b, 100, 0.5f, 0.5f); });
    EXPECT_EQ(out[100], 10000);  // dry sound untouched
    EXPECT_EQ(out[100 + 4410], 5000);
    EXPECT_EQ(out[100 + 8820], 2500);
    EXPECT_EQ(out[100 + 13230], 1250);
    EXPECT_EQ(out[99 + 4410], 0);
    EXPECT_EQ(out[101 + 4410], 0);
}

TEST_F(EffectDelay, VibratoWithoutDepthChangesNothingAndWithDepthBendsThePitch) {
    const auto tone = test::Sine(500, 10000, 44100);
    EXPECT_EQ(ApplyTo(tone, [&](SAFEARRAY** b) { return transform_->ApplyVibrato(b, 0, 5, 0); }), tone);
    const auto bent = ApplyTo(tone, [&](SAFEARRAY** b) { return transform_->ApplyVibrato(b, 5, 5, 0); });
    // A swept delay of 5 ms at 5 Hz moves 500 Hz by up to ±8 %: energy leaves the exact tone.
    EXPECT_GT(test::BandPowerDb(bent, 520, 560), test::BandPowerDb(tone, 520, 560) + 10);
    EXPECT_NEAR(test::RmsDb(bent, 4410, 44100), test::RmsDb(tone, 4410, 44100), 0.5);
}

TEST_F(EffectDelay, FlangerWithFixedDelayIsACombWithFeedback) {
    const auto click = test::Click(4410, 100);
    // Base 1 ms, no sweep: the click returns after 44 samples (plus one of the line).
    const auto out = ApplyTo(click, [&](SAFEARRAY** b) { return transform_->ApplyFlanger(b, 1, 1, 0.5f, 0, 0, 0); });
    EXPECT_EQ(out[100], 10000);
    const size_t first = LoudestAfter(out, 101);
    EXPECT_EQ(first, 100u + 45u);
    EXPECT_EQ(out[first], 10000);
    EXPECT_EQ(out[first + 45], 5000);
    const auto dry = ApplyTo(click, [&](SAFEARRAY** b) { return transform_->ApplyFlanger(b, 1, 0, 0.5f, 2, 1, 0); });
    EXPECT_EQ(dry, click);  // mix 0 leaves only the dry sound
}

TEST_F(EffectDelay, PhaserAllpassChainDoublesLowTonesAtFullMix) {
    const auto tone = test::Sine(20, 5000, 44100);
    const auto out = ApplyTo(tone, [&](SAFEARRAY** b) { return transform_->ApplyPhaser(b, 2000, 1, 0); });
    // Far below the sweep the six allpasses barely turn the phase: dry + wet ≈ 2 × dry.
    EXPECT_NEAR(test::RmsDb(out, 22050, 44100) - test::RmsDb(tone, 22050, 44100), 6.0, 0.6);
    EXPECT_EQ(ApplyTo(tone, [&](SAFEARRAY** b) { return transform_->ApplyPhaser(b, 2000, 0, 0.5f); }), tone);
}

TEST_F(EffectDelay, ReverbTailStartsAfterTheCombsAndDecaysFasterWithLessFeedback) {
    const auto click = test::Click(88200, 0, 30000);
    const auto reverb = [&](float feedback) {
        return ApplyTo(click, [&](SAFEARRAY** b) { return transform_->ApplyReverb(b, 50, 1, feedback, 0.2f); });
    };
    const auto longTail = reverb(0.9f);
    const auto shortTail = reverb(0.5f);
    // The shortest comb is 1116/1617 of 50 ms ≈ 1521 samples; nothing arrives before it.
    EXPECT_TRUE(std::all_of(longTail.begin() + 1, longTail.begin() + 1500, [](int16_t s) { return s == 0; }));
    const double early = test::RmsDb(longTail, 2000, 12000);
    const double late = test::RmsDb(longTail, 40000, 50000);
    EXPECT_LT(late, early - 10);
    EXPECT_GT(late, test::RmsDb(shortTail, 40000, 50000) + 20);
}

}  // namespace
}  // namespace vesk
