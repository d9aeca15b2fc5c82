// The edit commands on a fake host: clipboard copies, pastes that replace or insert, the
// saturating mix, silence, the array entry points and the error path of file pastes.
#include <gtest/gtest.h>

#include "EditTestDocument.h"
#include "edit/EditCommands.h"
#include "platform/io/IoFaults.h"
#include "control/FakeFileComponent.h"

namespace vesk::test {
namespace {

class EditCommandsTest : public testing::Test {
protected:
    void SetUp() override { host.SetFormat(8000, 1); }
    std::vector<int16_t> Clip() {
        WaveFile file;
        EXPECT_TRUE(file.Open(host.document.TempFileName(), WaveMode::Read));
        std::vector<int16_t> samples(file.DataSize() / 2);
        if (!samples.empty()) file.Read(samples.data(), file.DataSize());
        file.Close();
        return samples;
    }

    EditTestDocument host;
    EffectProgress progress;
    OperationFrame frame{host.document, progress};
    EditCommands edits{host.document, frame};
};

TEST_F(EditCommandsTest, EmptyCopyMakesAnEmptyClipThatStillPastes) {
    host.Fill(Ramp(100));
    host.Select(40, 40);
    edits.Copy();
    EXPECT_TRUE(Clip().empty());
    EXPECT_EQ(host.Count("End"), 1);
    edits.Paste();
    EXPECT_EQ(host.History().Count(), 2);
    EXPECT_EQ(host.Samples(), Ramp(100));
}

// A full disk while copying: every failing write and every failing file creation leaves the
// previous clipboard whole, reports FILEACCESS, and leaves no partial file beside it.
TEST_F(EditCommandsTest, ACopyThatCannotBeWrittenLeavesThePreviousClipboard) {
    host.SetFormat(8000, 1);
    host.Fill(Ramp(8000 * 3));
    host.document.SetFileBufferSize(100);  // many blocks
    host.Select(0, 20);
    edits.Copy();
    const std::vector<int16_t> previous = Clip();
    const size_t files = host.FileCount();
    host.Select(0, 2 * 8000 * 3);
    int failures = 0;
    for (IoOp op : {IoOp::Open, IoOp::Write}) {
        IoFaults::Disarm();
        edits.Copy();
        const int32_t calls = IoFaults::Calls(op);
        for (int32_t nth = 1; nth <= calls; ++nth) {
            host.Select(0, 20);
            edits.Copy();  // the small clipboard again
            host.Select(0, 2 * 8000 * 3);
            IoFaults::Arm(op, nth);
            edits.Copy();
            IoFaults::Disarm();
            SCOPED_TRACE(testing::Message() << "op " << static_cast<int>(op) << " call " << nth);
            if (host.document.LastErrorNum() == 0) continue;  // a failure the file layer recovered from
            ++failures;
            EXPECT_EQ(host.document.LastErrorNum(), -18);
            EXPECT_EQ(Clip(), previous);
            EXPECT_EQ(host.FileCount(), files);
            EXPECT_TRUE(host.document.IsIdle());
        }
    }
    EXPECT_GT(failures, 10);
}

TEST_F(EditCommandsTest, PasteOverASelectionKeepsTheFrameAtItsEnd) {
    host.Fill(Ramp(100));
    host.Select(20, 40);  // samples 10..19 go to the clip
    edits.Copy();
    EXPECT_EQ(Clip(), (std::vector<int16_t>{11, 12, 13, 14, 15, 16, 17, 18, 19, 20}));
    host.Select(0, 4);  // replace samples 0 and 1
    edits.Paste();
    const auto samples = host.Samples();
    ASSERT_EQ(samples.size(), 108u);
    EXPECT_EQ(samples[0], 11);
    EXPECT_EQ(samples[9], 20);
    EXPECT_EQ(samples[10], 3);  // the sample at E remains
    const DocState& s = *host.History().Current();
    EXPECT_EQ(s.endSelect[0], 18);  // the new selection covers the clip, its last frame at E
    EXPECT_EQ(s.selected, 1);
}

TEST_F(EditCommandsTest, MonoClipGoesIntoStereoByteForByte) {
    host.Fill(Ramp(10));
    host.Select(0, 8);
    edits.Copy();  // 4 mono samples
    EditTestDocument stereo;
    stereo.Fill(Ramp(8));
    stereo.Select(4, 4, false);
    std::filesystem::copy_file(host.document.TempFileName(), stereo.document.TempFileName());
    OperationFrame stereoFrame(stereo.document, progress);
    EditCommands stereoEdits(stereo.document, stereoFrame);
    stereoEdits.Paste();
    EXPECT_EQ(stereo.Samples(), (std::vector<int16_t>{1, 2, 1, 2, 3, 4, 3, 4, 5, 6, 7, 8}));
}

TEST_F(EditCommandsTest, MixSaturatesAndStopsAtTheSelectionEnd) {
    host.Fill(std::vector<int16_t>(10, 30000));
    host.Select(0, 20);
    edits.Copy();
    host.Select(2, 6);  // mix two samples
    edits.Mix(100, 100);
    const auto samples = host.Samples();
    EXPECT_EQ(samples[0], 30000);
    EXPECT_EQ(samples[1], 32767);
    EXPECT_EQ(samples[2], 32767);
    EXPECT_EQ(samples[3], 30000);
    EXPECT_EQ(samples.size(), 10u);
}

TEST_F(EditCommandsTest, InsertSilenceSelectsWhatItInserted) {
    host.SetFormat(11025, 2);
    host.Fill(Ramp(100));
    host.Select(40, 40, false);
    edits.InsertSilence(20);
    const DocState& s = *host.History().Current();
    // The selection counts its frame at EndSelect: 220 frames.
    EXPECT_EQ(s.endSelect[0] - s.startSelect[0] + 4, 880);
    EXPECT_EQ(s.selected, 1);
    EXPECT_EQ(s.totalBytes, 200 + 880);
}

TEST_F(EditCommandsTest, CutWithoutSelectionDoesNothing) {
    host.Fill(Ramp(100));
    host.Select(40, 40, false);
    edits.Cut();
    EXPECT_TRUE(host.log.empty());
    EXPECT_EQ(host.History().Count(), 1);
}

TEST_F(EditCommandsTest, DeleteSelectLeavesACursor) {
    host.Fill(Ramp(100));
    host.Select(20, 40);
    edits.DeleteSelect();
    const DocState& s = *host.History().Current();
    EXPECT_EQ(s.totalBytes, 180);
    EXPECT_EQ(s.selected, 0);
    EXPECT_EQ(host.Samples()[10], 21);
}

TEST_F(EditCommandsTest, PasteFromAFileThatCannotOpenReportsOnce) {
    host.Fill(Ramp(100));
    auto fake = MakeCom<FakeFileComponent>();
    fake->error = -12;
    host.UseFileComponent([&] { return ComPtr<IVeskAudioFile>(fake.get()); });
    edits.PasteFromFile("missing.xyz");
    EXPECT_EQ(host.log, (std::vector<std::string>{"Error -12"}));
    EXPECT_EQ(host.document.LastErrorNum(), -12);
    EXPECT_EQ(host.History().Count(), 1);
}

TEST_F(EditCommandsTest, PasteFromFileInsertsTheDecodedBlocks) {
    host.Fill(Ramp(10));
    host.Select(4, 4, false);
    auto fake = MakeCom<FakeFileComponent>();
    fake->blocks = {{-1, -2}, {-3, -4}};
    host.UseFileComponent([&] { return ComPtr<IVeskAudioFile>(fake.get()); });
    edits.PasteFromFile("any.wav");
    EXPECT_EQ(host.Samples(), (std::vector<int16_t>{1, 2, -1, -2, -3, -4, 3, 4, 5, 6, 7, 8, 9, 10}));
}

TEST_F(EditCommandsTest, ArraysRoundTripTheSelection) {
    host.Fill(Ramp(10));
    host.Select(4, 12);
    SafeArrayPtr selection(edits.GetSelectionArray());
    ASSERT_EQ(selection.size(), 4u);
    EXPECT_EQ(selection.shorts()[0], 3);
    host.Select(0, 0, false);
    edits.PutSampleArray(selection.get());
    EXPECT_EQ(host.Samples(), (std::vector<int16_t>{3, 4, 5, 6, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
}

}  // namespace
}  // namespace vesk::test
