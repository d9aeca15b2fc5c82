// RiffFile: buffered reads and writes across the buffer edge, seeking, and the chunk walk.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <numeric>
#include <vector>

#include "platform/io/ByteOrder.h"
#include "platform/io/RiffFile.h"
#include "support/TempDirGuard.h"

namespace vesk {
namespace {

std::vector<uint8_t> FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<uint8_t> Ramp(size_t count) {
    std::vector<uint8_t> bytes(count);
    for (size_t i = 0; i < count; ++i) bytes[i] = static_cast<uint8_t>(i * 7 + i / 251);
    return bytes;
}

class RiffFileTest : public testing::Test {
protected:
    test::ScratchDir dir_;
    std::string path_ = dir_.File("chunks.bin");
    RiffFile file_;
};

TEST_F(RiffFileTest, MixedWritesAndReadsAgreeAcrossTheBufferEdge) {
    const std::vector<uint8_t> data = Ramp(3 * RiffFile::kBufferBytes + 123);
    ASSERT_TRUE(file_.Open(path_, RiffOpenMode::Create));
    // One small write, one larger than the buffer, and a tail that straddles the edge.
    ASSERT_EQ(file_.Write(data.data(), 100), 100);
    ASSERT_EQ(file_.Write(data.data() + 100, RiffFile::kBufferBytes + 50), RiffFile::kBufferBytes + 50);
    const int32_t rest = static_cast<int32_t>(data.size()) - RiffFile::kBufferBytes - 150;
    ASSERT_EQ(file_.Write(data.data() + RiffFile::kBufferBytes + 150, rest), rest);
    // Overwrite inside what was written, then read everything back through the same buffer.
    const uint8_t patch[3] = {1, 2, 3};
    ASSERT_EQ(file_.Seek(RiffFile::kBufferBytes - 1, RiffSeek::Begin), RiffFile::kBufferBytes - 1);
    ASSERT_EQ(file_.Write(patch, 3), 3);
    std::vector<uint8_t> expected = data;
    std::copy(patch, patch + 3, expected.begin() + RiffFile::kBufferBytes - 1);

    ASSERT_EQ(file_.Seek(0, RiffSeek::Begin), 0);
    std::vector<uint8_t> back(data.size() + 10);
    EXPECT_EQ(file_.Read(back.data(), 17), 17);
    EXPECT_EQ(file_.Read(back.data() + 17, static_cast<int32_t>(back.size()) - 17),
              static_cast<int32_t>(data.size()) - 17);
    back.resize(data.size());
    EXPECT_EQ(back, expected);
    EXPECT_EQ(file_.Read(back.data(), 1), 0);
    ASSERT_TRUE(file_.Close());
    EXPECT_EQ(FileBytes(path_), expected);
}

TEST_F(RiffFileTest, SeekOrigins) {
    ASSERT_TRUE(file_.Open(path_, RiffOpenMode::Create));
    const std::vector<uint8_t> data = Ramp(40);
    file_.Write(data.data(), 40);
    EXPECT_EQ(file_.Seek(-10, RiffSeek::End), 30);  // counts bytes not yet flushed
    EXPECT_EQ(file_.Seek(5, RiffSeek::Current), 35);
    EXPECT_EQ(file_.Seek(-1, RiffSeek::Begin), -1);
    EXPECT_EQ(file_.Tell(), 35);
    uint8_t byte = 0;
    EXPECT_EQ(file_.Read(&byte, 1), 1);
    EXPECT_EQ(byte, data[35]);
}

TEST_F(RiffFileTest, AscendPadsOddChunksAndRewritesSizes) {
    ASSERT_TRUE(file_.Open(path_, RiffOpenMode::Create));
    RiffChunk form, odd, even;
    ASSERT_TRUE(file_.CreateChunk(form, FourCC("TEST")));
    odd.id = FourCC("odd ");
    ASSERT_TRUE(file_.CreateChunk(odd));
    file_.Write("abc", 3);
    ASSERT_TRUE(file_.Ascend(odd));
    even.id = FourCC("even");
    ASSERT_TRUE(file_.CreateChunk(even));
    file_.Write("wxyz", 4);
    ASSERT_TRUE(file_.Ascend(even));
    ASSERT_TRUE(file_.Ascend(form));
    ASSERT_TRUE(file_.Close());

    const std::vector<uint8_t> bytes = FileBytes(path_);
    ASSERT_EQ(bytes.size(), 12u + 8 + 4 + 8 + 4);
    EXPECT_EQ(LoadLE32(&bytes[4]), bytes.size() - 8);
    EXPECT_EQ(LoadLE32(&bytes[16]), 3u);
    EXPECT_EQ(bytes[23], 0);  // pad byte
    EXPECT_EQ(LoadLE32(&bytes[28]), 4u);
    EXPECT_EQ(odd.size, 3u);
}

TEST_F(RiffFileTest, DescendSearchesInsideTheParentOnly) {
    ASSERT_TRUE(file_.Open(path_, RiffOpenMode::Create));
    RiffChunk form, inner;
    file_.CreateChunk(form, FourCC("TEST"));
    for (const char* id : {"aaaa", "bbbb"}) {
        inner.id = LoadLE32(reinterpret_cast<const uint8_t*>(id));
        file_.CreateChunk(inner);
        file_.Write("12345", 5);
        file_.Ascend(inner);
    }
    file_.Ascend(form);
    inner.id = FourCC("cccc");  // after the form: must not be found inside it
    file_.CreateChunk(inner);
    file_.Ascend(inner);
    ASSERT_TRUE(file_.Close());

    ASSERT_TRUE(file_.Open(path_, RiffOpenMode::Read));
    RiffChunk found;
    EXPECT_FALSE(file_.DescendToForm(found, nullptr, FourCC("WAVE")));
    ASSERT_EQ(file_.Seek(0, RiffSeek::Begin), 0);
    ASSERT_TRUE(file_.DescendToForm(form, nullptr, FourCC("TEST")));
    ASSERT_TRUE(file_.DescendToChunk(found, &form, FourCC("bbbb")));
    EXPECT_EQ(found.size, 5u);
    EXPECT_EQ(found.dataOffset, 12u + 8 + 6 + 8);
    char text[6] = {};
    EXPECT_EQ(file_.Read(text, 5), 5);
    EXPECT_STREQ(text, "12345");
    ASSERT_TRUE(file_.Ascend(found));
    EXPECT_FALSE(file_.Descend(found, &form));
    EXPECT_TRUE(file_.Descend(found));  // without a parent the chunk after the form is reached
    EXPECT_EQ(found.id, FourCC("cccc"));
}

}  // namespace
}  // namespace vesk
