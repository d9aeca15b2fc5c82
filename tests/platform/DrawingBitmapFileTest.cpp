#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/drawing/BitmapFile.h"
#include "support/TempDirGuard.h"

namespace vesk {
namespace {

std::vector<uint8_t> ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

uint32_t Le32(const std::vector<uint8_t>& bytes, size_t offset) {
    return bytes[offset] | (bytes[offset + 1] << 8) | (bytes[offset + 2] << 16) | (uint32_t{bytes[offset + 3]} << 24);
}
uint16_t Le16(const std::vector<uint8_t>& bytes, size_t offset) {
    return static_cast<uint16_t>(bytes[offset] | (bytes[offset + 1] << 8));
}

// A 3 × 2 picture with a different colour in every pixel: (x, y) is RGB(16·x + 1, 16·y + 2, 3).
Bitmap Sample() {
    Bitmap bitmap(3, 2);
    for (int32_t y = 0; y < 2; ++y) {
        for (int32_t x = 0; x < 3; ++x) bitmap.SetPixel(x, y, PixelFromOleColor(Rgb(16 * x + 1, 16 * y + 2, 3)));
    }
    return bitmap;
}

// Runs a shell command and returns its standard output.
std::string Capture(const std::string& command) {
    std::string output;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[256];
        while (size_t n = fread(buffer, 1, sizeof buffer, pipe)) output.append(buffer, n);
        pclose(pipe);
    }
    return output;
}

class DrawingBitmapFileTest : public testing::Test {
protected:
    test::ScratchDir dir_;
};

TEST_F(DrawingBitmapFileTest, HeadersDescribeA32BitBottomUpPicture) {
    const std::string path = dir_.File("frame.bmp");
    ASSERT_TRUE(WriteBitmapFile(Sample(), path));
    std::vector<uint8_t> bytes = ReadFile(path);
    ASSERT_EQ(bytes.size(), 66u + 24u);

    EXPECT_EQ(bytes[0], 'B');
    EXPECT_EQ(bytes[1], 'M');
    EXPECT_EQ(Le32(bytes, 2), 90u);  // file size
    EXPECT_EQ(Le32(bytes, 6), 0u);   // reserved
    EXPECT_EQ(Le32(bytes, 10), 66u);  // pixel data offset
    EXPECT_EQ(Le32(bytes, 14), 40u);  // information header size
    EXPECT_EQ(Le32(bytes, 18), 3u);   // width
    EXPECT_EQ(Le32(bytes, 22), 2u);   // height, positive for bottom-up rows
    EXPECT_EQ(Le16(bytes, 26), 1u);   // planes
    EXPECT_EQ(Le16(bytes, 28), 32u);  // bits per pixel
    EXPECT_EQ(Le32(bytes, 30), 3u);   // bit fields
    EXPECT_EQ(Le32(bytes, 34), 24u);  // image size
    for (size_t offset = 38; offset < 54; offset += 4) EXPECT_EQ(Le32(bytes, offset), 0u) << offset;
    EXPECT_EQ(Le32(bytes, 54), 0x00FF0000u);
    EXPECT_EQ(Le32(bytes, 58), 0x0000FF00u);
    EXPECT_EQ(Le32(bytes, 62), 0x000000FFu);
}

TEST_F(DrawingBitmapFileTest, PixelsAreBgraRowsFromTheBottom) {
    const std::string path = dir_.File("frame.bmp");
    ASSERT_TRUE(WriteBitmapFile(Sample(), path));
    std::vector<uint8_t> bytes = ReadFile(path);
    const std::vector<uint8_t> expected = {
        3, 18, 1, 0, 3, 18, 17, 0, 3, 18, 33, 0,  // row y = 1 first
        3, 2, 1, 0,  3, 2, 17, 0,  3, 2, 33, 0,   // then y = 0
    };
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + 66, bytes.end()), expected);
}

TEST_F(DrawingBitmapFileTest, ALongerExistingFileIsTruncated) {
    const std::string path = dir_.File("frame.bmp");
    std::ofstream(path, std::ios::binary) << std::string(500, 'x');
    ASSERT_TRUE(WriteBitmapFile(Sample(), path));
    EXPECT_EQ(ReadFile(path).size(), 90u);
}

TEST_F(DrawingBitmapFileTest, EmptyBitmapsAndUnwritablePathsFail) {
    EXPECT_FALSE(WriteBitmapFile(Bitmap(), dir_.File("empty.bmp")));
    EXPECT_FALSE(WritePngFile(Bitmap(0, 4), dir_.File("empty.png")));
    EXPECT_TRUE(ReadFile(dir_.File("empty.bmp")).empty());
    EXPECT_FALSE(WriteBitmapFile(Sample(), dir_.File("missing/frame.bmp")));
    EXPECT_FALSE(WritePngFile(Sample(), dir_.File("missing/frame.png")));
}

TEST_F(DrawingBitmapFileTest, PictureFileChoosesTheFormatByExtension) {
    ASSERT_TRUE(WritePictureFile(Sample(), dir_.File("a.PnG")));
    ASSERT_TRUE(WritePictureFile(Sample(), dir_.File("a.png.bmp")));
    std::vector<uint8_t> png = ReadFile(dir_.File("a.PnG"));
    std::vector<uint8_t> bmp = ReadFile(dir_.File("a.png.bmp"));
    ASSERT_GE(png.size(), 8u);
    EXPECT_EQ(std::string(png.begin() + 1, png.begin() + 4), "PNG");
    EXPECT_EQ(bmp.size(), 90u);
}

// An independent reader sees the size and the colours where we put them.
TEST_F(DrawingBitmapFileTest, ImageMagickReadsBothFormats) {
    if (std::system("command -v identify >/dev/null 2>&1") != 0) GTEST_SKIP() << "identify is not installed";
    for (const char* name : {"frame.bmp", "frame.png"}) {
        const std::string path = dir_.File(name);
        ASSERT_TRUE(WritePictureFile(Sample(), path));
        EXPECT_EQ(Capture("identify -format '%w %h' '" + path + "'"), "3 2") << name;
        // Bottom-right pixel: RGB(33, 18, 3).
        EXPECT_EQ(Capture("identify -format '%[fx:int(255*p{2,1}.r)] %[fx:int(255*p{2,1}.g)] "
                          "%[fx:int(255*p{2,1}.b)]' '" + path + "'"),
                  "33 18 3")
            << name;
    }
}

}  // namespace
}  // namespace vesk
