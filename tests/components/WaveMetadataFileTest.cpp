#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "components/information/WaveMetadataFile.h"
#include "platform/io/ByteOrder.h"
#include "support/TempDirGuard.h"
#include "WaveBytes.h"

namespace vesk {
namespace {

using test::Bytes;
using test::Chunk;
using test::Ramp;

const Bytes kInfo{'I', 'N', 'F', 'O', 'I', 'N', 'A', 'M', 4, 0, 0, 0, 'S', 'o', 'n', 'g'};

Bytes PlainChunks() {
    return test::Joined({Chunk("fmt ", test::kPcmFormat), Chunk("data", Ramp(400)), Chunk("LIST", kInfo),
                         Chunk("abcd", {1, 2, 3})});  // odd size: padded
}

Bytes Wave(const Bytes& chunks) { return test::RiffWave({chunks}); }

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

class WaveMetadataFileTest : public testing::Test {
protected:
    void Store(const Bytes& bytes) { test::StoreBytes(path_, bytes); }
    Bytes Load() { return test::LoadBytes(path_); }
    std::vector<MarkerInfo> ReadBack() {
        std::vector<MarkerInfo> markers;
        KeptWaveChunks kept;
        EXPECT_TRUE(WaveMetadataFile::Read(path_, markers, kept));
        return markers;
    }

    test::ScratchDir dir_;
    std::string path_ = dir_.File("song.wav");
    const std::vector<MarkerInfo> three_{{10, 0, u"one", u"", u"", 0, 0, 0, 0},
                                         {50, 20, u"two", u"note", u"text", 9, 44, 1, 1252},
                                         {90, 0, u"three", u"", u"", 0, 0, 0, 0}};
};

TEST_F(WaveMetadataFileTest, MarkersAreAppendedWithoutDisturbingOtherChunks) {
    Store(Wave(PlainChunks()));
    ASSERT_TRUE(WaveMetadataFile::Write(path_, three_));
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

TEST_F(WaveMetadataFileTest, RewritingReplacesTheChunksAndNoMarkersRestoresTheFile) {
    const Bytes original = Wave(PlainChunks());
    Store(original);
    ASSERT_TRUE(WaveMetadataFile::Write(path_, three_));
    ASSERT_TRUE(WaveMetadataFile::Write(path_, {three_[0]}));
    EXPECT_EQ(ReadBack().size(), 1u);
    ASSERT_TRUE(WaveMetadataFile::Write(path_, {}));
    EXPECT_EQ(Load(), original);
}

TEST_F(WaveMetadataFileTest, MarkerChunksBeforeTheSoundAreMovedBehindIt) {
    Store(test::RiffWave({Chunk("fmt ", test::kPcmFormat), Chunk("cue ", Bytes(4 + 24, 0)),
                          Chunk("data", Ramp(100001))}));  // longer than one copy step, odd size
    ASSERT_TRUE(WaveMetadataFile::Write(path_, three_));
    const auto after = ChunksOf(Load());
    ASSERT_EQ(after.size(), 4u);
    EXPECT_EQ(after[1].first, "data");
    EXPECT_EQ(after[1].second, Ramp(100001));
    EXPECT_EQ(ReadBack().size(), 3u);
}

TEST_F(WaveMetadataFileTest, DamagedCueChunkIsReadSafely) {
    Bytes cue;
    test::Append32(cue, 0x7FFFFFFF);  // far more points than the chunk holds
    for (uint32_t field : {1u, 5u, FourCC("data"), 0u, 0u, 5u}) test::Append32(cue, field);
    Bytes chunks = test::Joined({PlainChunks(), Chunk("cue ", cue)});
    test::Append32(chunks, FourCC("LIST"));
    test::Append32(chunks, 0x10000);  // a list that claims more than the file holds
    chunks.insert(chunks.end(), {'a', 'd', 't', 'l'});
    Store(Wave(chunks));
    const auto markers = ReadBack();
    ASSERT_EQ(markers.size(), 1u);
    EXPECT_EQ(markers[0].positionFrames, 5);
    EXPECT_TRUE(WaveMetadataFile::Write(path_, three_));
    EXPECT_EQ(ReadBack().size(), 3u);
}

TEST_F(WaveMetadataFileTest, OtherFilesAreRefused) {
    Store(Bytes{'I', 'D', '3', 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    std::vector<MarkerInfo> markers{three_[0]};
    EXPECT_FALSE(WaveMetadataFile::IsWave(path_));
    KeptWaveChunks kept;
    EXPECT_FALSE(WaveMetadataFile::Read(path_, markers, kept));
    EXPECT_EQ(markers.size(), 1u);
    EXPECT_FALSE(WaveMetadataFile::Write(path_, three_));
    EXPECT_EQ(Load().size(), 14u);
    EXPECT_FALSE(WaveMetadataFile::IsWave(dir_.File("missing.wav")));
}

}  // namespace
}  // namespace vesk
