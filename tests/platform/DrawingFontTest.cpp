#include <gtest/gtest.h>

#include <string>

#include "platform/drawing/Canvas.h"
#include "platform/drawing/FontFace.h"
#include "platform/drawing/Utf8Decoder.h"

namespace vesk {
namespace {

std::shared_ptr<FontFace> Arial8(int16_t weight = 400) {
    FontDescription description;
    description.weight = weight;
    return FontFace::Resolve(description);
}

TEST(DrawingFontTest, ArialResolvesToAMetricCompatibleFace) {
    auto regular = Arial8();
    auto bold = Arial8(700);
    EXPECT_NE(regular->FilePath().find("Liberation"), std::string_view::npos) << regular->FilePath();
    EXPECT_NE(bold->FilePath().find("Bold"), std::string_view::npos) << bold->FilePath();
    EXPECT_EQ(regular, Arial8()) << "faces are shared per description";
}

TEST(DrawingFontTest, EightPointMetricsAreThoseOfASmallTextCell) {
    auto font = Arial8();
    TextExtent extent = font->Measure("0.25");
    EXPECT_GE(extent.height, 11);
    EXPECT_LE(extent.height, 15);
    EXPECT_GT(font->Ascent(), extent.height / 2);
    EXPECT_LT(font->Ascent(), extent.height);
    EXPECT_GT(extent.width, 10);
    EXPECT_LT(extent.width, 40);
    EXPECT_EQ(font->Measure("").width, 0);
    EXPECT_EQ(font->Measure("00").width, 2 * font->Measure("0").width);

    FontDescription large;
    large.sizePoints = 16;
    EXPECT_GT(FontFace::Resolve(large)->Measure("0.25").height, extent.height);
}

class DrawingTextTest : public testing::Test {
protected:
    static constexpr int32_t kLeft = 7;
    static constexpr int32_t kTop = 5;
    DrawingTextTest() : bitmap_(80, 30), font_(Arial8()), extent_(font_->Measure(kText)) {}

    bool InsideTextBox(int32_t x, int32_t y) const {
        return x >= kLeft && x < kLeft + extent_.width && y >= kTop && y < kTop + extent_.height;
    }

    static constexpr const char* kText = "Hg|8";
    Bitmap bitmap_;
    std::shared_ptr<FontFace> font_;
    TextExtent extent_;
};

TEST_F(DrawingTextTest, DrawsInItsColourInsideTheMeasuredBoxOnly) {
    Canvas(bitmap_).Text(kLeft, kTop, kText, *font_, Rgb(255, 0, 0));
    int32_t strong = 0;  // stems, nearly fully covered
    int32_t covered = 0;
    for (int32_t y = 0; y < bitmap_.Height(); ++y) {
        for (int32_t x = 0; x < bitmap_.Width(); ++x) {
            uint32_t pixel = bitmap_.Pixel(x, y);
            if (pixel == 0) continue;
            ++covered;
            EXPECT_TRUE(InsideTextBox(x, y)) << x << "," << y;
            EXPECT_EQ(pixel & 0x00FFFF, 0u) << "blending over black keeps only the text's red";
            if (pixel >= 0xC00000) ++strong;
        }
    }
    EXPECT_GT(strong, 10);
    EXPECT_GT(covered, strong);  // anti-aliased edges
}

TEST_F(DrawingTextTest, BackgroundStaysAndEdgesBlendWithIt) {
    Canvas canvas(bitmap_);
    canvas.FillRect(0, 0, bitmap_.Width(), bitmap_.Height(), Rgb(0, 0, 200));
    canvas.Text(kLeft, kTop, kText, *font_, Rgb(200, 0, 0));
    for (int32_t y = 0; y < bitmap_.Height(); ++y) {
        for (int32_t x = 0; x < bitmap_.Width(); ++x) {
            uint32_t pixel = bitmap_.Pixel(x, y);
            if (!InsideTextBox(x, y)) {
                EXPECT_EQ(pixel, 200u) << x << "," << y;
            }
            // coverage·text + (1 − coverage)·background keeps red + blue at 200 (± rounding).
            int32_t sum = static_cast<int32_t>((pixel >> 16) + (pixel & 0xFF));
            EXPECT_NEAR(sum, 200, 1) << x << "," << y;
        }
    }
}

TEST_F(DrawingTextTest, ClippingKeepsThePixelsOfTheVisiblePart) {
    // A small bitmap showing the window at (10, 6) of the full picture.
    Canvas(bitmap_).Text(kLeft, kTop, kText, *font_, Rgb(255, 255, 255));
    Bitmap window(12, 8);
    Canvas(window).Text(kLeft - 10, kTop - 6, kText, *font_, Rgb(255, 255, 255));
    int32_t drawn = 0;
    for (int32_t y = 0; y < window.Height(); ++y) {
        for (int32_t x = 0; x < window.Width(); ++x) {
            EXPECT_EQ(window.Pixel(x, y), bitmap_.Pixel(x + 10, y + 6)) << x << "," << y;
            drawn += window.Pixel(x, y) != 0;
        }
    }
    EXPECT_GT(drawn, 0);
}

TEST(DrawingUtf8Test, DecodesCodePointsAndReplacesMalformedBytes) {
    EXPECT_EQ(DecodeUtf8("a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80\x7F"), (std::u32string{U'a', 0xE9, 0x20AC, 0x1F600, 0x7F}));
    EXPECT_EQ(DecodeUtf8("\xEF\xBF\xBD"), std::u32string(1, 0xFFFD));
    // A stray continuation byte, an overlong '/', a surrogate, a cut-off sequence.
    EXPECT_EQ(DecodeUtf8("\x80x"), (std::u32string{0xFFFD, U'x'}));
    EXPECT_EQ(DecodeUtf8("\xC0\xAF"), (std::u32string{0xFFFD, 0xFFFD}));
    EXPECT_EQ(DecodeUtf8("\xED\xA0\x80").front(), 0xFFFDu);
    EXPECT_EQ(DecodeUtf8("\xE2\x82"), (std::u32string{0xFFFD, 0xFFFD}));
}

}  // namespace
}  // namespace vesk
