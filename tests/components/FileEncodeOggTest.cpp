#include <gtest/gtest.h>

#include <cstdlib>

#include "FileEncodeTestSupport.h"
#include "support/TempDirGuard.h"

namespace vesk {
namespace {

class FileEncodeOgg : public testing::Test {
protected:
    void SetUp() override {
        if (!test::HasTool("ffprobe")) GTEST_SKIP() << "ffprobe not installed";
    }

    std::string Encode(const OutputFormat& format, const char* name, EncoderInput input) {
        const std::string path = dir_.File(name);
        const auto samples = test::TwoToneSignal(input.frequency, input.channels, input.frequency / 2);
        EXPECT_EQ(test::EncodeFile(path, format, 0, samples, input), 0);
        return path;
    }

    static double NominalKbps(const std::string& path) {
        return std::atof(test::ProbeStream(path, "bit_rate").c_str()) / 1000;
    }

    test::ScratchDir dir_;
};

// Vorbis announces its nominal bitrate in the header: the quality chosen must give the one wanted.
TEST_F(FileEncodeOgg, VorbisNominalBitrateIsTheOneAskedFor) {
    for (const auto& [hz, channels, kbps] : {std::tuple{44100, 2, 112}, std::tuple{22050, 1, 48}, std::tuple{48000, 2, 192}}) {
        const OutputFormat format{.codec = OutputCodec::OggVorbis, .frequencyHz = hz, .channels = channels, .bitrateKbps = kbps};
        const std::string path = Encode(format, "a.ogg", {hz, channels});
        EXPECT_EQ(test::ProbeStream(path, "codec_name"), "vorbis");
        EXPECT_NEAR(NominalKbps(path), kbps, kbps * 0.05) << hz << " Hz " << channels << " ch";
    }
}

TEST_F(FileEncodeOgg, AGivenQualityReplacesTheBitrate) {
    OutputFormat format{.codec = OutputCodec::OggVorbis, .frequencyHz = 44100, .channels = 2, .bitrateKbps = 320};
    format.quality = 0;
    EXPECT_LT(NominalKbps(Encode(format, "low.ogg", {44100, 2})), 96);
    format.quality = 10;
    EXPECT_GT(NominalKbps(Encode(format, "high.ogg", {44100, 2})), 320);
}

// Opus runs at 48 kHz; a 44.1 kHz format is converted rather than refused.
TEST_F(FileEncodeOgg, OpusTakesAnyRate) {
    const OutputFormat format{.codec = OutputCodec::OggVorbis, .frequencyHz = 44100, .channels = 1, .bitrateKbps = 64};
    const std::string path = Encode(format, "a.opus", {44100, 1});
    EXPECT_EQ(test::ProbeStream(path, "codec_name"), "opus");
    EXPECT_EQ(test::ProbeStream(path, "sample_rate"), "48000");
    EXPECT_EQ(test::ProbeStream(path, "channels"), "1");
}

}  // namespace
}  // namespace vesk
