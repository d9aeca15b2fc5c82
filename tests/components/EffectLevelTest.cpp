#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "components/TransformTestSupport.h"
#include "components/transform/AudioTransform.h"
#include "components/transform/DynamicsEffect.h"

namespace vesk {
namespace {

using test::ApplyTo;
using test::kRate;

class EffectLevel : public ::testing::Test {
protected:
    void SetUp() override { transform_->SetFrequency(static_cast<int32_t>(kRate)); }
    ComPtr<AudioTransform> transform_ = MakeCom<AudioTransform>();
};

TEST_F(EffectLevel, AmplifyInvertAndSilenceScaleExactlyAndSaturate) {
    const std::vector<int16_t> input{0, 1, -3, 1000, 20000, -20000, -32768};
    EXPECT_EQ(ApplyTo(input, [&](SAFEARRAY** b) { return transform_->ApplyAmplify(b, 2.0f); }),
              (std::vector<int16_t>{0, 2, -6, 2000, 32767, -32768, -32768}));
    EXPECT_EQ(ApplyTo(input, [&](SAFEARRAY** b) { return transform_->ApplyAmplify(b, 0.5f); }),
              (std::vector<int16_t>{0, 1, -2, 500, 10000, -10000, -16384}));  // halves round away from 0
    EXPECT_EQ(ApplyTo(input, [&](SAFEARRAY** b) { return transform_->ApplyInvert(b); }),
              (std::vector<int16_t>{0, -1, 3, -1000, -20000, 20000, 32767}));
    EXPECT_EQ(ApplyTo(input, [&](SAFEARRAY** b) { return transform_->ApplySilence(b); }), std::vector<int16_t>(7, 0));
}

TEST_F(EffectLevel, ReversePlaysBackwardsForOddAndEvenLengths) {
    for (size_t n : {0u, 1u, 6u, 7u, 200001u}) {
        std::vector<int16_t> ramp(n);
        std::iota(ramp.begin(), ramp.end(), int16_t{-5});
        auto expected = ramp;
        std::reverse(expected.begin(), expected.end());
        EXPECT_EQ(ApplyTo(ramp, [&](SAFEARRAY** b) { return transform_->ApplyReverse(b); }), expected) << n;
    }
}

TEST_F(EffectLevel, FadeRampsLinearlyFromStartToEndFactor) {
    const std::vector<int16_t> dc(1001, 10000);
    const auto out = ApplyTo(dc, [&](SAFEARRAY** b) { return transform_->ApplyFade(b, 0.0f, 1.0f); });
    EXPECT_EQ(out.front(), 0);
    EXPECT_EQ(out[500], 5000);
    EXPECT_EQ(out[250], 2500);
    EXPECT_EQ(out.back(), 10000);
}

TEST_F(EffectLevel, NormalizeBringsThePeakToTheShareOfFullScaleAfterRemovingDc) {
    auto input = test::Sine(441, 1000, 4400);  // whole periods: the mean is the offset
    for (auto& s : input) s = static_cast<int16_t>(s + 500);
    const auto out = ApplyTo(input, [&](SAFEARRAY** b) { return transform_->ApplyNormalize(b, 50.0f, VARIANT_TRUE); });
    const auto [low, high] = std::minmax_element(out.begin(), out.end());
    EXPECT_NEAR(*high, 16384, 1);
    EXPECT_NEAR(*low, -16384, 1);
    const auto keepDc =
        ApplyTo(input, [&](SAFEARRAY** b) { return transform_->ApplyNormalize(b, 100.0f, VARIANT_FALSE); });
    EXPECT_EQ(*std::max_element(keepDc.begin(), keepDc.end()), 32767);  // peak 1500 of the offset sine
    EXPECT_EQ(
        ApplyTo(std::vector<int16_t>(10, 0), [&](SAFEARRAY** b) { return transform_->ApplyNormalize(b, 100, 0); }),
        std::vector<int16_t>(10, 0));
}

TEST_F(EffectLevel, EnvelopeInterpolatesDbPointsSpreadOverTheBlock) {
    SafeArrayPtr points = test::MakeFloats({0.0f, -6.0206f, 0.0f});
    const std::vector<int16_t> dc(2001, 10000);
    const auto out = ApplyTo(dc, [&](SAFEARRAY** b) { return transform_->ApplyEnvelope(b, points.get()); });
    EXPECT_EQ(out[0], 10000);
    EXPECT_EQ(out[1000], 5000);
    EXPECT_NEAR(out[500], 7071, 1);  // −3 dB halfway between the points
    EXPECT_EQ(out[2000], 10000);
}

TEST_F(EffectLevel, MixStereoChannelsAppliesTheMatrixToEachFrame) {
    const std::vector<int16_t> frames{100, 10, -200, 20, 300, -30};
    EXPECT_EQ(ApplyTo(frames, [&](SAFEARRAY** b) { return transform_->ApplyMixStereoChannels(b, 0, 1, 1, 0); }),
              (std::vector<int16_t>{10, 100, 20, -200, -30, 300}));  // swap
    EXPECT_EQ(
        ApplyTo(frames, [&](SAFEARRAY** b) { return transform_->ApplyMixStereoChannels(b, 0.5f, 0.5f, 0.5f, 0.5f); }),
        (std::vector<int16_t>{55, 55, -90, -90, 135, 135}));  // to mono
}

// Slope of the noise's power density in dB per octave between 500 Hz and 8 kHz.
double NoiseSlopeDbPerOctave(AudioTransform& transform, int32_t type) {
    const auto noise = ApplyTo(std::vector<int16_t>(1 << 18, 0),
                               [&](SAFEARRAY** b) { return transform.ApplyAddNoise(b, 0.25f, type); });
    // Each band is one octave wide, so the density is the power minus 10·log10(width).
    const double low = test::BandPowerDb(noise, 500, 1000) - 10 * std::log10(500.0);
    const double high = test::BandPowerDb(noise, 4000, 8000) - 10 * std::log10(4000.0);
    return (high - low) / 3.0;
}

TEST_F(EffectLevel, NoiseSpectraFallAsTheirColoursPromise) {
    EXPECT_NEAR(NoiseSlopeDbPerOctave(*transform_, 0), 0.0, 0.5);
    EXPECT_NEAR(NoiseSlopeDbPerOctave(*transform_, 1), -3.0, 0.7);
    EXPECT_NEAR(NoiseSlopeDbPerOctave(*transform_, 2), -6.0, 1.0);
}

TEST_F(EffectLevel, NoiseIsAddedAtTheAmplitudeAndDiffersPerCall) {
    const std::vector<int16_t> silence(44100, 0);
    const auto a = ApplyTo(silence, [&](SAFEARRAY** b) { return transform_->ApplyAddNoise(b, 0.1f, 0); });
    const auto b = ApplyTo(silence, [&](SAFEARRAY** b) { return transform_->ApplyAddNoise(b, 0.1f, 0); });
    const auto peak = *std::max_element(a.begin(), a.end());
    EXPECT_GT(peak, 3000);
    EXPECT_LE(peak, 3277);
    EXPECT_NEAR(test::RmsDb(a), 20 * std::log10(0.1 / std::sqrt(3.0)), 0.3);  // uniform white noise
    EXPECT_NE(a, b);  // the left and right channels must not get the same noise
}

TEST(DynamicsCurve, CompressorAndExpanderGainAroundTheThreshold) {
    const DynamicsEffect compressor(DynamicsEffect::Kind::kCompressor, -20, 4, 10, kRate);
    EXPECT_DOUBLE_EQ(compressor.GainDb(-30), 0.0);
    EXPECT_DOUBLE_EQ(compressor.GainDb(-8), -9.0);  // 12 dB over → 3 dB over
    const DynamicsEffect expander(DynamicsEffect::Kind::kExpander, -30, 3, 10, kRate);
    EXPECT_DOUBLE_EQ(expander.GainDb(-20), 0.0);
    EXPECT_DOUBLE_EQ(expander.GainDb(-35), -10.0);  // 5 dB under → 15 dB under
    EXPECT_DOUBLE_EQ(expander.GainDb(-200), kFloorDb);
}

TEST_F(EffectLevel, CompressorAndExpanderReachTheirSteadyStateLevels) {
    const double rmsToPeak = std::sqrt(2.0) * kFullScale;
    const auto loud = test::Sine(1000, rmsToPeak * DbToGain(-10), 44100);
    const auto compressed = ApplyTo(loud, [&](SAFEARRAY** b) { return transform_->ApplyCompressor(b, -20, 4, 50); });
    EXPECT_NEAR(test::RmsDb(compressed, 22050, 44100), -17.5, 0.3);
    const auto quiet = test::Sine(1000, rmsToPeak * DbToGain(-40), 44100);
    const auto expanded = ApplyTo(quiet, [&](SAFEARRAY** b) { return transform_->ApplyExpander(b, -30, 2, 50); });
    EXPECT_NEAR(test::RmsDb(expanded, 22050, 44100), -50.0, 0.5);
    EXPECT_EQ(ApplyTo(loud, [&](SAFEARRAY** b) { return transform_->ApplyExpander(b, -30, 2, 50); }), loud);
}

}  // namespace
}  // namespace vesk
