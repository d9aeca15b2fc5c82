#include <gtest/gtest.h>

#include <functional>

#include "components/TransformTestSupport.h"
#include "components/transform/AudioTransform.h"
#include "components/transform/BiquadDesign.h"
#include "components/transform/BiquadEffect.h"
#include "components/transform/FirDesign.h"
#include "components/transform/FirFilterEffect.h"

namespace vesk {
namespace {

using test::kRate;
using Operation = std::function<HRESULT(IVeskAudioTransform&, SAFEARRAY**)>;

// Gain in dB that the operation gives a sine of frequency hz, measured after the filter has
// settled (second half of half a second).
double MeasuredGainDb(const Operation& operation, double hz) {
    auto transform = MakeCom<AudioTransform>();
    transform->SetFrequency(static_cast<int32_t>(kRate));
    const auto input = test::Sine(hz, 10000.0, 22050);
    HRESULT hr = E_FAIL;
    const auto output = test::ApplyTo(
        input, [&](SAFEARRAY** b) { return operation(*transform, b); }, &hr);
    EXPECT_EQ(hr, S_OK);
    return test::RmsDb(output, 11025, 22050) - test::RmsDb(input, 11025, 22050);
}

// --- Design: the cookbook responses at the points engineers check -------------------------

TEST(BiquadDesign, LowAndHighPassAreThreeDbDownAtTheCornerAndFallTwelveDbPerOctave) {
    const auto low = DesignLowPass(kRate, 1000, 0.7071);
    EXPECT_NEAR(ResponseDb(low, kRate, 1000), -3.01, 0.05);
    EXPECT_NEAR(ResponseDb(low, kRate, 50), 0.0, 0.05);
    EXPECT_NEAR(ResponseDb(low, kRate, 4000) - ResponseDb(low, kRate, 2000), -12.0, 1.0);
    const auto high = DesignHighPass(kRate, 1000, 0.7071);
    EXPECT_NEAR(ResponseDb(high, kRate, 1000), -3.01, 0.05);
    EXPECT_NEAR(ResponseDb(high, kRate, 15000), 0.0, 0.1);
    EXPECT_NEAR(ResponseDb(high, kRate, 125) - ResponseDb(high, kRate, 250), -12.0, 0.5);
}

TEST(BiquadDesign, BandPassPeaksAtZeroDbAndNotchCancelsItsFrequency) {
    const auto band = DesignBandPass(kRate, 2000, 2.0);
    EXPECT_NEAR(ResponseDb(band, kRate, 2000), 0.0, 0.01);
    EXPECT_LT(ResponseDb(band, kRate, 500), -10.0);
    const auto notch = DesignNotch(kRate, 2000, 2.0);
    EXPECT_LT(ResponseDb(notch, kRate, 2000), -80.0);
    EXPECT_NEAR(ResponseDb(notch, kRate, 200), 0.0, 0.1);
}

TEST(BiquadDesign, PeakAndShelvesReachTheirGainWhereTheyShould) {
    EXPECT_NEAR(ResponseDb(DesignPeaking(kRate, 1000, 1.0, 9.0), kRate, 1000), 9.0, 0.01);
    EXPECT_NEAR(ResponseDb(DesignPeaking(kRate, 1000, 1.0, 9.0), kRate, 10000), 0.0, 0.3);
    const auto low = DesignLowShelf(kRate, 500, 1.0, -12.0);
    EXPECT_NEAR(ResponseDb(low, kRate, 20), -12.0, 0.1);
    EXPECT_NEAR(ResponseDb(low, kRate, 500), -6.0, 0.1);  // half the gain at the shelf midpoint
    EXPECT_NEAR(ResponseDb(low, kRate, 15000), 0.0, 0.1);
    const auto high = DesignHighShelf(kRate, 5000, 1.0, 6.0);
    EXPECT_NEAR(ResponseDb(high, kRate, 20000), 6.0, 0.2);
    EXPECT_NEAR(ResponseDb(high, kRate, 100), 0.0, 0.05);
}

TEST(BiquadDesign, SanitizersKeepEveryHostValueDesignable) {
    for (double v : {std::nan(""), -1.0, 0.0, 1e30, -HUGE_VAL, HUGE_VAL}) {
        const auto c = DesignHighShelf(kRate, BiquadLimits::SanitizeHz(v, kRate), BiquadLimits::SanitizeSlope(v),
                                       BiquadLimits::SanitizeGainDb(v));
        EXPECT_TRUE(std::isfinite(ResponseDb(c, kRate, 1000))) << v;
        const auto q = DesignLowPass(kRate, BiquadLimits::SanitizeHz(v, kRate), BiquadLimits::SanitizeQ(v));
        EXPECT_TRUE(std::isfinite(q.b0 + q.a1 + q.a2)) << v;
    }
}

// --- The filters on sines, through the component -----------------------------------------

TEST(EffectFilters, LowPassFollowsItsDesignAtAndAroundTheCutOff) {
    const Operation lowPass = [](IVeskAudioTransform& t, SAFEARRAY** b) {
        return t.ApplyLowPassFilter(b, 1000, 0.7071f);
    };
    const auto design = DesignLowPass(kRate, 1000, 0.7071);
    for (double hz : {250.0, 1000.0, 2000.0, 4000.0}) {
        EXPECT_NEAR(MeasuredGainDb(lowPass, hz), ResponseDb(design, kRate, hz), 0.3) << hz;
    }
}

TEST(EffectFilters, HighPassBandPassAndNotchFollowTheirDesigns) {
    const Operation highPass = [](IVeskAudioTransform& t, SAFEARRAY** b) {
        return t.ApplyHighPassFilter(b, 500, 0.7071f);
    };
    EXPECT_NEAR(MeasuredGainDb(highPass, 500), -3.0, 0.3);
    EXPECT_NEAR(MeasuredGainDb(highPass, 125), ResponseDb(DesignHighPass(kRate, 500, 0.7071), kRate, 125), 0.3);
    const Operation bandPass = [](IVeskAudioTransform& t, SAFEARRAY** b) {
        return t.ApplyBandPassFilter(b, 3000, 4.0f);
    };
    EXPECT_NEAR(MeasuredGainDb(bandPass, 3000), 0.0, 0.3);
    EXPECT_LT(MeasuredGainDb(bandPass, 750), -15.0);
    const Operation notch = [](IVeskAudioTransform& t, SAFEARRAY** b) { return t.ApplyNotchFilter(b, 1000, 4.0f); };
    EXPECT_LT(MeasuredGainDb(notch, 1000), -40.0);
    EXPECT_NEAR(MeasuredGainDb(notch, 4000), 0.0, 0.3);
}

TEST(EffectFilters, ShelvesAndPeakTakeTheGainFirst) {
    const Operation lowShelf = [](IVeskAudioTransform& t, SAFEARRAY** b) {
        return t.ApplyLowShelfFilter(b, 6, 300, 1);
    };
    EXPECT_NEAR(MeasuredGainDb(lowShelf, 40), 6.0, 0.3);
    EXPECT_NEAR(MeasuredGainDb(lowShelf, 8000), 0.0, 0.3);
    const Operation highShelf = [](IVeskAudioTransform& t, SAFEARRAY** b) {
        return t.ApplyHighShelfFilter(b, -6, 3000, 1);
    };
    EXPECT_NEAR(MeasuredGainDb(highShelf, 16000), -6.0, 0.4);
    EXPECT_NEAR(MeasuredGainDb(highShelf, 100), 0.0, 0.3);
    const Operation peak = [](IVeskAudioTransform& t, SAFEARRAY** b) { return t.ApplyPeakEQFilter(b, -9, 2000, 2); };
    EXPECT_NEAR(MeasuredGainDb(peak, 2000), -9.0, 0.3);
}

// --- FFT filter and equalizer --------------------------------------------------------------

TEST(FirDesign, BandsAndEqualizerPointsMapOntoTheBins) {
    const float bands[] = {1.0f, 0.0f, 2.0f, -5.0f};
    const auto bins = BandGainsToBins(bands, 8);
    EXPECT_EQ(bins, (std::vector<double>{1, 1, 0, 0, 2, 2, 0, 0}));  // negative gains clamp to 0
    const float db[] = {0.0f, -20.0f};
    const float hz[] = {1000.0f, 100.0f};                 // any order
    const auto eq = EqualizerToBins(db, hz, 2000.0, 11);  // bins every 100 Hz
    EXPECT_NEAR(eq[1], 0.1, 1e-9);
    EXPECT_NEAR(20 * std::log10(eq[3]), -20.0 + 20.0 * std::log10(3.0), 1e-6);  // linear over log f
    EXPECT_NEAR(eq[10], 1.0, 1e-9);
}

TEST(FirDesign, KernelIsSymmetricAndPassesUnityGain) {
    const std::vector<double> flat(kFirDesignBins, 1.0);
    const auto kernel = LinearPhaseKernel(flat);
    ASSERT_EQ(kernel.size() % 2, 1u);
    for (size_t i = 0; i < kernel.size() / 2; ++i) EXPECT_NEAR(kernel[i], kernel[kernel.size() - 1 - i], 1e-6);
    EXPECT_NEAR(kernel[kernel.size() / 2], 1.0, 1e-3);
}

TEST(FirFilterEffect, ChunkBoundariesDoNotChangeTheResult) {
    const std::vector<double> gains = BandGainsToBins(std::vector<float>{1.0f, 0.3f, 0.0f}, kFirDesignBins);
    const auto kernel = LinearPhaseKernel(gains);
    auto whole = test::Sine(3000, 8000, 20000);
    auto split = whole;
    FirFilterEffect once(kernel);
    once.Process(whole, 0, whole.size());
    FirFilterEffect pieces(kernel);
    for (size_t begin = 0, step = 1; begin < split.size(); begin += step, step = step * 3 + 7) {
        pieces.Process(split, begin, std::min(split.size(), begin + step));
    }
    EXPECT_EQ(whole, split);
}

TEST(EffectFilters, FftFilterKeepsPassBandInPlaceAndRemovesStopBand) {
    auto transform = MakeCom<AudioTransform>();
    transform->SetFrequency(static_cast<int32_t>(kRate));
    SafeArrayPtr gains = test::MakeFloats({1.0f, 0.0f});  // keep below 11025 Hz, cut above
    const auto filter = [&](SAFEARRAY** b) { return transform->ApplyFFTFilter(b, gains.get()); };
    const auto low = test::Sine(2000, 10000, 44100);
    const auto out = test::ApplyTo(low, filter);
    // Linear phase with the delay taken out: the pass band comes back sample for sample.
    for (size_t i = 2000; i < 42000; ++i) ASSERT_NEAR(out[i], low[i], 40) << i;
    const auto high = test::Sine(16000, 10000, 44100);
    EXPECT_LT(test::RmsDb(test::ApplyTo(high, filter), 2000, 42000) - test::RmsDb(high), -50.0);
}

TEST(EffectFilters, EqualizerCutsWhereItsPointsSay) {
    auto transform = MakeCom<AudioTransform>();
    transform->SetFrequency(static_cast<int32_t>(kRate));
    SafeArrayPtr db = test::MakeFloats({0.0f, -12.0f, 0.0f});
    SafeArrayPtr hz = test::MakeFloats({250.0f, 1000.0f, 4000.0f});
    for (auto [freq, expected] : {std::pair{1000.0, -12.0}, std::pair{500.0, -6.0}, std::pair{8000.0, 0.0}}) {
        const auto input = test::Sine(freq, 10000, 44100);
        const auto out =
            test::ApplyTo(input, [&](SAFEARRAY** b) { return transform->ApplyEqualizer(b, db.get(), hz.get()); });
        EXPECT_NEAR(test::RmsDb(out, 4000, 40000) - test::RmsDb(input, 4000, 40000), expected, 0.5) << freq;
    }
}

}  // namespace
}  // namespace vesk
