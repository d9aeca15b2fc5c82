#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "FileEncodeTestSupport.h"
#include "support/TempDirGuard.h"

namespace vesk {
namespace {

// The fields of an MPEG audio frame header that the settings control.
struct FrameHeader {
    bool crcProtected = false;
    int mode = -1;  // 0 stereo, 1 joint stereo, 2 dual channel, 3 mono
    int emphasis = -1;
};

class FileEncodeMp3 : public testing::Test {
protected:
    std::string Encode(const LameSettingsValues& settings, const EncoderInput& input = {44100, 2}) {
        const std::string path = dir_.File("song.mp3");
        const auto samples = test::TwoToneSignal(input.frequency, input.channels, input.frequency);
        EXPECT_EQ(test::EncodeFile(path, mp3_, 0, samples, input, &settings), 0);
        return path;
    }

    static std::string Bytes(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    // The header of the frame after the first (which carries the Xing/Info tag); the first
    // frame's length follows from its own header.
    static FrameHeader SecondFrame(const std::string& bytes) {
        const size_t second = FrameBytes(bytes);
        if (second == 0 || second + 4 > bytes.size()) return {};
        const auto b1 = static_cast<unsigned char>(bytes[second + 1]);
        const auto b3 = static_cast<unsigned char>(bytes[second + 3]);
        return {(b1 & 1) == 0, b3 >> 6, b3 & 3};
    }

    static size_t FrameBytes(const std::string& bytes) {
        static constexpr int kMpeg1Kbps[] = {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320};
        static constexpr int kMpeg2Kbps[] = {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160};
        static constexpr int kMpeg1Hz[] = {44100, 48000, 32000};
        if (bytes.size() < 4) return 0;
        const auto b1 = static_cast<unsigned char>(bytes[1]);
        const auto b2 = static_cast<unsigned char>(bytes[2]);
        const int version = (b1 >> 3) & 3;  // 3 MPEG-1, 2 MPEG-2, 0 MPEG-2.5
        const int index = b2 >> 4;
        const int rate = (b2 >> 2) & 3;
        if (index == 0 || index == 15 || rate == 3) return 0;
        const int hz = kMpeg1Hz[rate] / (version == 3 ? 1 : version == 2 ? 2 : 4);
        const int kbps = version == 3 ? kMpeg1Kbps[index] : kMpeg2Kbps[index];
        return static_cast<size_t>((version == 3 ? 144000 : 72000) * kbps / hz + ((b2 >> 1) & 1));
    }

    static bool FirstFrameHasTag(const std::string& bytes) {
        const std::string head = bytes.substr(0, 200);
        return head.find("Xing") != std::string::npos || head.find("Info") != std::string::npos;
    }

    test::ScratchDir dir_;
    OutputFormat mp3_{.codec = OutputCodec::Mp3, .frequencyHz = 44100, .channels = 2, .bitrateKbps = 128};
};

TEST_F(FileEncodeMp3, VbrCarriesAXingHeaderAndConstantRateAnInfoHeader) {
    LameSettingsValues settings;
    settings.vbrCodingMethod = 2;
    settings.vbrQuality = 2;
    const std::string vbr = Bytes(Encode(settings));
    EXPECT_NE(vbr.substr(0, 200).find("Xing"), std::string::npos);

    settings.vbrCodingMethod = -1;
    EXPECT_NE(Bytes(Encode(settings)).substr(0, 200).find("Info"), std::string::npos);

    settings.writingVbrHeader = VARIANT_FALSE;
    EXPECT_FALSE(FirstFrameHasTag(Bytes(Encode(settings))));
}

TEST_F(FileEncodeMp3, ConstantBitrateIsWhatAnIndependentReaderReports) {
    if (!test::HasTool("ffprobe")) GTEST_SKIP() << "ffprobe not installed";
    LameSettingsValues settings;
    settings.bitrateKbps = 192;
    const std::string path = Encode(settings);
    EXPECT_EQ(test::ProbeStream(path, "codec_name"), "mp3");
    EXPECT_EQ(test::ProbeStream(path, "bit_rate"), "192000");
    EXPECT_EQ(test::ProbeStream(path, "sample_rate"), "44100");
    EXPECT_EQ(test::ProbeStream(path, "channels"), "2");
}

// 44.1 kHz stereo blocks become a 22.05 kHz mono MP3 of the same length and content.
TEST_F(FileEncodeMp3, ConvertsTheInputToTheOutputRateAndChannels) {
    if (!test::HasTool("ffmpeg")) GTEST_SKIP() << "ffmpeg not installed";
    LameSettingsValues settings;
    settings.frequencyHz = 22050;
    settings.channels = 1;
    settings.bitrateKbps = 64;
    const std::string path = Encode(settings);
    EXPECT_EQ(test::ProbeStream(path, "sample_rate"), "22050");
    EXPECT_EQ(test::ProbeStream(path, "channels"), "1");
    const test::DecodedSound got = test::ReadWithFfmpeg(path, 22050, 1);
    EXPECT_NEAR(static_cast<double>(got.Frames()), 22050.0, 576.0);
    // The left channel of the input was a 440 + 1000 Hz mix and the right 660 + 1500 Hz: the
    // mono output is their average at the new rate.
    test::DecodedSound want{22050, 2, test::TwoToneSignal(22050, 2, 22050)};
    for (size_t i = 0; i < want.samples.size(); i += 2) {
        want.samples[i] = static_cast<int16_t>((want.samples[i] + want.samples[i + 1]) / 2);
    }
    EXPECT_GT(test::BestCorrelation(want, got, 1200), 0.95);
}

TEST_F(FileEncodeMp3, FrameFlagsFollowTheSettings) {
    LameSettingsValues settings;
    settings.typeStereo = 1;
    settings.errorProtection = VARIANT_TRUE;
    settings.emphasis = 1;
    FrameHeader header = SecondFrame(Bytes(Encode(settings)));
    EXPECT_EQ(header.mode, 0);
    EXPECT_TRUE(header.crcProtected);
    EXPECT_EQ(header.emphasis, 1);

    settings = {};
    settings.typeStereo = 3;
    EXPECT_EQ(SecondFrame(Bytes(Encode(settings))).mode, 1);
    settings.typeStereo = 4;
    EXPECT_EQ(SecondFrame(Bytes(Encode(settings))).mode, 2);

    settings = {};
    settings.channels = 1;
    header = SecondFrame(Bytes(Encode(settings)));
    EXPECT_EQ(header.mode, 3);
    EXPECT_FALSE(header.crcProtected);
    EXPECT_EQ(header.emphasis, 0);
}

TEST_F(FileEncodeMp3, AverageBitrateLandsNearTheTarget) {
    if (!test::HasTool("ffprobe")) GTEST_SKIP() << "ffprobe not installed";
    LameSettingsValues settings;
    settings.vbrCodingMethod = 4;
    settings.abrBitrateKbps = 96;
    settings.bitrateKbps = 0;
    const std::string path = Encode(settings);
    const double kbps = std::atof(test::ProbeStream(path, "bit_rate").c_str()) / 1000;
    EXPECT_NEAR(kbps, 96, 30);
}

TEST_F(FileEncodeMp3, RefusesABitrateTheRateDoesNotAllow) {
    LameSettingsValues settings;
    settings.bitrateKbps = 8;  // below MPEG-1's lowest
    const auto samples = test::TwoToneSignal(44100, 2, 100);
    EXPECT_EQ(test::EncodeFile(dir_.File("low.mp3"), mp3_, 0, samples, {44100, 2}, &settings), -13);
}

// Without the settings object the held format alone decides.
TEST_F(FileEncodeMp3, WithoutSettingsTheHeldFormatDecides) {
    if (!test::HasTool("ffprobe")) GTEST_SKIP() << "ffprobe not installed";
    const OutputFormat format{.codec = OutputCodec::Mp3, .frequencyHz = 32000, .channels = 1, .bitrateKbps = 48};
    const std::string path = dir_.File("plain.mp3");
    ASSERT_EQ(test::EncodeFile(path, format, 0, test::TwoToneSignal(32000, 1, 32000), {32000, 1}), 0);
    EXPECT_EQ(test::ProbeStream(path, "sample_rate"), "32000");
    EXPECT_EQ(test::ProbeStream(path, "bit_rate"), "48000");
}

}  // namespace
}  // namespace vesk
