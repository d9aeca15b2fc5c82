#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "components/ComponentErrors.h"
#include "components/ComponentNames.h"
#include "components/ComponentRegistration.h"
#include "components/cd/LibcdioCdReader.h"
#include "components/RecordingSink.h"
#include "platform/io/IoFaults.h"
#include "support/TempDirGuard.h"

namespace vesk {
namespace {

constexpr int32_t kFramesPerSector = 588;
constexpr int32_t kTrack1Sectors = 200;
constexpr int32_t kTrack2Sectors = 163;

// The known sample of the image at interleaved index i (left and right differ).
int16_t ImageSample(int64_t i) { return static_cast<int16_t>((i % 2 == 0) ? (i * 7) % 65536 - 32768 : -(i % 30011)); }

// Writes a BIN/CUE image of two audio tracks as raw CD-DA sectors and names it in
// VESK_CD_IMAGES for the readers the test creates (the old value is restored afterwards).
class CdImage {
public:
    explicit CdImage(const test::ScratchDir& dir) : cue_(dir.File("disc.cue")) {
        std::ofstream bin(dir.File("disc.bin"), std::ios::binary);
        for (int64_t i = 0; i < int64_t{kTrack1Sectors + kTrack2Sectors} * kFramesPerSector * 2; ++i) {
            int16_t sample = ImageSample(i);
            char bytes[2] = {static_cast<char>(sample & 0xFF), static_cast<char>((sample >> 8) & 0xFF)};
            bin.write(bytes, 2);
        }
        std::ofstream(cue_) << "FILE \"disc.bin\" BINARY\n  TRACK 01 AUDIO\n    INDEX 01 00:00:00\n"
                            << "  TRACK 02 AUDIO\n    INDEX 01 00:02:50\n";  // 2 s 50 sectors = sector 200
        if (const char* old = std::getenv(CdDriveList::kImagesVariable)) saved_ = old, hadValue_ = true;
        setenv(CdDriveList::kImagesVariable, ("/no/such/image.cue;" + cue_).c_str(), 1);
    }
    ~CdImage() {
        if (hadValue_) setenv(CdDriveList::kImagesVariable, saved_.c_str(), 1);
        else unsetenv(CdDriveList::kImagesVariable);
    }
    const std::string& Cue() const { return cue_; }

private:
    std::string cue_;
    std::string saved_;
    bool hadValue_ = false;
};

std::vector<uint8_t> ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class CdReaderTest : public testing::Test {
protected:
    int32_t LastError() {
        int32_t code = 12345;
        EXPECT_EQ(reader_->GetLastError(&code), S_OK);
        return code;
    }
    // Selects the test image (the last drive) and opens it.
    void OpenImage() {
        int32_t count = 0;
        reader_->GetDriveCount(&count);
        reader_->SelectDrive(count);
        reader_->OpenDrive();
        ASSERT_EQ(LastError(), 0);
    }
    int32_t TrackLength(int32_t track) {
        reader_->SelectTrack(track);
        int32_t frames = -1;
        reader_->GetTrackLength(&frames);
        return frames;
    }
    int32_t Rip(const std::string& path) {
        Bstr name(path);
        reader_->RipTrack(name.get());
        return LastError();
    }

    test::ScratchDir dir_;
    CdImage image_{dir_};
    ComPtr<LibcdioCdReader> reader_ = MakeCom<LibcdioCdReader>();
};

TEST_F(CdReaderTest, ImagesAreDrivesNamedByTheirPath) {
    int32_t count = 0;
    reader_->GetDriveCount(&count);
    ASSERT_GE(count, 2);
    reader_->SelectDrive(count);
    Bstr name;
    reader_->GetDriveName(name.put());
    EXPECT_EQ(name.utf8(), image_.Cue() + "/");
    // The listed image that does not exist cannot be opened.
    reader_->SelectDrive(count - 1);
    reader_->OpenDrive();
    EXPECT_EQ(LastError(), component_error::kAspiDriver);
}

TEST_F(CdReaderTest, ImageListSkipsEmptyItems) {
    std::vector<CdDrive> images = CdDriveList::ImagesFrom(";a.cue;;b.cue;");
    ASSERT_EQ(images.size(), 2u);
    EXPECT_EQ(images[0].path, "a.cue");
    EXPECT_EQ(images[1].path, "b.cue");
    EXPECT_TRUE(images[1].isImage);
}

TEST_F(CdReaderTest, TrackLengthsAreInFrames) {
    OpenImage();
    EXPECT_EQ(TrackLength(1), kTrack1Sectors * kFramesPerSector);
    EXPECT_EQ(TrackLength(2), kTrack2Sectors * kFramesPerSector);
    EXPECT_EQ(TrackLength(3), 0);
    EXPECT_EQ(TrackLength(0), 0);
}

TEST_F(CdReaderTest, EveryRipModeCopiesExactlyTheTrackWithProgress) {
    OpenImage();
    reader_->SelectTrack(2);
    const uint32_t dataBytes = kTrack2Sectors * kFramesPerSector * 4;
    for (int32_t mode = 1; mode <= 3; ++mode) {
        auto sink = MakeCom<test::RecordingSink>();
        uint32_t cookie = AdviseSink(static_cast<ICdReader*>(reader_.get()), IID_CdReaderEvents, sink.get());
        ASSERT_NE(cookie, 0u);
        reader_->SetRipMode(mode);
        const std::string path = dir_.File("track" + std::to_string(mode));
        ASSERT_EQ(Rip(path), 0) << mode;
        UnadviseSink(static_cast<ICdReader*>(reader_.get()), IID_CdReaderEvents, cookie);

        std::vector<uint8_t> file = ReadFile(path + ".wav");
        ASSERT_EQ(file.size(), 44u + dataBytes) << mode;
        // The canonical header of a 16-bit 44100 Hz stereo wave file of the track.
        const std::vector<uint8_t> header(file.begin(), file.begin() + 44);
        const uint32_t riffSize = 36 + dataBytes;
        const std::vector<uint8_t> expected{
            'R', 'I', 'F', 'F', uint8_t(riffSize), uint8_t(riffSize >> 8), uint8_t(riffSize >> 16), 0,
            'W', 'A', 'V', 'E', 'f', 'm', 't', ' ', 16, 0, 0, 0, 1, 0, 2, 0, 0x44, 0xAC, 0, 0,
            0x10, 0xB1, 0x02, 0, 4, 0, 16, 0, 'd', 'a', 't', 'a',
            uint8_t(dataBytes), uint8_t(dataBytes >> 8), uint8_t(dataBytes >> 16), 0};
        EXPECT_EQ(header, expected) << mode;
        const int64_t first = int64_t{kTrack1Sectors} * kFramesPerSector * 2;
        int64_t mismatches = 0;
        for (int64_t i = 0; i < dataBytes / 2; ++i) {
            int16_t sample = static_cast<int16_t>(file[44 + 2 * i] | (file[45 + 2 * i] << 8));
            mismatches += sample != ImageSample(first + i);
        }
        EXPECT_EQ(mismatches, 0) << mode;

        const std::vector<test::RecordedEvent>& events = sink->Events();
        ASSERT_FALSE(events.empty()) << mode;
        for (size_t i = 0; i < events.size(); ++i) {
            EXPECT_EQ(events[i].id, cd_reader_event::kProgress);
            if (i > 0) {
                EXPECT_GT(events[i].args.at(0), events[i - 1].args.at(0));
            }
        }
        EXPECT_EQ(events.back().args, std::vector<int32_t>{100}) << mode;
    }
}

TEST_F(CdReaderTest, RippingWithoutADiscFailsAndWritesNothing) {
    reader_->SelectDrive(0);
    EXPECT_EQ(LastError(), component_error::kAspiDriver);
    reader_->OpenDrive();
    EXPECT_EQ(LastError(), component_error::kAspiDriver);
    const std::string path = dir_.File("nothing");
    EXPECT_EQ(Rip(path), component_error::kAspiDriver);
    EXPECT_FALSE(std::filesystem::exists(path + ".wav"));

    OpenImage();
    reader_->SelectTrack(9);
    EXPECT_EQ(Rip(path), component_error::kInvalidParam);
    reader_->SelectTrack(1);
    EXPECT_EQ(Rip(dir_.File("no/such/folder/track")), component_error::kFileAccess);
}

TEST_F(CdReaderTest, EveryWriteFailureEndsTheCopyWithoutAFile) {
    OpenImage();
    reader_->SelectTrack(1);
    const std::string path = dir_.File("faulty");
    IoFaults::Disarm();
    ASSERT_EQ(Rip(path), 0);
    const int32_t writes = IoFaults::Calls(IoOp::Write);
    ASSERT_TRUE(std::filesystem::remove(path + ".wav"));
    for (int32_t nth = 1; nth <= writes; ++nth) {
        IoFaults::Arm(IoOp::Write, nth);
        EXPECT_EQ(Rip(path), component_error::kFileAccess) << nth;
        EXPECT_FALSE(std::filesystem::exists(path + ".wav")) << nth;
    }
    IoFaults::Disarm();
}

TEST_F(CdReaderTest, IsRegisteredWithItsProgressPoint) {
    ClassRegistry registry;
    RegisterStockComponents(registry);
    ComPtr<ICdReader> reader = registry.Create<ICdReader>(kCdReaderName);
    ASSERT_TRUE(reader);
    ComPtr<IConnectionPoint> point;
    EXPECT_EQ(reader.As<IConnectionPointContainer>()->FindConnectionPoint(IID_CdReaderEvents, point.put()), S_OK);
}

}  // namespace
}  // namespace vesk
