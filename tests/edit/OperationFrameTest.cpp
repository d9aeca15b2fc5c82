// The operation frame: prefix and rest copies with their progress, the selection and zoom
// carried into the new state, and the all-or-nothing guarantee under cancel and I/O failures.
#include <gtest/gtest.h>

#include <algorithm>

#include "EditTestDocument.h"
#include "edit/OperationFrame.h"
#include "platform/io/IoFaults.h"

namespace vesk::test {
namespace {

class OperationFrameTest : public testing::Test {
protected:
    void SetUp() override { host.SetFormat(8000, 1); }
    void TearDown() override { IoFaults::Disarm(); }

    // An operation over the frame's range [S, E + F) that writes the first `writeBytes` bytes
    // of it (all of it when -1).
    bool Run(int64_t writeBytes = -1) {
        WaveFile destination, source;
        if (!frame.Begin(destination, source, Status::Amplify)) return false;
        const DocState& s = *host.History().Current();
        const int32_t range = s.endSelect[s.zoomLevel] - s.startSelect[s.zoomLevel] + 2 * host.document.Channels();
        std::vector<uint8_t> bytes(range);
        const int32_t got = source.Read(bytes.data(), range);
        const uint32_t keep = writeBytes < 0 ? std::max(got, 0) : static_cast<uint32_t>(writeBytes);
        if (got < 0 || (keep > 0 && !destination.Write(bytes.data(), keep))) {
            frame.Discard(destination, source);
            return false;
        }
        return frame.Finish(destination, source, Status::Amplify);
    }

