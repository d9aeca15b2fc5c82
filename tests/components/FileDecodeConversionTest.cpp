#include <gtest/gtest.h>

#include "FileDecodeTestFiles.h"
#include "components/file/DecodeSession.h"
#include "components/file/SndfileDecoder.h"
#include "support/TempDirGuard.h"

namespace vesk {
namespace {

class FileDecodeConversion : public testing::Test {
protected:
    // A session on a WAV of these samples.
    std::unique_ptr<DecodeSession> Session(const std::vector<int16_t>& samples, int32_t rate, int32_t channels) {
        const std::string path = dir_.File("in" + std::to_string(count_++) + ".wav");
        EXPECT_TRUE(test::WriteSound(path, samples, rate, channels));
        auto decoder = std::make_unique<SndfileDecoder>();
        EXPECT_EQ(decoder->Open(path, 0), 0);
        return std::make_unique<DecodeSession>(std::move(decoder));
    }

    // Every sample the session delivers, in blocks of `bytes`; checks each block's shape.
    static std::vector<int16_t> ReadAll(DecodeSession& session, int32_t bytes) {
        std::vector<int16_t> all;
        while (true) {
            SafeArrayPtr block(session.ReadBlock(bytes));
            EXPECT_LE(int64_t(block.size()) * 2, bytes);
            EXPECT_EQ(block.size() % session.Channels(), 0u);
            if (block.size() < 2) return all;
            all.insert(all.end(), block.shorts().begin(), block.shorts().end());
        }
    }

    test::ScratchDir dir_;
    int count_ = 0;
};

TEST_F(FileDecodeConversion, StereoAt44100BecomesMonoAt22050WithTheLengthAndLevelKept) {
    const std::vector<int16_t> tone = test::TwoTones(44100, 2, 44100, 1000.0, 10000.0);
    auto session = Session(tone, 44100, 2);
    ASSERT_TRUE(session->Deliver(22050, 1));
    EXPECT_EQ(session->Frequency(), 22050);
    EXPECT_EQ(session->Channels(), 1);
    EXPECT_EQ(session->LengthFrames(), 22050);
    const std::vector<int16_t> mono = ReadAll(*session, 4 * 22050);
    EXPECT_NEAR(double(mono.size()), 22050.0, 1.0);
    // The average of the two tones has the power of both halves.
    const double expected = std::sqrt(test::Rms(tone, 0, 2) * test::Rms(tone, 0, 2) / 4 +
                                      test::Rms(tone, 1, 2) * test::Rms(tone, 1, 2) / 4);
    EXPECT_NEAR(test::Rms(mono), expected, expected * 0.02);
}

TEST_F(FileDecodeConversion, ChannelsAloneAreAveragedOrDuplicatedExactly) {
    std::vector<int16_t> stereo;
    for (int i = 0; i < 5000; ++i) stereo.insert(stereo.end(), {int16_t(i % 300), int16_t(-(i % 700))});
    auto down = Session(stereo, 8000, 2);
    ASSERT_TRUE(down->Deliver(8000, 1));
    const std::vector<int16_t> mono = ReadAll(*down, 999);
    ASSERT_EQ(mono.size(), 5000u);
    EXPECT_EQ(mono[299], (299 - 299) / 2);
    EXPECT_EQ(mono[4999], (4999 % 300 - 4999 % 700) / 2);

    auto up = Session(mono, 8000, 1);
    ASSERT_TRUE(up->Deliver(8000, 2));
    const std::vector<int16_t> wide = ReadAll(*up, 4 * 8000);
    ASSERT_EQ(wide.size(), 10000u);
    for (size_t i = 0; i < mono.size(); i += 97) {
        EXPECT_EQ(wide[2 * i], mono[i]);
        EXPECT_EQ(wide[2 * i + 1], mono[i]);
    }
}

// Upsampling a mono file to stereo: rate first, then duplication, in blocks of any size.
TEST_F(FileDecodeConversion, BlockSizeDoesNotChangeWhatIsDelivered) {
    const std::vector<int16_t> tone = test::TwoTones(11025, 1, 11025, 440.0);
    std::vector<std::vector<int16_t>> results;
    for (int32_t bytes : {4, 1002, 4 * 44100}) {
        auto session = Session(tone, 11025, 1);
        ASSERT_TRUE(session->Deliver(44100, 2));
        results.push_back(ReadAll(*session, bytes));
    }
    EXPECT_EQ(results[0].size(), 2u * 44100);
    EXPECT_TRUE(results[0] == results[1]);
    EXPECT_TRUE(results[1] == results[2]);
}

TEST_F(FileDecodeConversion, TheSourcesOwnFormatNeedsNoConversion) {
    const std::vector<int16_t> tone = test::TwoTones(1000, 2, 44100);
    auto session = Session(tone, 44100, 2);
    ASSERT_TRUE(session->Deliver(0, 0));
    EXPECT_EQ(session->Frequency(), 44100);
    EXPECT_TRUE(ReadAll(*session, 400) == tone);
    SafeArrayPtr tooSmall(session->ReadBlock(3));  // less than one frame
    EXPECT_EQ(tooSmall.size(), 0u);
}

}  // namespace
}  // namespace vesk
