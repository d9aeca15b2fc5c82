#include <cstdlib>
#include <fstream>
#include <iterator>

#include "components/ComponentErrors.h"
#include "control/ControlTestSupport.h"
#include "edit/SystemClipboardCommands.h"
#include "platform/io/IoFaults.h"

namespace vesk {
namespace {

std::vector<uint8_t> FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class SystemClipboardTest : public test::ControlFixture {
protected:
    void SetUp() override {
        ControlFixture::SetUp();
        clipboardFile = scratch.WithSlash() + "clip.wav";
        Bstr name(clipboardFile);
        control->put_TempFileName(name.get());
        // Risky bytes in the sound: CR LF (0x0A0D) and EOF (0x1A).
        PushState({0x0A0D, 0x1A, 3, 4, 5, 6, 7, 8}, 8000, 1);
        ComPtr<IAudioEditorPosition> position;
        control->get_Position(position.put());
        position->put_Selected(VARIANT_TRUE);
        position->put_StartSelect(1);
        position->put_EndSelect(5);
    }
    void TearDown() override {
        IoFaults::Disarm();
        ControlFixture::TearDown();
    }
    std::vector<int16_t> Samples() {
        WaveFile file;
        EXPECT_TRUE(file.Open(control->History().Current()->filePath, WaveMode::Read));
        std::vector<int16_t> samples(file.DataSize() / 2);
        file.Read(samples.data(), file.DataSize());
        return samples;
    }
    int16_t Status() {
        int16_t status = 0;
        control->get_Status(&status);
        return status;
    }
    std::string clipboardFile;
};

TEST_F(SystemClipboardTest, OffersTheFileCopyWroteByteForByte) {
    control->CopyToClipboard();
    const auto offered = clipboard.Fetch();
    ASSERT_TRUE(offered.has_value());
    EXPECT_EQ(*offered, FileBytes(clipboardFile));
    ASSERT_GE(offered->size(), 8u);
    const uint32_t riffBytes = (*offered)[4] | (*offered)[5] << 8 | (*offered)[6] << 16 | (*offered)[7] << 24;
    EXPECT_EQ(riffBytes + 8, offered->size());  // the complete file, not its data alone
    EXPECT_EQ(Status(), 0);
}

TEST_F(SystemClipboardTest, ABusyControlNeitherPastesNorLosesItsStatus) {
    control->Doc().SetStatus(vesk::Status::Playing);
    clipboard.Offer({1, 2, 3});
    control->PasteFromClipboard();
    EXPECT_EQ(control->History().Count(), 1);
    // The copy is refused while playing, but the earlier clipboard file is still offered, and
    // the playback's Status survives the offer.
    control->Doc().SetStatus(vesk::Status::Idle);
    control->Copy();
    clipboard.Clear();
    control->Doc().SetStatus(vesk::Status::Playing);
    control->CopyToClipboard();
    EXPECT_EQ(Status(), 1);
    EXPECT_EQ(clipboard.Fetch(), FileBytes(clipboardFile));
}

TEST_F(SystemClipboardTest, AnImageNoDecoderReadsIsReportedAndChangesNothing) {
    clipboard.Offer({'R', 'I', 'F', 'F', 0x0D, 0x0A, 0x1A});
    events->events.clear();
    control->PasteFromClipboard();
    int32_t error = 0;
    control->get_LastErrorNum(&error);
    EXPECT_NE(error, 0);
    EXPECT_EQ(control->History().Count(), 1);
    EXPECT_FALSE(std::filesystem::exists(test::SystemTempDir() / SystemClipboardCommands::kIncomingFileName));
}

// The exchange file of a paste lives in the system's temporary folder; here a private one.
class TemporaryFolder {
public:
    TemporaryFolder() : saved_(std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "") {
        setenv("TMPDIR", folder_.path().c_str(), 1);
    }
    ~TemporaryFolder() {
        if (saved_.empty()) {
            unsetenv("TMPDIR");
        } else {
            setenv("TMPDIR", saved_.c_str(), 1);
        }
    }
    bool Empty() const { return std::filesystem::is_empty(folder_.path()); }

private:
    test::ScratchDir folder_;
    std::string saved_;
};

// Reads fail inside the decoder, which PasteFromFile handles; the opens, writes and closes are
// where the exchange file is made.
TEST_F(SystemClipboardTest, EveryFileFailureOfAPastePastesNothingOrAllAndLeavesNoExchangeFile) {
    TemporaryFolder temporary;
    control->Copy();
    clipboard.Offer(FileBytes(clipboardFile));
    ComPtr<IAudioEditorPosition> position;
    control->get_Position(position.put());
    position->put_Selected(VARIANT_FALSE);  // the paste goes in at the cursor, frame 1
    const std::vector<int16_t> before = Samples();
    std::vector<int16_t> pasted = before;
    pasted.insert(pasted.begin() + 1, before.begin() + 1, before.begin() + 5);
    for (const IoOp op : {IoOp::Open, IoOp::Write, IoOp::Close}) {
        IoFaults::Disarm();
        control->PasteFromClipboard();
        ASSERT_EQ(Samples(), pasted);
        const int32_t calls = IoFaults::Calls(op);
        control->Undo();
        for (int32_t nth = 1; nth <= calls; ++nth) {
            SCOPED_TRACE(testing::Message() << "failing call " << nth << " of " << calls << " (" << int(op) << ")");
            IoFaults::Arm(op, nth, op == IoOp::Write ? IoFault::DiskFull : IoFault::Error);
            control->PasteFromClipboard();
            IoFaults::Disarm();
            const std::vector<int16_t> after = Samples();
            EXPECT_TRUE(after == before || after == pasted);
            EXPECT_TRUE(temporary.Empty());
            if (after == pasted) control->Undo();
        }
        EXPECT_GT(calls, 0);
    }
}

TEST_F(SystemClipboardTest, EveryFileFailureOfACopyIsReportedOnceAndOffersNothingOrTheWholeFile) {
    for (const IoOp op : {IoOp::Open, IoOp::Read, IoOp::Write, IoOp::Close}) {
        IoFaults::Disarm();
        control->CopyToClipboard();
        const int32_t calls = IoFaults::Calls(op);
        const std::vector<uint8_t> whole = FileBytes(clipboardFile);
        EXPECT_GT(calls, 0);
        for (int32_t nth = 1; nth <= calls; ++nth) {
            SCOPED_TRACE(testing::Message() << "failing call " << nth << " of " << calls << " (" << int(op) << ")");
            clipboard.Clear();
            events->events.clear();
            IoFaults::Arm(op, nth, op == IoOp::Write ? IoFault::DiskFull : IoFault::Error);
            control->CopyToClipboard();
            IoFaults::Disarm();
            const auto offered = clipboard.Fetch();
            if (events->Count(kError) == 0) {
                EXPECT_EQ(offered, whole);
            } else {
                EXPECT_EQ(events->Count(kError), 1);
                EXPECT_EQ(events->FirstArg(kError), component_error::kFileAccess);
                EXPECT_FALSE(offered.has_value());
            }
            EXPECT_EQ(FileBytes(clipboardFile), whole);  // a failed copy keeps the clipboard file
        }
    }
}

}  // namespace
}  // namespace vesk
