// The one conversion of decoded sound to 16 bits: exact for integer sources, nearest-even on
// ties like the library rounding it replaces, clipped at both ends, NaN as silence.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "components/file/Pcm16.h"

namespace vesk {
namespace {

std::vector<int16_t> Convert(const std::vector<float>& in) {
    std::vector<int16_t> out(in.size());
    FloatToPcm16(in.data(), out.data(), static_cast<int64_t>(in.size()));
    return out;
}

TEST(FloatToPcm16, EverySixteenBitSampleComesBackExactly) {
    std::vector<float> in;
    for (int s = -32768; s <= 32767; ++s) in.push_back(static_cast<float>(s) / 32768.0f);
    const std::vector<int16_t> out = Convert(in);
    for (int s = -32768; s <= 32767; ++s) ASSERT_EQ(out[static_cast<size_t>(s + 32768)], s);
}

TEST(FloatToPcm16, RoundsToNearestAndTiesToEven) {
    const float step = 1.0f / 32768.0f;
    const std::vector<float> in{0.4f * step, 0.6f * step, 0.5f * step, 1.5f * step,
                                2.5f * step, -0.5f * step, -1.5f * step, -2.6f * step};
    const std::vector<int16_t> expected{0, 1, 0, 2, 2, 0, -2, -3};
    EXPECT_EQ(Convert(in), expected);
    // The same values one by one (fewer than eight).
    for (size_t i = 0; i < in.size(); ++i) EXPECT_EQ(Convert({in[i]})[0], expected[i]) << i;
}

TEST(FloatToPcm16, ClipsWhatLiesBeyondFullScaleAndSilencesNaN) {
    constexpr float kInf = std::numeric_limits<float>::infinity();
    constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
    // Eight at a time and one by one: the first eight and the rest take different paths.
    EXPECT_EQ(Convert({1.0f, -1.0f, kNaN, 1.017f, -1.5f, 1e30f, kInf, -kInf,  //
                       -1e30f, kNaN, 32767.4f / 32768.0f, 32767.6f / 32768.0f, -kInf}),
              (std::vector<int16_t>{32767, -32768, 0, 32767, -32768, 32767, 32767, -32768,  //
                                    -32768, 0, 32767, 32767, -32768}));
}

}  // namespace
}  // namespace vesk
