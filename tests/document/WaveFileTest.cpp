// WaveFile: the exact header it writes, reading and seeking in the payload, the files it
// accepts and refuses, finalising on Close, and failures of the file layer.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <vector>

#include "document/WaveFile.h"
#include "platform/io/ByteOrder.h"
#include "platform/io/IoFaults.h"
#include "support/TempDirGuard.h"

namespace vesk {
namespace {

using Bytes = std::vector<uint8_t>;

Bytes FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Append32(Bytes& out, uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<uint8_t>(value >> shift));
}

// Hand-made files: a chunk is its id, a stated size and a payload that may differ from it.
Bytes Chunk(const char* id, const Bytes& payload, int64_t statedSize = -1) {
    Bytes out(id, id + 4);
    Append32(out, statedSize < 0 ? static_cast<uint32_t>(payload.size()) : static_cast<uint32_t>(statedSize));
    out.insert(out.end(), payload.begin(), payload.end());
    if (payload.size() % 2) out.push_back(0);
    return out;
}

Bytes Fmt(uint16_t tag, uint16_t bits, size_t recordBytes = 16) {
    Bytes record(recordBytes, 0);
    StoreLE16(&record[0], tag);
    StoreLE16(&record[2], 1);
    StoreLE32(&record[4], 8000);
    StoreLE32(&record[8], 8000 * bits / 8);
    StoreLE16(&record[12], bits / 8);
    StoreLE16(&record[14], bits);
    if (recordBytes >= 18) StoreLE16(&record[16], 0x5555);
    return Chunk("fmt ", record);
}

Bytes WaveForm(std::initializer_list<Bytes> chunks) {
    Bytes payload = {'W', 'A', 'V', 'E'};
    for (const Bytes& c : chunks) payload.insert(payload.end(), c.begin(), c.end());
    return Chunk("RIFF", payload);
}

class WaveFileTest : public testing::Test {
protected:
    void TearDown() override { IoFaults::Disarm(); }

    std::string Save(const Bytes& bytes) {
        std::ofstream(path_, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                     static_cast<std::streamsize>(bytes.size()));
        return path_;
    }

    // A closed working file whose payload is the bytes 0, 1, 2, ... (count of them).
    void MakeRamp(uint32_t count) {
        Bytes data(count);
        for (uint32_t i = 0; i < count; ++i) data[i] = static_cast<uint8_t>(i);
        ASSERT_TRUE(wave_.Create(path_, 44100, 2));
        ASSERT_TRUE(wave_.Write(data.data(), count));
        ASSERT_TRUE(wave_.Close());
    }

