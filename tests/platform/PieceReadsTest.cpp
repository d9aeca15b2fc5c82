// Reading many pieces of a file at once: the batched way and the one-at-a-time way give the same
// bytes, including pieces cut by the end of the file and batches larger than one ring; writes
// still in the buffer are seen; a failure of any piece fails the whole read.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <random>
#include <thread>
#include <vector>

#include "platform/io/BufferedFile.h"
#include "platform/io/IoFaults.h"
#include "support/TempDirGuard.h"

namespace vesk {
namespace {

constexpr int32_t kFileBytes = 1 << 20;

uint8_t PatternAt(int64_t offset) { return static_cast<uint8_t>((offset * 7 + offset / 251) & 0xFF); }

class PieceReadsTest : public testing::Test {
protected:
    void SetUp() override {
        std::vector<uint8_t> bytes(kFileBytes);
        for (int32_t i = 0; i < kFileBytes; ++i) bytes[i] = PatternAt(i);
        BufferedFile out;
        ASSERT_TRUE(out.Open(path_, FileMode::Create));
        ASSERT_EQ(out.Write(bytes.data(), kFileBytes), kFileBytes);
        ASSERT_TRUE(out.Close());
    }
    void TearDown() override { IoFaults::Disarm(); }

    // 700 pieces (more than one batch) at random places, some across or past the end; checks
    // every byte and every count.
    void ReadAndCheck() {
        std::mt19937 random(7);
        std::vector<FilePiece> pieces(700);
        std::vector<std::vector<uint8_t>> buffers(pieces.size());
        for (size_t i = 0; i < pieces.size(); ++i) {
            const int32_t length = 1 + static_cast<int32_t>(random() % 9000);
            const int64_t offset = random() % (kFileBytes + 4000);
            buffers[i].assign(length, 0xEE);
            pieces[i] = FilePiece{offset, buffers[i].data(), length, -1};
        }
        BufferedFile file;
        ASSERT_TRUE(file.Open(path_, FileMode::Read));
        ASSERT_TRUE(file.ReadPieces(pieces));
        for (size_t i = 0; i < pieces.size(); ++i) {
            const int64_t expected = std::clamp<int64_t>(kFileBytes - pieces[i].offset, 0, pieces[i].length);
            ASSERT_EQ(pieces[i].got, expected) << i;
            for (int32_t b = 0; b < pieces[i].got; ++b) {
                ASSERT_EQ(buffers[i][b], PatternAt(pieces[i].offset + b)) << i << " " << b;
            }
        }
        EXPECT_EQ(file.Tell(), 0);
        // A descriptor that cannot be read fails with the system's reason.
        const int directory = ::open(dir_.path().c_str(), O_RDONLY | O_DIRECTORY);
        ASSERT_GE(directory, 0);
        EXPECT_FALSE(ReadPieces(directory, pieces));
        EXPECT_EQ(errno, EISDIR);
        ::close(directory);
        // A piece that cannot be meant is refused before anything is read.
        FilePiece negative{0, buffers[0].data(), -1};
        EXPECT_FALSE(file.ReadPieces({&negative, 1}));
        EXPECT_EQ(file.LastError(), EINVAL);
    }

    test::ScratchDir dir_;
    std::string path_ = dir_.File("pieces.bin");
};

TEST_F(PieceReadsTest, BatchedAndSingleReadsGiveTheSameBytes) {
    RecordProperty("batched", PieceReadsAreBatched() ? "yes" : "no");
    ReadAndCheck();
    std::thread single([this] {
        UseSingleReadsForPieces();
        EXPECT_FALSE(PieceReadsAreBatched());
        ReadAndCheck();
    });
    single.join();
}

TEST_F(PieceReadsTest, BytesStillInTheBufferAreRead) {
    BufferedFile file;
    ASSERT_TRUE(file.Open(path_, FileMode::ReadWrite));
    ASSERT_EQ(file.Write("new", 3), 3);
    uint8_t got[3] = {};
    FilePiece piece{0, got, 3};
    ASSERT_TRUE(file.ReadPieces({&piece, 1}));
    EXPECT_EQ(std::string(got, got + 3), "new");
    EXPECT_TRUE(file.Close());
}

TEST_F(PieceReadsTest, AFailureOfAnyPieceFailsTheReadAndEachPieceCountsAsARead) {
    BufferedFile file;
    ASSERT_TRUE(file.Open(path_, FileMode::Read));
    std::vector<uint8_t> buffer(5 * 16);
    std::vector<FilePiece> pieces;
    for (int i = 0; i < 5; ++i) pieces.push_back(FilePiece{i * 1000, buffer.data() + 16 * i, 16});
    IoFaults::Arm(IoOp::Read, 4);
    EXPECT_FALSE(file.ReadPieces(pieces));
    EXPECT_TRUE(file.ReadFailed());
    EXPECT_EQ(file.LastError(), EIO);
    EXPECT_EQ(IoFaults::Calls(IoOp::Read), 4);
    EXPECT_TRUE(file.ReadPieces(pieces));
    EXPECT_EQ(buffer[16 * 3], PatternAt(3000));
}

}  // namespace
}  // namespace vesk
