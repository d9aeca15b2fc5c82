#include <fstream>
#include <iterator>

#include "control/ControlTestSupport.h"
#include "edit/SystemClipboardCommands.h"

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

}  // namespace
}  // namespace vesk
