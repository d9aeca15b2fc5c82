#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "platform/drawing/Canvas.h"

namespace vesk {
namespace {

constexpr OLE_COLOR kRed = Rgb(255, 0, 0);
constexpr uint32_t kRedPixel = 0xFF0000;

using Points = std::set<std::pair<int32_t, int32_t>>;

Points SetPixels(const Bitmap& bitmap) {
    Points points;
    for (int32_t y = 0; y < bitmap.Height(); ++y) {
        for (int32_t x = 0; x < bitmap.Width(); ++x) {
            if (bitmap.Pixel(x, y) != 0) points.insert({x, y});
        }
    }
    return points;
}

Points LinePixels(int32_t x0, int32_t y0, int32_t x1, int32_t y1, int32_t size = 12) {
    Bitmap bitmap(size, size);
    Canvas(bitmap).Line(x0, y0, x1, y1, kRed);
    return SetPixels(bitmap);
}

TEST(DrawingBitmapTest, ReadsZeroAndIgnoresWritesOutside) {
    Bitmap bitmap(3, 2);
    bitmap.SetPixel(3, 0, 1);
    bitmap.SetPixel(-1, 1, 1);
    bitmap.SetPixel(2, 1, 7);
    EXPECT_EQ(bitmap.Pixel(2, 1), 7u);
    EXPECT_EQ(bitmap.Pixel(2, 2), 0u);
    EXPECT_EQ(SetPixels(bitmap), (Points{{2, 1}}));
    EXPECT_TRUE(Bitmap(-4, 5).Empty());
}

TEST(DrawingLineTest, EndPointIsNotDrawn) {
    EXPECT_EQ(LinePixels(1, 1, 5, 1), (Points{{1, 1}, {2, 1}, {3, 1}, {4, 1}}));
    EXPECT_EQ(LinePixels(2, 1, 2, 4), (Points{{2, 1}, {2, 2}, {2, 3}}));
    EXPECT_EQ(LinePixels(0, 0, 3, 3), (Points{{0, 0}, {1, 1}, {2, 2}}));
    EXPECT_TRUE(LinePixels(4, 4, 4, 4).empty());
}

TEST(DrawingLineTest, NegativeDirectionsStartAtTheFirstPoint) {
    EXPECT_EQ(LinePixels(5, 1, 1, 1), (Points{{5, 1}, {4, 1}, {3, 1}, {2, 1}}));
    EXPECT_EQ(LinePixels(2, 4, 2, 1), (Points{{2, 4}, {2, 3}, {2, 2}}));
    EXPECT_EQ(LinePixels(3, 0, 0, 3), (Points{{3, 0}, {2, 1}, {1, 2}}));
}

TEST(DrawingLineTest, SteepAndShallowLinesStepOncePerMajorPixel) {
    // Halfway points stay on the earlier row or column.
    EXPECT_EQ(LinePixels(0, 0, 2, 5), (Points{{0, 0}, {0, 1}, {1, 2}, {1, 3}, {2, 4}}));
    EXPECT_EQ(LinePixels(0, 0, 4, 1), (Points{{0, 0}, {1, 0}, {2, 0}, {3, 1}}));
    EXPECT_EQ(LinePixels(8, 9, 5, 1).size(), 8u);
}

TEST(DrawingLineTest, ClippingKeepsThePixelsOfTheVisiblePart) {
    // The same lines drawn on a large bitmap and on a window of it shifted by (15, 15).
    const int32_t lines[][4] = {{0, 3, 39, 30}, {38, 1, 2, 36}, {-500, 20, 900, 24}, {20, -1000, 22, 1000}};
    for (const auto& l : lines) {
        Bitmap large(40, 40);
        Canvas(large).Line(l[0], l[1], l[2], l[3], kRed);
        Bitmap window(10, 10);
        Canvas(window).Line(l[0] - 15, l[1] - 15, l[2] - 15, l[3] - 15, kRed);
        for (int32_t y = 0; y < 10; ++y) {
            for (int32_t x = 0; x < 10; ++x) {
                EXPECT_EQ(window.Pixel(x, y), large.Pixel(x + 15, y + 15)) << x << "," << y << " of line " << l[0];
            }
        }
    }
}

TEST(DrawingFillTest, RightAndBottomEdgesAreExcludedAndClipped) {
    Bitmap bitmap(6, 5);
    Canvas canvas(bitmap);
    canvas.FillRect(1, 2, 3, 4, kRed);
    EXPECT_EQ(SetPixels(bitmap), (Points{{1, 2}, {2, 2}, {1, 3}, {2, 3}}));
    EXPECT_EQ(bitmap.Pixel(1, 2), kRedPixel);

    canvas.FillRect(4, 4, 4, 9, kRed);  // empty
    canvas.FillRect(3, 1, 1, 2, kRed);  // reversed
    EXPECT_EQ(SetPixels(bitmap).size(), 4u);

    canvas.FillRect(-100, -100, 100, 100, Rgb(0, 0, 1));
    EXPECT_EQ(SetPixels(bitmap).size(), 30u);
    EXPECT_EQ(bitmap.Pixel(5, 4), 0x000001u);
}

class DrawingBlitTest : public testing::Test {
protected:
    // A 4 × 3 source whose pixel at (x, y) is 100·y + x + 1.
    DrawingBlitTest() : source_(4, 3), target_(5, 5) {
        for (int32_t y = 0; y < 3; ++y) {
            for (int32_t x = 0; x < 4; ++x) source_.SetPixel(x, y, 100 * y + x + 1);
        }
    }
    Bitmap source_;
    Bitmap target_;
};

TEST_F(DrawingBlitTest, CopiesTheRectangleFromTheSourceOffset) {
    Canvas(target_).Blit(2, 3, 2, 2, source_, 1, 1);
    EXPECT_EQ(SetPixels(target_), (Points{{2, 3}, {3, 3}, {2, 4}, {3, 4}}));
    EXPECT_EQ(target_.Pixel(2, 3), 102u);
    EXPECT_EQ(target_.Pixel(3, 4), 203u);
}

TEST_F(DrawingBlitTest, ClipsAtBothBitmaps) {
    Canvas canvas(target_);
    canvas.Blit(-1, -1, 10, 10, source_);  // target left/top and source right/bottom
    EXPECT_EQ(target_.Pixel(0, 0), 102u);
    EXPECT_EQ(target_.Pixel(2, 1), 204u);
    EXPECT_EQ(SetPixels(target_).size(), 6u);

    Bitmap other(5, 5);
    Canvas(other).Blit(3, 4, 4, 4, source_, -1, 0);  // source left edge and target corner
    EXPECT_EQ(SetPixels(other), (Points{{4, 4}}));
    EXPECT_EQ(other.Pixel(4, 4), 1u);
}

TEST_F(DrawingBlitTest, OverlappingCopyWithinOneBitmapReadsTheOriginal) {
    Canvas(source_).Blit(1, 1, 3, 2, source_, 0, 0);
    EXPECT_EQ(source_.Pixel(1, 1), 1u);
    EXPECT_EQ(source_.Pixel(3, 1), 3u);
    EXPECT_EQ(source_.Pixel(1, 2), 101u);
    EXPECT_EQ(source_.Pixel(3, 2), 103u);
    EXPECT_EQ(source_.Pixel(0, 2), 201u);  // outside the destination
}

}  // namespace
}  // namespace vesk