    EditTestDocument host;
    EffectProgress progress;
    OperationFrame frame{host.document, progress};
};

TEST_F(OperationFrameTest, RangeAtTheStartCopiesNoPrefix) {
    host.Fill(Ramp(8000));
    host.Select(0, 1998);
    WaveFile destination, source;
    ASSERT_TRUE(frame.Begin(destination, source, Status::Amplify));
    EXPECT_EQ(host.Count("Block"), 0);
    EXPECT_EQ(source.Position(), 0u);
    frame.Discard(destination, source);
}

TEST_F(OperationFrameTest, LongFileBufferFallsBackToOneSecondBlocks) {
    host.Fill(Ramp(4 * 8000));
    host.Select(3 * 16000, 3 * 16000 + 100);
    WaveFile destination, source;
    ASSERT_TRUE(frame.Begin(destination, source, Status::Amplify));
    // Progress is the share of the whole source passed: 1, 2 and 3 of 4 seconds.
    EXPECT_EQ(host.log, (std::vector<std::string>{"Block 25", "Block 50", "Block 75"}));
    EXPECT_TRUE(host.document.IsIdle());
    frame.Discard(destination, source);
}

TEST_F(OperationFrameTest, HalvedRangeMovesTheRestAndKeepsTheSelection) {
    host.Fill(Ramp(8000));
    host.Select(1000, 1998);
    ASSERT_TRUE(Run(500));
    const DocState& s = *host.History().Current();
    EXPECT_EQ(s.totalBytes, 16000 - 500);
    EXPECT_EQ(s.startSelect[0], 1000);
    EXPECT_EQ(s.endSelect[0], 1498);
    EXPECT_EQ(s.selected, 1);
    EXPECT_EQ(s.endView[0], s.totalBytes);
    const auto samples = host.Samples();
    EXPECT_EQ(samples[749], 750);   // last sample of the kept half
    EXPECT_EQ(samples[750], 1001);  // the rest follows at once
    EXPECT_EQ(host.log.back(), "End");
    EXPECT_EQ(host.Count("Overview"), 1);
}

TEST_F(OperationFrameTest, RangeAtTheEndCopiesNoRest) {
    host.Fill(Ramp(8000));
    host.Select(15000, 15998);  // the frame at E is the last one
    WaveFile destination, source;
    ASSERT_TRUE(frame.Begin(destination, source, Status::Amplify));
    std::vector<uint8_t> bytes(1000);
    ASSERT_EQ(source.Read(bytes.data(), 1000), 1000);
    destination.Write(bytes.data(), 1000);
    host.log.clear();
    ASSERT_TRUE(frame.Finish(destination, source, Status::Amplify));
    EXPECT_EQ(host.Count("Block"), 0);
    EXPECT_EQ(host.History().Current()->totalBytes, 16000);
}

TEST_F(OperationFrameTest, NothingWrittenLeavesNoSelection) {
    host.Fill(Ramp(8000));
    host.Select(1000, 1998);
    ASSERT_TRUE(Run(0));
    const DocState& s = *host.History().Current();
    EXPECT_EQ(s.selected, 0);
    EXPECT_EQ(s.endSelect[0], 1998 - 1000);  // E - orig
    EXPECT_EQ(s.totalBytes, 16000 - 1000);
}

TEST_F(OperationFrameTest, NothingWrittenNearTheStartClampsTheEndToZero) {
    host.Fill(Ramp(8000));
    host.Select(0, 0);
    ASSERT_TRUE(Run(0));
    EXPECT_EQ(host.History().Current()->endSelect[0], 0);
}

TEST_F(OperationFrameTest, ZoomedStateKeepsLevelsZeroAndOne) {
    host.Fill(Ramp(8000));
    DocState& old = *host.History().Current();
    old.zoomLevel = 3;
    old.startView[3] = 500;
    old.endView[3] = 3000;
    host.Select(1000, 1998);
    ASSERT_TRUE(Run(500));
    const DocState& s = *host.History().Current();
    EXPECT_EQ(s.zoomLevel, 1);
    EXPECT_EQ(s.startView[1], 500);
    EXPECT_EQ(s.endView[1], 3000 - 1000 + 500);
    EXPECT_EQ(s.startSelect[0], 500);
    EXPECT_EQ(s.endSelect[0], 2500);
    EXPECT_EQ(s.startSelect[1], 1000);
    EXPECT_EQ(s.endSelect[1], 1498);
    EXPECT_EQ(s.startView[3], 0);  // deeper levels are not carried
    EXPECT_EQ(host.log[host.log.size() - 4], "View 500 2500");
}

TEST_F(OperationFrameTest, CancelDuringACopyDiscardsEverything) {
    for (int32_t cancelAt : {1, 4}) {  // in the prefix copy, then in the rest copy
        EditTestDocument fresh;
        fresh.SetFormat(8000, 1);
        OperationFrame other(fresh.document, progress);
        fresh.Fill(Ramp(4 * 8000));
        fresh.Select(2 * 16000, 2 * 16000 + 98);
        const size_t files = fresh.FileCount();
        int blocks = 0;
        fresh.onBlock = [&](int16_t) {
            if (++blocks == cancelAt) fresh.Cancel();
        };
        WaveFile destination, source;
        if (other.Begin(destination, source, Status::Amplify)) {
            EXPECT_FALSE(other.Finish(destination, source, Status::Amplify));
        }
        EXPECT_EQ(fresh.History().Count(), 1) << cancelAt;
        EXPECT_EQ(fresh.FileCount(), files) << cancelAt;
        EXPECT_EQ(fresh.Count("End"), 1) << cancelAt;
        EXPECT_TRUE(fresh.document.IsIdle());
    }
}

TEST_F(OperationFrameTest, EveryFileFailureLeavesTheDocumentAlone) {
    host.Fill(Ramp(4 * 8000));
    host.Select(2 * 16000, 2 * 16000 + 98);
    const std::string file = host.History().Current()->filePath;
    for (IoOp op : {IoOp::Open, IoOp::Read, IoOp::Write}) {
        IoFaults::Disarm();
        ASSERT_TRUE(Run());  // a dry run counts the calls of this kind and gives the result
        const int32_t calls = IoFaults::Calls(op);
        const std::vector<int16_t> result = host.Samples();
        ASSERT_TRUE(host.History().StepBack());
        // The dry run's state waits on the redo side; a failed run must leave it there and add
        // no file, a committed one replaces it.
        std::string redoFile = host.History().Next()->filePath;
        const size_t files = host.FileCount();
        for (int32_t nth = 1; nth <= calls; ++nth) {
            IoFaults::Arm(op, nth);
            host.log.clear();
            const bool committed = Run();
            IoFaults::Disarm();
            SCOPED_TRACE(testing::Message() << "op " << static_cast<int>(op) << " call " << nth);
            EXPECT_EQ(host.Count("End"), 1);
            if (committed) {
                // A failure the file layer recovered from (a header probe): the result is whole.
                EXPECT_EQ(host.Samples(), result);
                ASSERT_TRUE(host.History().StepBack());
                redoFile = host.History().Next()->filePath;
            }
            EXPECT_EQ(host.History().Current()->filePath, file);
            EXPECT_EQ(host.History().Count(), 2);
            EXPECT_EQ(host.History().Next()->filePath, redoFile);
            EXPECT_EQ(host.FileCount(), files);
        }
    }
    host.History().Clear();
    EXPECT_EQ(host.FileCount(), 0u) << "no working file left behind";
}

}  // namespace
}  // namespace vesk::test
