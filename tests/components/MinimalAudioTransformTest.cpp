#include <gtest/gtest.h>

#include <algorithm>

#include "components/RecordingSink.h"
#include "components/minimal/MinimalAudioTransform.h"

namespace vesk {
namespace {

SafeArrayPtr Ramp(uint32_t count) {
    SafeArrayPtr block(SafeArrayCreateVector(VT_I2, 0, count));
    auto samples = block.shorts();
    for (uint32_t i = 0; i < count; ++i) samples[i] = static_cast<int16_t>(i * 100 - 3000);
    return block;
}

TEST(MinimalAudioTransform, StoresRateAndSmoothing) {
    auto transform = MakeCom<MinimalAudioTransform>();
    EXPECT_EQ(transform->SmoothTimeMs(), 10);
    transform->SetFrequency(44100);
    transform->SetSmoothStart(1);
    transform->SetSmoothEnd(1);
    transform->SetSmoothTime(25);
    EXPECT_EQ(transform->FrequencyHz(), 44100);
    EXPECT_EQ(transform->SmoothStart(), 1);
    EXPECT_EQ(transform->SmoothEnd(), 1);
    EXPECT_EQ(transform->SmoothTimeMs(), 25);
    transform->SetSmoothStart(0);
    EXPECT_EQ(transform->SmoothStart(), 0);
}

TEST(MinimalAudioTransform, EffectsLeaveTheBlockAsItCameAndFireNothing) {
    auto transform = MakeCom<MinimalAudioTransform>();
    auto sink = MakeCom<test::RecordingSink>();
    ASSERT_NE(AdviseSink(static_cast<IVeskAudioTransform*>(transform.get()), IID_VeskAudioTransformEvents, sink.get()),
              0u);
    SAFEARRAY* raw = Ramp(64).Detach();  // the caller's pointer, which a component may replace
    SAFEARRAY* const original = raw;
    SafeArrayPtr reference = Ramp(64);
    SafeArrayPtr gains(SafeArrayCreateVector(VT_R4, 0, 4));

    IVeskAudioTransform& t = *transform;
    EXPECT_EQ(t.ApplyAmplify(&raw, 2.0f), S_OK);
    EXPECT_EQ(t.ApplyStretch(&raw, 50.0f), S_OK);
    EXPECT_EQ(t.ApplyEqualizer(&raw, gains.get(), gains.get()), S_OK);
    EXPECT_EQ(t.ApplyTrimStart(&raw, -40.0f, 10), S_OK);
    EXPECT_EQ(t.ApplyReverse(nullptr), E_POINTER);

    SafeArrayPtr block(raw);
    EXPECT_EQ(block.get(), original);
    EXPECT_TRUE(std::ranges::equal(block.shorts(), reference.shorts()));
    EXPECT_TRUE(sink->Events().empty());
}

}  // namespace
}  // namespace vesk
