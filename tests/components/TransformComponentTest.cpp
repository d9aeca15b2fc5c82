#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "components/RecordingSink.h"
#include "components/TransformTestSupport.h"
#include "components/transform/AudioTransform.h"

namespace vesk {
namespace {

using test::ApplyTo;
using test::kRate;

class TransformComponent : public ::testing::Test {
protected:
    void SetUp() override { transform_->SetFrequency(static_cast<int32_t>(kRate)); }
    ComPtr<AudioTransform> transform_ = MakeCom<AudioTransform>();
};

TEST_F(TransformComponent, StoresRateAndSmoothingSettings) {
    auto fresh = MakeCom<AudioTransform>();
    EXPECT_EQ(fresh->SmoothTimeMs(), 10);
    EXPECT_EQ(fresh->SmoothStart(), 0);
    fresh->SetFrequency(22050);
    fresh->SetSmoothStart(1);
    fresh->SetSmoothEnd(1);
    fresh->SetSmoothTime(25);
    EXPECT_EQ(fresh->FrequencyHz(), 22050);
    EXPECT_EQ(fresh->SmoothStart(), 1);
    EXPECT_EQ(fresh->SmoothEnd(), 1);
    EXPECT_EQ(fresh->SmoothTimeMs(), 25);
}

TEST_F(TransformComponent, SmoothingCrossfadesFromTheOriginalAndBackToIt) {
    transform_->SetSmoothTime(1);  // 44 samples at 44.1 kHz
    transform_->SetSmoothStart(1);
    transform_->SetSmoothEnd(1);
    const std::vector<int16_t> dc(1000, 8800);
    const auto out = ApplyTo(dc, [&](SAFEARRAY** b) { return transform_->ApplySilence(b); });
    EXPECT_EQ(out[0], 8800);   // pure original
    EXPECT_EQ(out[11], 6600);  // three quarters original
    EXPECT_EQ(out[22], 4400);
    EXPECT_EQ(out[44], 0);  // processed from the end of the ramp
    EXPECT_EQ(out[955], 0);
    EXPECT_EQ(out[977], 4400);
    EXPECT_EQ(out[999], 8800);
    transform_->SetSmoothEnd(0);
    const auto startOnly = ApplyTo(dc, [&](SAFEARRAY** b) { return transform_->ApplySilence(b); });
    EXPECT_EQ(startOnly[999], 0);
    EXPECT_EQ(startOnly[0], 8800);
}

TEST_F(TransformComponent, SmoothingRampsAreCappedAtHalfTheBlock) {
    transform_->SetSmoothTime(1000000);
    transform_->SetSmoothStart(1);
    transform_->SetSmoothEnd(1);
    const std::vector<int16_t> dc(100, 1000);
    const auto out = ApplyTo(dc, [&](SAFEARRAY** b) { return transform_->ApplyAmplify(b, 2); });
    EXPECT_EQ(out[0], 1000);
    EXPECT_EQ(out[50], 1980);  // the end ramp starts in the middle
    EXPECT_EQ(out[99], 1000);
}

TEST_F(TransformComponent, LongBlocksReportProgressInStepsUpToOneHundred) {
    auto sink = MakeCom<test::RecordingSink>();
    ASSERT_NE(AdviseSink(static_cast<IVeskAudioTransform*>(transform_.get()), IID_VeskAudioTransformEvents, sink.get()),
              0u);
    const std::vector<int16_t> longBlock(2'000'000, 100);
    ApplyTo(longBlock, [&](SAFEARRAY** b) { return transform_->ApplyLowPassFilter(b, 1000, 0.7f); });
    ASSERT_GE(sink->Events().size(), 15u);
    int32_t previous = -1;
    for (const auto& event : sink->Events()) {
        EXPECT_EQ(event.id, transform_event::kProgress);
        EXPECT_GT(event.args.at(0), previous);
        previous = event.args.at(0);
    }
    EXPECT_EQ(previous, 100);
    const size_t before = sink->Events().size();
    ApplyTo(std::vector<int16_t>(1000, 1), [&](SAFEARRAY** b) { return transform_->ApplyAmplify(b, 2); });
    EXPECT_EQ(sink->Events().size(), before);  // short blocks finish without events
}

// Asks the transform to stop as soon as the first progress event arrives.
class AbortingSink : public test::RecordingSink {
public:
    explicit AbortingSink(IVeskAudioTransform* transform) : transform_(transform) {}
    HRESULT Invoke(DISPID id, const IID& iid, LCID lcid, uint16_t flags, DISPPARAMS* params, VARIANT* result,
                   EXCEPINFO* info, uint32_t* error) override {
        transform_->AbortTransform();
        return RecordingSink::Invoke(id, iid, lcid, flags, params, result, info, error);
    }

private:
    IVeskAudioTransform* transform_;
};

TEST_F(TransformComponent, AbortStopsAfterTheCurrentChunk) {
    auto sink = MakeCom<AbortingSink>(transform_.get());
    AdviseSink(static_cast<IVeskAudioTransform*>(transform_.get()), IID_VeskAudioTransformEvents, sink.get());
    const std::vector<int16_t> longBlock(2'000'000, 100);
    HRESULT hr = S_OK;
    const auto stretched = ApplyTo(
        longBlock, [&](SAFEARRAY** b) { return transform_->ApplyStretch(b, 150); }, &hr);
    EXPECT_EQ(hr, S_FALSE);
    EXPECT_EQ(stretched, longBlock);  // a length-changing operation leaves the block as it was
    EXPECT_EQ(sink->Events().size(), 1u);
    const auto amplified = ApplyTo(
        longBlock, [&](SAFEARRAY** b) { return transform_->ApplyAmplify(b, 2); }, &hr);
    EXPECT_EQ(hr, S_FALSE);
    EXPECT_EQ(amplified.front(), 200);  // the first chunk is done ...
    EXPECT_EQ(amplified.back(), 100);   // ... the rest was not touched
}

TEST_F(TransformComponent, RefusesMissingOrForeignBlocksAndArrays) {
    EXPECT_EQ(transform_->ApplyReverse(nullptr), E_POINTER);
    SAFEARRAY* none = nullptr;
    EXPECT_EQ(transform_->ApplyAmplify(&none, 2), E_INVALIDARG);
    SafeArrayPtr floats = test::MakeFloats({1.0f, 2.0f});
    SAFEARRAY* wrongType = floats.get();
    EXPECT_EQ(transform_->ApplyInvert(&wrongType), E_INVALIDARG);
    EXPECT_EQ(floats.floats()[1], 2.0f);
    const std::vector<int16_t> input{1, 2, 3};
    HRESULT hr = S_OK;
    SafeArrayPtr shorts = test::MakeBlock(input);
    EXPECT_EQ(ApplyTo(
                  input, [&](SAFEARRAY** b) { return transform_->ApplyEnvelope(b, shorts.get()); }, &hr),
              input);
    EXPECT_EQ(hr, E_INVALIDARG);
    SafeArrayPtr one = test::MakeFloats({0.0f});
    EXPECT_EQ(ApplyTo(
                  input, [&](SAFEARRAY** b) { return transform_->ApplyEqualizer(b, one.get(), floats.get()); }, &hr),
              input);
    EXPECT_EQ(hr, E_INVALIDARG);  // arrays of different lengths
    EXPECT_EQ(ApplyTo(
                  input, [&](SAFEARRAY** b) { return transform_->ApplyFFTFilter(b, nullptr); }, &hr),
              input);
    EXPECT_EQ(hr, E_INVALIDARG);
    EXPECT_EQ(ApplyTo(
                  input, [&](SAFEARRAY** b) { return transform_->ApplyAddNoise(b, 0.5f, 7); }, &hr),
              input);
    EXPECT_EQ(hr, E_INVALIDARG);
}

// Every operation that takes parameters, with one value in every float slot.
std::vector<std::function<HRESULT(SAFEARRAY**)>> EveryOperation(AudioTransform& t, float v, SAFEARRAY* array) {
    const auto i = static_cast<int32_t>(std::isfinite(v) ? std::clamp(v, -2e9f, 2e9f) : -1.0f);
    return {
        [&t, v](SAFEARRAY** b) { return t.ApplyAmplify(b, v); },
        [&t, v](SAFEARRAY** b) { return t.ApplyAddNoise(b, v, 2); },
        [&t, v](SAFEARRAY** b) { return t.ApplyMixStereoChannels(b, v, v, v, v); },
        [&t, v](SAFEARRAY** b) { return t.ApplyFade(b, v, v); },
        [&t, v](SAFEARRAY** b) { return t.ApplyNormalize(b, v, VARIANT_TRUE); },
        [&t, v](SAFEARRAY** b) { return t.ApplyVibrato(b, v, v, v); },
        [&t, array](SAFEARRAY** b) { return t.ApplyEnvelope(b, array); },
        [&t, v](SAFEARRAY** b) { return t.ApplyCompressor(b, v, v, v); },
        [&t, v](SAFEARRAY** b) { return t.ApplyExpander(b, v, v, v); },
        [&t, v](SAFEARRAY** b) { return t.ApplyDelay(b, v, v, v); },
        [&t, v](SAFEARRAY** b) { return t.ApplyPhaser(b, v, v, v); },
        [&t, v](SAFEARRAY** b) { return t.ApplyFlanger(b, v, v, v, v, v, v); },
        [&t, v](SAFEARRAY** b) { return t.ApplyReverb(b, v, v, v, v); },
        [&t, v](SAFEARRAY** b) { return t.ApplyStretch(b, v); },
        [&t, v](SAFEARRAY** b) { return t.ApplyNotchFilter(b, v, v); },
        [&t, array](SAFEARRAY** b) { return t.ApplyFFTFilter(b, array); },
        [&t, v](SAFEARRAY** b) { return t.ApplyHighPassFilter(b, v, v); },
        [&t, v](SAFEARRAY** b) { return t.ApplyLowPassFilter(b, v, v); },
        [&t, v](SAFEARRAY** b) { return t.ApplyHighShelfFilter(b, v, v, v); },
        [&t, v](SAFEARRAY** b) { return t.ApplyLowShelfFilter(b, v, v, v); },
        [&t, v](SAFEARRAY** b) { return t.ApplyBandPassFilter(b, v, v); },
        [&t, array](SAFEARRAY** b) { return t.ApplyEqualizer(b, array, array); },
        [&t, v](SAFEARRAY** b) { return t.ApplyPeakEQFilter(b, v, v, v); },
        [&t, v, i](SAFEARRAY** b) { return t.ApplyDeleteSilence(b, v, i, i, v); },
        [&t, v, i](SAFEARRAY** b) { return t.ApplyTrimStart(b, v, i); },
        [&t, v, i](SAFEARRAY** b) { return t.ApplyTrimEnd(b, v, i); },
    };
}

TEST_F(TransformComponent, EveryOperationSurvivesHostileParameters) {
    const auto input = test::Sine(997, 30000, 3000);
    constexpr float kInf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    transform_->SetSmoothStart(1);
    transform_->SetSmoothEnd(1);
    transform_->SetSmoothTime(-5);
    for (float v : {nan, kInf, -kInf, -1.0f, 0.0f, 1e30f, -1e30f, 3e-39f}) {
        SafeArrayPtr array = test::MakeFloats({v, v, v});
        const auto operations = EveryOperation(*transform_, v, array.get());
        for (size_t k = 0; k < operations.size(); ++k) {
            HRESULT hr = E_FAIL;
            const auto out = ApplyTo(input, operations[k], &hr);
            EXPECT_TRUE(hr == S_OK || hr == E_INVALIDARG) << "operation " << k << " value " << v;
            if (std::isnan(v)) {
                EXPECT_EQ(out, input) << "NaN must leave the block alone, operation " << k;
            }
            EXPECT_LE(out.size(), input.size() * 10) << "operation " << k << " value " << v;
        }
    }
}

TEST_F(TransformComponent, ExtremeSampleRatesStillGiveFilteredSound) {
    const auto input = test::Sine(997, 30000, 3000);
    for (int32_t rate : {-44100, 0, 1, std::numeric_limits<int32_t>::max()}) {
        transform_->SetFrequency(rate);
        HRESULT hr = E_FAIL;
        const auto out = ApplyTo(
            input, [&](SAFEARRAY** b) { return transform_->ApplyLowPassFilter(b, 5000, 1); }, &hr);
        EXPECT_EQ(hr, S_OK);
        EXPECT_EQ(out.size(), input.size());
        const auto stretched = ApplyTo(input, [&](SAFEARRAY** b) { return transform_->ApplyStretch(b, 80); });
        EXPECT_EQ(stretched.size(), 2400u) << rate;
    }
}

}  // namespace
}  // namespace vesk
