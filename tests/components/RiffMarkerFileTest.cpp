#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "components/information/RiffMarkerFile.h"
#include "platform/io/ByteOrder.h"
#include "support/TempDirGuard.h"

namespace vesk {
namespace {

using Bytes = std::vector<uint8_t>;

void Append32(Bytes& out, uint32_t value) {
    uint8_t bytes[4];
    StoreLE32(bytes, value);
    out.insert(out.end(), bytes, bytes + 4);
}

void AppendChunk(Bytes& out, const char (&id)[5], const Bytes& payload) {
    Append32(out, FourCC(id));
    Append32(out, static_cast<uint32_t>(payload.size()));
    out.insert(out.end(), payload.begin(), payload.end());
    if (payload.size() & 1) out.push_back(0);
}

Bytes Ramp(size_t count) {
    Bytes bytes(count);
    for (size_t i = 0; i < count; ++i) bytes[i] = static_cast<uint8_t>(i * 7 + 3);
    return bytes;
}

const Bytes kFormat{1, 0, 2, 0, 0x44, 0xAC, 0, 0, 0x10, 0xB1, 2, 0, 4, 0, 16, 0};  // PCM 44100 stereo 16-bit
const Bytes kInfo{'I', 'N', 'F', 'O', 'I', 'N', 'A', 'M', 4, 0, 0, 0, 'S', 'o', 'n', 'g'};

// A wave file: the given chunks after "RIFF" size "WAVE", with a correct form size.
Bytes Wave(const Bytes& chunks) {
    Bytes file{'R', 'I', 'F', 'F'};
    Append32(file, static_cast<uint32_t>(chunks.size() + 4));
    file.insert(file.end(), {'W', 'A', 'V', 'E'});
    file.insert(file.end(), chunks.begin(), chunks.end());
    return file;
}

Bytes PlainChunks() {
    Bytes chunks;
    AppendChunk(chunks, "fmt ", kFormat);
    AppendChunk(chunks, "data", Ramp(400));
    AppendChunk(chunks, "LIST", kInfo);
    AppendChunk(chunks, "abcd", {1, 2, 3});  // odd size: padded
    return chunks;
}

// The top-level chunks of a RIFF file as (id, payload), parsed independently of the code under test.
std::vector<std::pair<std::string, Bytes>> ChunksOf(const Bytes& file) {
    std::vector<std::pair<std::string, Bytes>> chunks;
    for (size_t at = 12; at + 8 <= file.size();) {
        const uint32_t size = LoadLE32(&file[at + 4]);
        chunks.emplace_back(std::string(file.begin() + at, file.begin() + at + 4),
                            Bytes(file.begin() + at + 8, file.begin() + at + 8 + size));
        at += 8 + size + (size & 1);
    }
    return chunks;
}

class RiffMarkerFileTest : public testing::Test {
protected:
    void Store(const Bytes& bytes) {
        std::ofstream out(path_, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    Bytes Load() {
        std::ifstream in(path_, std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), {});
    }
    std::vector<MarkerInfo> ReadBack() {
        std::vector<MarkerInfo> markers;
        EXPECT_TRUE(RiffMarkerFile::Read(path_, markers));
        return markers;
    }

    test::ScratchDir dir_;
    std::string path_ = dir_.File("song.wav");
    const std::vector<MarkerInfo> three_{{10, 0, u"one", u"", u"", 0, 0, 0, 0},
                                         {50, 20, u"two", u"note", u"text", 9, 44, 1, 1252},
                                         {90, 0, u"three", u"", u"", 0, 0, 0, 0}};
};

TEST_F(RiffMarkerFileTest, MarkersAreAppendedWithoutDisturbingOtherChunks) {
    Store(Wave(PlainChunks()));
    ASSERT_TRUE(RiffMarkerFile::Write(path_, three_));
    const Bytes file = Load();
    EXPECT_EQ(LoadLE32(&file[4]), file.size() - 8) << "RIFF size";
    const auto chunks = ChunksOf(file);
    ASSERT_EQ(chunks.size(), 6u);
    EXPECT_EQ(chunks[1].second, Ramp(400));
    EXPECT_EQ(chunks[2].second, kInfo);
    EXPECT_EQ(chunks[4].first, "cue ");
    EXPECT_EQ(chunks[5].first, "LIST");
    const auto markers = ReadBack();
    ASSERT_EQ(markers.size(), 3u);
    EXPECT_EQ(markers[1].positionFrames, 50);
    EXPECT_EQ(markers[1].lengthFrames, 20);
    EXPECT_EQ(markers[1].text, u"text");
    EXPECT_EQ(markers[2].label, u"three");
}

TEST_F(RiffMarkerFileTest, RewritingReplacesTheChunksAndNoMarkersRestoresTheFile) {
    const Bytes original = Wave(PlainChunks());
    Store(original);
    ASSERT_TRUE(RiffMarkerFile::Write(path_, three_));
    ASSERT_TRUE(RiffMarkerFile::Write(path_, {three_[0]}));
    EXPECT_EQ(ReadBack().size(), 1u);
    ASSERT_TRUE(RiffMarkerFile::Write(path_, {}));
    EXPECT_EQ(Load(), original);
}

TEST_F(RiffMarkerFileTest, MarkerChunksBeforeTheSoundAreMovedBehindIt) {
    Bytes chunks;
    AppendChunk(chunks, "fmt ", kFormat);
    AppendChunk(chunks, "cue ", Bytes(4 + 24, 0));
    AppendChunk(chunks, "data", Ramp(100001));  // longer than one copy step, odd size
    Store(Wave(chunks));
    ASSERT_TRUE(RiffMarkerFile::Write(path_, three_));
    const auto after = ChunksOf(Load());
    ASSERT_EQ(after.size(), 4u);
    EXPECT_EQ(after[1].first, "data");
    EXPECT_EQ(after[1].second, Ramp(100001));
    EXPECT_EQ(ReadBack().size(), 3u);
}

TEST_F(RiffMarkerFileTest, DamagedCueChunkIsReadSafely) {
    Bytes cue;
    Append32(cue, 0x7FFFFFFF);  // far more points than the chunk holds
    for (uint32_t field : {1u, 5u, FourCC("data"), 0u, 0u, 5u}) Append32(cue, field);
    Bytes chunks = PlainChunks();
    AppendChunk(chunks, "cue ", cue);
    Append32(chunks, FourCC("LIST"));
    Append32(chunks, 0x10000);  // a list that claims more than the file holds
    chunks.insert(chunks.end(), {'a', 'd', 't', 'l'});
    Store(Wave(chunks));
    const auto markers = ReadBack();
    ASSERT_EQ(markers.size(), 1u);
    EXPECT_EQ(markers[0].positionFrames, 5);
    EXPECT_TRUE(RiffMarkerFile::Write(path_, three_));
    EXPECT_EQ(ReadBack().size(), 3u);
}

TEST_F(RiffMarkerFileTest, OtherFilesAreRefused) {
    Store(Bytes{'I', 'D', '3', 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    std::vector<MarkerInfo> markers{three_[0]};
    EXPECT_FALSE(RiffMarkerFile::IsWave(path_));
    EXPECT_FALSE(RiffMarkerFile::Read(path_, markers));
    EXPECT_EQ(markers.size(), 1u);
    EXPECT_FALSE(RiffMarkerFile::Write(path_, three_));
    EXPECT_EQ(Load().size(), 14u);
    EXPECT_FALSE(RiffMarkerFile::IsWave(dir_.File("missing.wav")));
}

}  // namespace
}  // namespace vesk
