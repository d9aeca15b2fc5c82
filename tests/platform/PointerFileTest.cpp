// Pointer files: cursor files with colour and masked bitmaps, the first frame of an animated
// cursor, Xcursor files, and damaged files that give nothing.
#include <gtest/gtest.h>

#include <fstream>
#include <vector>

#include "platform/io/ByteOrder.h"
#include "platform/window/Pointer.h"
#include "support/TempDirGuard.h"

namespace vesk {
namespace {

using Bytes = std::vector<uint8_t>;

void Put16(Bytes& b, uint16_t v) { b.insert(b.end(), {uint8_t(v), uint8_t(v >> 8)}); }
void Put32(Bytes& b, uint32_t v) { b.insert(b.end(), {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)}); }

// A 2 × 2 cursor with a 1-bit bitmap (black and white palette) and its mask: top left white,
// top right black, the bottom row transparent. Hot spot (1, 0).
Bytes TwoByTwoCursor() {
    Bytes dib;
    Put32(dib, 40);
    Put32(dib, 2);
    Put32(dib, 4);  // colour rows + mask rows
    Put16(dib, 1);
    Put16(dib, 1);
    for (int i = 0; i < 6; ++i) Put32(dib, 0);
    Put32(dib, 0x000000);  // palette 0 black
    Put32(dib, 0xFFFFFF);  // palette 1 white
    // Rows are bottom-up and padded to 4 bytes, the leftmost pixel in the highest bit.
    dib.insert(dib.end(), {0x00, 0, 0, 0});  // colour, bottom row
    dib.insert(dib.end(), {0x80, 0, 0, 0});  // colour, top row: white, black
    dib.insert(dib.end(), {0xC0, 0, 0, 0});  // mask, bottom row: transparent
    dib.insert(dib.end(), {0x00, 0, 0, 0});  // mask, top row: opaque
    Bytes file;
    Put16(file, 0);
    Put16(file, 2);
    Put16(file, 1);
    file.insert(file.end(), {2, 2, 0, 0});
    Put16(file, 1);
    Put16(file, 0);
    Put32(file, static_cast<uint32_t>(dib.size()));
    Put32(file, 22);
    file.insert(file.end(), dib.begin(), dib.end());
    return file;
}

class PointerFileTest : public testing::Test {
protected:
    std::string Write(const Bytes& bytes, const std::string& name) {
        const std::string path = dir_.File(name);
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                    static_cast<std::streamsize>(bytes.size()));
        return path;
    }
    test::ScratchDir dir_;
};

TEST_F(PointerFileTest, ACursorFileWithAMaskedBitmap) {
    const auto image = LoadPointerFile(Write(TwoByTwoCursor(), "two.cur"));
    ASSERT_TRUE(image);
    EXPECT_EQ(image->width, 2);
    EXPECT_EQ(image->height, 2);
    EXPECT_EQ(image->hotX, 1);
    EXPECT_EQ(image->hotY, 0);
    EXPECT_EQ(image->pixels, (std::vector<uint32_t>{0xFFFFFFFF, 0xFF000000, 0, 0}));
}

TEST_F(PointerFileTest, TheFirstFrameOfAnAnimatedCursorAndAnXcursor) {
    const Bytes cursor = TwoByTwoCursor();
    Bytes ani;
    Bytes frames;
    Put32(frames, FourCC("fram"));
    Put32(frames, FourCC("icon"));
    Put32(frames, static_cast<uint32_t>(cursor.size()));
    frames.insert(frames.end(), cursor.begin(), cursor.end());
    Put32(ani, FourCC("RIFF"));
    Put32(ani, static_cast<uint32_t>(4 + 8 + frames.size()));
    Put32(ani, FourCC("ACON"));
    Put32(ani, FourCC("LIST"));
    Put32(ani, static_cast<uint32_t>(frames.size()));
    ani.insert(ani.end(), frames.begin(), frames.end());
    const auto animated = LoadPointerFile(Write(ani, "spin.ani"));
    ASSERT_TRUE(animated);
    EXPECT_EQ(animated->pixels[0], 0xFFFFFFFFu);

    Bytes xcursor = {'X', 'c', 'u', 'r'};
    Put32(xcursor, 16);
    Put32(xcursor, 0x10000);
    Put32(xcursor, 1);
    Put32(xcursor, 0xFFFD0002);
    Put32(xcursor, 1);
    Put32(xcursor, 28);
    for (uint32_t v : {36u, 0xFFFD0002u, 1u, 1u, 1u, 1u, 0u, 0u, 50u}) Put32(xcursor, v);
    Put32(xcursor, 0x80FF0000);
    const auto x = LoadPointerFile(Write(xcursor, "red"));
    ASSERT_TRUE(x);
    EXPECT_EQ(x->pixels, std::vector<uint32_t>{0x80FF0000});
}

TEST_F(PointerFileTest, DamagedFilesGiveNothing) {
    const Bytes cursor = TwoByTwoCursor();
    for (size_t cut : {size_t{3}, size_t{10}, size_t{30}, cursor.size() - 1}) {
        EXPECT_FALSE(LoadPointerFile(Write(Bytes(cursor.begin(), cursor.begin() + cut), "cut.cur"))) << cut;
    }
    Bytes huge = cursor;
    huge[22 + 4] = 0xFF;  // a width of 255 + ... beyond what a pointer may be
    huge[22 + 5] = 0xFF;
    EXPECT_FALSE(LoadPointerFile(Write(huge, "huge.cur")));
    EXPECT_FALSE(LoadPointerFile(dir_.File("missing.cur")));
}

TEST(PointerTest, NamesAndTheControlsOwnPictures) {
    EXPECT_STREQ(PointerName(PointerShape::SizeNESW), "sizenesw");
    EXPECT_STREQ(PointerName(PointerShape::Edge), "edge");
    for (PointerShape shape : {PointerShape::Grab, PointerShape::Left, PointerShape::Right, PointerShape::Edge}) {
        const Pointer own = OwnPointer(shape);
        ASSERT_TRUE(own.image);
        EXPECT_EQ(own.image->pixels.size(), 256u);
    }
    EXPECT_FALSE(SystemPointer(PointerShape::Cross).image);
}

}  // namespace
}  // namespace vesk