    test::ScratchDir dir_;
    std::string path_ = dir_.File("vskTEST.tmp");
    WaveFile wave_;
};

TEST_F(WaveFileTest, CreateThenCloseLeavesTheFixed58ByteHeader) {
    ASSERT_TRUE(wave_.Create(path_, 44100, 2));
    EXPECT_EQ(wave_.Mode(), WaveMode::Created);
    EXPECT_EQ(wave_.DataStart(), 58u);
    ASSERT_TRUE(wave_.Close());
    EXPECT_EQ(wave_.Mode(), WaveMode::Closed);

    const Bytes b = FileBytes(path_);
    ASSERT_EQ(b.size(), 58u);
    EXPECT_EQ(LoadLE32(&b[0]), FourCC("RIFF"));
    EXPECT_EQ(LoadLE32(&b[4]), 50u);
    EXPECT_EQ(LoadLE32(&b[8]), FourCC("WAVE"));
    EXPECT_EQ(LoadLE32(&b[12]), FourCC("fmt "));
    EXPECT_EQ(LoadLE32(&b[16]), 18u);
    EXPECT_EQ(LoadLE16(&b[20]), 1);
    EXPECT_EQ(LoadLE16(&b[22]), 2);
    EXPECT_EQ(LoadLE32(&b[24]), 44100u);
    EXPECT_EQ(LoadLE32(&b[28]), 44100u * 4);
    EXPECT_EQ(LoadLE16(&b[32]), 4);
    EXPECT_EQ(LoadLE16(&b[34]), 16);
    EXPECT_EQ(LoadLE16(&b[36]), 0);
    EXPECT_EQ(LoadLE32(&b[38]), FourCC("fact"));
    EXPECT_EQ(LoadLE32(&b[42]), 4u);
    EXPECT_EQ(LoadLE32(&b[46]), 0u);
    EXPECT_EQ(LoadLE32(&b[50]), FourCC("data"));
    EXPECT_EQ(LoadLE32(&b[54]), 0u);

    ASSERT_TRUE(wave_.Open(path_, WaveMode::Read));
    EXPECT_EQ(wave_.DataSize(), 0u);
    uint8_t byte;
    EXPECT_EQ(wave_.Read(&byte, 1), 0);
    EXPECT_TRUE(wave_.Close());
}

TEST_F(WaveFileTest, WritesReachTheDiskAtOnceAndSizesAreSetOnClose) {
    ASSERT_TRUE(wave_.Create(path_, 8000, 1));
    const Bytes block(1000, 0x11);
    ASSERT_TRUE(wave_.Write(block.data(), 1000));
    EXPECT_EQ(FileBytes(path_).size(), 1058u);  // flushed, although the header still says 0
    ASSERT_TRUE(wave_.Write(block.data(), 234));
    EXPECT_EQ(wave_.Position(), 1234u);
    EXPECT_EQ(wave_.DataSize(), 1234u);
    ASSERT_TRUE(wave_.Close());
    const Bytes b = FileBytes(path_);
    EXPECT_EQ(LoadLE32(&b[4]), 50u + 1234);
    EXPECT_EQ(LoadLE32(&b[54]), 1234u);
    EXPECT_EQ(LoadLE32(&b[46]), 0u);
}

TEST_F(WaveFileTest, ReadStopsAtTheEndOfTheData) {
    MakeRamp(100);
    ASSERT_TRUE(wave_.Open(path_, WaveMode::Read));
    Bytes buffer(200);
    EXPECT_EQ(wave_.Read(buffer.data(), 60), 60);
    EXPECT_EQ(wave_.Read(buffer.data(), 200), 40);
    EXPECT_EQ(buffer[0], 60);
    EXPECT_EQ(wave_.Read(buffer.data(), 200), 0);
    EXPECT_EQ(wave_.Position(), 100u);
}

TEST_F(WaveFileTest, PiecesAreReadAtPayloadOffsetsAndStopAtTheEndOfTheData) {
    // The data is followed by another chunk, whose bytes no piece may show.
    Save(WaveForm({Fmt(1, 16), Chunk("data", {0, 1, 2, 3, 4, 5, 6, 7}), Chunk("LIST", {9, 9, 9, 9})}));
    ASSERT_TRUE(wave_.Open(path_, WaveMode::Read));
    wave_.Seek(2);
    Bytes a(3), b(4), c(2);
    std::vector<FilePiece> pieces{{5, a.data(), 3}, {6, b.data(), 4}, {8, c.data(), 2}};
    ASSERT_TRUE(wave_.ReadPieces(pieces));
    EXPECT_EQ(a, (Bytes{5, 6, 7}));
    EXPECT_EQ(pieces[1].got, 2);
    EXPECT_EQ(b, (Bytes{6, 7, 0, 0}));
    EXPECT_EQ(pieces[2].got, 0);
    EXPECT_EQ(pieces[1].offset, 6);  // the caller's pieces are as they were
    EXPECT_EQ(pieces[1].length, 4);
    EXPECT_EQ(wave_.Position(), 2u);  // the point stays
}

TEST_F(WaveFileTest, SeekMovesWithinThePayload) {
    MakeRamp(100);
    ASSERT_TRUE(wave_.Open(path_, WaveMode::Read));
    uint8_t buffer[4];
    wave_.Read(buffer, 4);
    EXPECT_TRUE(wave_.Seek(0));
    EXPECT_EQ(wave_.Read(buffer, 1), 1);
    EXPECT_EQ(buffer[0], 0);
    EXPECT_TRUE(wave_.Seek(42));
    EXPECT_EQ(wave_.Position(), 42u);
    EXPECT_EQ(wave_.Read(buffer, 2), 2);
    EXPECT_EQ(buffer[0], 42);
    EXPECT_EQ(buffer[1], 43);
    EXPECT_TRUE(wave_.Seek(500));
    EXPECT_EQ(wave_.Read(buffer, 2), 0);
}

TEST_F(WaveFileTest, AcceptsShortFmtAnd8BitPcmAsTheyAre) {
    Save(WaveForm({Fmt(1, 8), Chunk("data", {1, 2, 3, 4})}));
    ASSERT_TRUE(wave_.Open(path_, WaveMode::Read));
    EXPECT_EQ(wave_.Format().extraBytes, 0);  // the two bytes read past the 16-byte record
    EXPECT_EQ(wave_.Format().bitsPerSample, 8);
    EXPECT_EQ(wave_.DataSize(), 4u);
    uint8_t buffer[4] = {};
    EXPECT_EQ(wave_.Read(buffer, 4), 4);
    EXPECT_EQ(buffer[3], 4);
}

TEST_F(WaveFileTest, RefusesWhatIsNotAPcmWave) {
    const std::vector<Bytes> refused = {
        WaveForm({Fmt(3, 32, 18), Chunk("data", {0, 0, 0, 0})}),  // floating point
        WaveForm({Fmt(2, 4, 18), Chunk("data", {0, 0})}),          // ADPCM
        WaveForm({Chunk("data", {0, 0})}),                         // no "fmt "
        WaveForm({Fmt(1, 16)}),                                    // passes the check, no "data"
        Chunk("RIFF", {'A', 'V', 'I', ' '}),
        {},
    };
    for (const Bytes& bytes : refused) {
        Save(bytes);
        EXPECT_FALSE(wave_.Open(path_, WaveMode::Read));
        EXPECT_EQ(wave_.Mode(), WaveMode::Closed);
        EXPECT_TRUE(wave_.Close());
    }
    MakeRamp(2);
    EXPECT_FALSE(wave_.Open(path_, WaveMode::Created));
}

TEST_F(WaveFileTest, OpensDespiteADamagedChunkAfterFmtAndData) {
    Bytes file = WaveForm({Fmt(1, 16), Chunk("data", {5, 6}), Chunk("junk", {}, 100000)});
    Save(file);
    ASSERT_TRUE(wave_.Open(path_, WaveMode::Read));
    EXPECT_EQ(wave_.DataSize(), 2u);
}

TEST_F(WaveFileTest, AChunkPastTheEndOfTheFormEndsTheWalk) {
    // The form claims to end inside the data chunk: the walk stops before taking its size.
    Bytes file = WaveForm({Fmt(1, 16), Chunk("data", {5, 6, 7, 8})});
    StoreLE32(&file[4], LoadLE32(&file[4]) - 2);
    Save(file);
    ASSERT_TRUE(wave_.Open(path_, WaveMode::Read));
    EXPECT_EQ(wave_.DataSize(), 0u);
}

TEST_F(WaveFileTest, AppendingInReadWriteModeRewritesBothSizes) {
    MakeRamp(10);
    ASSERT_TRUE(wave_.Open(path_, WaveMode::ReadWrite));
    ASSERT_TRUE(wave_.Seek(wave_.DataSize()));
    const Bytes more(30, 0x22);
    ASSERT_TRUE(wave_.Write(more.data(), 30));
    EXPECT_EQ(wave_.DataSize(), 40u);
    ASSERT_TRUE(wave_.Close());
    const Bytes b = FileBytes(path_);
    EXPECT_EQ(b.size(), 98u);
    EXPECT_EQ(LoadLE32(&b[4]), 90u);
    EXPECT_EQ(LoadLE32(&b[54]), 40u);
}

TEST_F(WaveFileTest, ClosingAReadOnlyFileLeavesItUntouched) {
    MakeRamp(10);
    const Bytes before = FileBytes(path_);
    ASSERT_TRUE(wave_.Open(path_, WaveMode::Read));
    EXPECT_FALSE(wave_.Write(before.data(), 2));
    EXPECT_TRUE(wave_.Close());
    EXPECT_EQ(FileBytes(path_), before);
    EXPECT_TRUE(WaveFile().Close());
}

TEST_F(WaveFileTest, EveryFailureOfCreateIsReported) {
    IoFaults::Disarm();
    ASSERT_TRUE(wave_.Create(path_, 8000, 1));
    const int32_t writes = IoFaults::Calls(IoOp::Write);
    ASSERT_TRUE(wave_.Close());
    ASSERT_GT(writes, 0);
    for (int32_t nth = 1; nth <= writes; ++nth) {
        IoFaults::Arm(IoOp::Write, nth);
        EXPECT_FALSE(wave_.Create(path_, 8000, 1)) << "write " << nth;
        EXPECT_EQ(wave_.Mode(), WaveMode::Closed);
    }
    IoFaults::Arm(IoOp::Open, 1);
    EXPECT_FALSE(wave_.Create(path_, 8000, 1));
}

TEST_F(WaveFileTest, AFailedWriteLeavesThePositionAlone) {
    ASSERT_TRUE(wave_.Create(path_, 8000, 1));
    IoFaults::Arm(IoOp::Write, 1);
    const uint8_t block[4] = {};
    EXPECT_FALSE(wave_.Write(block, 4));
    EXPECT_EQ(wave_.Position(), 0u);
    EXPECT_EQ(wave_.DataSize(), 0u);
    EXPECT_TRUE(wave_.Close());
}

TEST_F(WaveFileTest, AFailedReadIsMinusOne) {
    MakeRamp(10);
    ASSERT_TRUE(wave_.Open(path_, WaveMode::Read));
    IoFaults::Arm(IoOp::Read, 1);
    uint8_t buffer[4];
    EXPECT_EQ(wave_.Read(buffer, 4), -1);
    EXPECT_EQ(wave_.Position(), 0u);
}

}  // namespace
}  // namespace vesk
