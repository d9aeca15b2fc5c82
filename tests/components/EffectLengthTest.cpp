#include <gtest/gtest.h>

#include "components/TransformTestSupport.h"
#include "components/transform/AudioTransform.h"

namespace vesk {
namespace {

using test::ApplyTo;
using test::kRate;

class EffectLength : public ::testing::Test {
protected:
    void SetUp() override { transform_->SetFrequency(static_cast<int32_t>(kRate)); }
    ComPtr<AudioTransform> transform_ = MakeCom<AudioTransform>();
};

// Frequency from the rising zero crossings of samples[begin, end).
double ZeroCrossingHz(const std::vector<int16_t>& samples, size_t begin, size_t end) {
    size_t first = 0, last = 0, count = 0;
    for (size_t i = begin + 1; i < end; ++i) {
        if (samples[i - 1] < 0 && samples[i] >= 0) {
            if (count++ == 0) first = i;
            last = i;
        }
    }
    return static_cast<double>(count - 1) * kRate / static_cast<double>(last - first);
}

TEST_F(EffectLength, StretchScalesTheLengthExactlyAndKeepsThePitch) {
    const auto tone = test::Sine(440, 10000, 44100);
    for (auto [percent, length] : {std::pair{125.0f, 55125u}, std::pair{50.0f, 22050u}, std::pair{200.0f, 88200u}}) {
        const auto out = ApplyTo(tone, [&](SAFEARRAY** b) { return transform_->ApplyStretch(b, percent); });
        ASSERT_EQ(out.size(), length) << percent;
        EXPECT_NEAR(ZeroCrossingHz(out, length / 4, length * 3 / 4), 440.0, 4.0) << percent;
        EXPECT_NEAR(test::RmsDb(out, length / 4, length * 3 / 4), test::RmsDb(tone), 1.0) << percent;
    }
}

std::vector<int16_t> ToneGapTone() {
    auto sound = test::Sine(1000, 10000, 44100);
    sound.resize(88200, 0);
    const auto tone = test::Sine(1000, 10000, 44100);
    sound.insert(sound.end(), tone.begin(), tone.end());
    return sound;
}

TEST_F(EffectLength, DeleteSilenceRemovesTheGapButKeepsAttackAndRelease) {
    const auto sound = ToneGapTone();
    const auto tight = ApplyTo(sound, [&](SAFEARRAY** b) { return transform_->ApplyDeleteSilence(b, -40, 0, 0, 10); });
    EXPECT_NEAR(static_cast<double>(tight.size()), 88200.0, 441.0);  // within one detector window
    transform_->SetSmoothEnd(0);                                     // the next call is another effect
    const auto padded =
        ApplyTo(sound, [&](SAFEARRAY** b) { return transform_->ApplyDeleteSilence(b, -40, 100, 200, 10); });
    EXPECT_NEAR(static_cast<double>(padded.size()), 88200.0 + 4410 + 8820, 441.0);
}

TEST_F(EffectLength, DeleteSilenceCutsTheSecondChannelLikeTheFirst) {
    const auto left = ToneGapTone();
    const std::vector<int16_t> right(left.size(), 0);  // silent throughout
    const auto delete_ = [&](SAFEARRAY** b) { return transform_->ApplyDeleteSilence(b, -40, 0, 0, 10); };
    const auto leftOut = ApplyTo(left, delete_);
    const auto rightOut = ApplyTo(right, delete_);
    EXPECT_EQ(rightOut.size(), leftOut.size());
    transform_->SetSmoothStart(0);  // the effect is over: a new one decides afresh
    EXPECT_TRUE(ApplyTo(right, delete_).empty());
}

// 1000 quiet samples (−50 dB), 2000 at −16 dB, 1000 quiet.
std::vector<int16_t> QuietLoudQuiet() {
    std::vector<int16_t> sound(4000, 100);
    std::fill(sound.begin() + 1000, sound.begin() + 3000, int16_t{5000});
    return sound;
}

TEST_F(EffectLength, TrimStartKeepsTheFadeTimeBeforeTheSoundAndFadesItIn) {
    const auto out = ApplyTo(QuietLoudQuiet(), [&](SAFEARRAY** b) { return transform_->ApplyTrimStart(b, -40, 1); });
    // 1 ms at 44.1 kHz is 44 frames = 88 samples kept before the sound.
    ASSERT_EQ(out.size(), 4000u - 912u);
    EXPECT_EQ(out[0], 0);
    EXPECT_EQ(out[44], 50);  // halfway up the fade
    EXPECT_EQ(out[88], 5000);
    EXPECT_EQ(out.back(), 100);
}

TEST_F(EffectLength, TrimEndMirrorsTrimStartAndBothCombine) {
    const auto out = ApplyTo(QuietLoudQuiet(), [&](SAFEARRAY** b) { return transform_->ApplyTrimEnd(b, -40, 1); });
    ASSERT_EQ(out.size(), 3088u);
    EXPECT_EQ(out[2999], 5000);
    EXPECT_EQ(out[3000], 98);  // 43/44 of the way down
    EXPECT_EQ(out[3087], 0);
    const auto both = ApplyTo(QuietLoudQuiet(), [&](SAFEARRAY** b) {
        transform_->ApplyTrimStart(b, -40, 1);
        return transform_->ApplyTrimEnd(b, -40, 1);
    });
    EXPECT_EQ(both.size(), 2176u);
}

TEST_F(EffectLength, TrimCutsOnWholeFramesAndEmptiesAQuietBlock) {
    std::vector<int16_t> frames(100, 0);
    frames[51] = 9000;  // the right channel of frame 25
    const auto out = ApplyTo(frames, [&](SAFEARRAY** b) { return transform_->ApplyTrimStart(b, -20, 0); });
    ASSERT_EQ(out.size(), 50u);
    EXPECT_EQ(out[1], 9000);
    EXPECT_TRUE(ApplyTo(std::vector<int16_t>(100, 3), [&](SAFEARRAY** b) {
                    return transform_->ApplyTrimEnd(b, -20, 5);
                }).empty());
}

}  // namespace
}  // namespace vesk
