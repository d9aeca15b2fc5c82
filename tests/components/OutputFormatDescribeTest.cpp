#include <gtest/gtest.h>

#include "components/file/OutputFormat.h"

namespace vesk {
namespace {

TEST(OutputFormatDescribe, NamesTheCodecAsPeopleKnowIt) {
    EXPECT_EQ((OutputFormat{.codec = OutputCodec::Mp3, .frequencyHz = 44100, .channels = 2, .bitrateKbps = 128}).Describe(),
              "MP3 44100 Hz; 128 kbps; stereo");
    EXPECT_EQ((OutputFormat{.codec = OutputCodec::Mp2, .frequencyHz = 22050, .channels = 1, .bitrateKbps = 64}).Describe(),
              "MP2 22050 Hz; 64 kbps; mono");
    EXPECT_EQ((OutputFormat{.codec = OutputCodec::Gsm, .frequencyHz = 8000, .channels = 1}).Describe(),
              "GSM 6.10 8000 Hz; mono");
    EXPECT_EQ((OutputFormat{.codec = OutputCodec::Pcm, .frequencyHz = 48000, .channels = 2, .bitsPerSample = 24})
                  .Describe(),
              "PCM 48000 Hz; 24 bit; stereo");
}

TEST(OutputFormatDescribe, OggVorbisShowsItsTargetsAsTargets) {
    OutputFormat ogg{.codec = OutputCodec::OggVorbis, .frequencyHz = 44100, .channels = 2, .bitrateKbps = 128};
    EXPECT_EQ(ogg.Describe(), "Ogg Vorbis 44100 Hz; 128 kbps nominal; stereo");
    ogg.minBitrateKbps = 96;
    ogg.maxBitrateKbps = 160;
    EXPECT_EQ(ogg.Describe(), "Ogg Vorbis 44100 Hz; 128 kbps nominal; stereo; min 96 kbps; max 160 kbps");
    ogg = {.codec = OutputCodec::OggVorbis, .frequencyHz = 32000, .channels = 1, .quality = 6};
    EXPECT_EQ(ogg.Describe(), "Ogg Vorbis 32000 Hz; mono; quality 6");
}

TEST(OutputFormatDescribe, Alf2CdIsLayerTwoAtMostAt384Kbps) {
    EXPECT_EQ(OutputFormat::Alf2CdKbps(1), 256);
    EXPECT_EQ(OutputFormat::Alf2CdKbps(3), 384);
    EXPECT_EQ(OutputFormat::Alf2CdKbps(4), 384);
    EXPECT_EQ(OutputFormat::Alf2CdKbps(5), 0);
    const OutputFormat cd{.codec = OutputCodec::Alf2Cd, .frequencyHz = 44100, .channels = 2,
                          .bitrateKbps = OutputFormat::Alf2CdKbps(2)};
    EXPECT_EQ(cd.Describe(), "ALF2CD (MPEG-1 Layer II) 44100 Hz; 320 kbps; stereo");
}

TEST(OutputFormatDescribe, DspTakesTheSoundsOwnRateAndChannels) {
    const OutputFormat dsp{.codec = OutputCodec::Dsp, .frequencyHz = 8000, .channels = 1};
    EXPECT_EQ(dsp.Describe(), "DSP 16 bit PCM, no header; rate and channels of the sound");
}

}  // namespace
}  // namespace vesk
