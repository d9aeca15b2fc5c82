#include <gtest/gtest.h>

#include "FileEncodeTestSupport.h"
#include "components/file/EncoderContainer.h"
#include "support/TempDirGuard.h"

namespace vesk {
namespace {

using C = EncoderContainer;

OutputFormat Held(OutputCodec codec, int32_t rawCompress = 1) {
    return {.codec = codec, .frequencyHz = 8000, .channels = 1, .bitrateKbps = 64, .rawCompress = rawCompress};
}

TEST(FileEncodeChoice, ExtensionThenFormatTypeThenTheCodecsUsualContainer) {
    EXPECT_EQ(ChooseEncoderContainer(Held(OutputCodec::Pcm), 0, "/x/a.WAV"), C::Wav);
    EXPECT_EQ(ChooseEncoderContainer(Held(OutputCodec::Pcm), 4, "/x/a.flac"), C::Flac);
    EXPECT_EQ(ChooseEncoderContainer(Held(OutputCodec::Pcm), 0, "/x/a.Aif"), C::Aiff);
    EXPECT_EQ(ChooseEncoderContainer(Held(OutputCodec::Pcm), 0, "/x/a.snd"), C::Au);
    EXPECT_EQ(ChooseEncoderContainer(Held(OutputCodec::Pcm), 4, "/x/a.dat"), C::Headerless);
    EXPECT_EQ(ChooseEncoderContainer(Held(OutputCodec::Pcm), 0, "/x/a.dat"), C::Wav);
    EXPECT_EQ(ChooseEncoderContainer(Held(OutputCodec::ULaw), 3, "/x/a"), C::Headerless);
    EXPECT_EQ(ChooseEncoderContainer(Held(OutputCodec::Raw, 2), 0, "/x/a"), C::Headerless);
    EXPECT_EQ(ChooseEncoderContainer(Held(OutputCodec::Raw, 2), 0, "/x/a.wav"), C::Wav);
    EXPECT_EQ(ChooseEncoderContainer(Held(OutputCodec::OggVorbis), 0, "/x/a.opus"), C::Opus);
    EXPECT_EQ(ChooseEncoderContainer(Held(OutputCodec::OggVorbis), 0, "/x/a.oga"), C::Ogg);
    EXPECT_EQ(ChooseEncoderContainer(Held(OutputCodec::Mp3), 0, "/x/a.bin"), C::Mp3);
    EXPECT_EQ(ChooseEncoderContainer(Held(OutputCodec::Alf2Cd), 12, "/x/a"), C::Mp2);
    EXPECT_EQ(ChooseEncoderContainer(Held(OutputCodec::G723), 8, "/x/a"), C::Au);
    EXPECT_EQ(ChooseEncoderContainer(Held(OutputCodec::Vox), 0, "/x/a"), C::Headerless);
}

TEST(FileEncodeChoice, AContainerThatCannotHoldTheCodecGivesNoEncoder) {
    EXPECT_EQ(ChooseEncoderContainer(Held(OutputCodec::Vox), 0, "/x/a.wav"), std::nullopt);
    EXPECT_EQ(ChooseEncoderContainer(Held(OutputCodec::Pcm), 0, "/x/a.mp3"), std::nullopt);
    EXPECT_EQ(ChooseEncoderContainer(Held(OutputCodec::Mp3), 1, "/x/a"), std::nullopt);
    EXPECT_EQ(ChooseEncoderContainer(Held(OutputCodec::Raw, 5), 0, "/x/a.raw"), std::nullopt);
    EXPECT_EQ(MakeEncoder(Held(OutputCodec::Pcm), 0, "/x/a.mp2"), nullptr);
    EXPECT_EQ(MakeEncoder(Held(OutputCodec::Raw, 9), 0, "/x/a"), nullptr);
}

TEST(FileEncodeChoice, ParametersNoEncoderTakesAreRefusedOnOpen) {
    test::ScratchDir dir;
    const auto samples = test::TwoToneSignal(8000, 1, 100);
    OutputFormat g726{.codec = OutputCodec::G726, .frequencyHz = 8000, .channels = 1, .bitsPerSample = 2};
    EXPECT_EQ(test::EncodeFile(dir.File("a.au"), g726, 0, samples, {8000, 1}), -13);  // no 16 kbit/s
    OutputFormat flac32{.codec = OutputCodec::Pcm, .frequencyHz = 8000, .channels = 1, .bitsPerSample = 32};
    EXPECT_EQ(test::EncodeFile(dir.File("a.flac"), flac32, 0, samples, {8000, 1}), -13);
    OutputFormat mp2{.codec = OutputCodec::Mp2, .frequencyHz = 8000, .channels = 1, .bitrateKbps = 32};
    EXPECT_EQ(test::EncodeFile(dir.File("a.mp2"), mp2, 0, samples, {8000, 1}), -13);  // no MPEG-2.5 Layer II
}

TEST(FileEncodeChoice, AnUnwritableFolderIsAFileAccessError) {
    test::ScratchDir dir;
    const std::string missing = dir.File("no-such-folder") + "/";
    const auto samples = test::TwoToneSignal(44100, 2, 100);
    for (const auto& [codec, name] : {std::pair{OutputCodec::Pcm, "a.wav"}, std::pair{OutputCodec::Mp3, "a.mp3"},
                                      std::pair{OutputCodec::Mp2, "a.mp2"}, std::pair{OutputCodec::OggVorbis, "a.ogg"}}) {
        const OutputFormat format{.codec = codec, .frequencyHz = 44100, .channels = 2, .bitrateKbps = 128};
        EXPECT_EQ(test::EncodeFile(missing + name, format, 0, samples, {44100, 2}), -18) << name;
    }
}

TEST(FileEncodeChoice, MpegAvailabilityFollowsTheStandardTables) {
    EXPECT_TRUE(CanEncodeMpeg(44100, 128, 2));
    EXPECT_TRUE(CanEncodeMpeg(48000, 320, 1));
    EXPECT_TRUE(CanEncodeMpeg(32000, 32, 2));
    EXPECT_FALSE(CanEncodeMpeg(44100, 8, 2));    // MPEG-1 starts at 32 kbps
    EXPECT_FALSE(CanEncodeMpeg(44100, 350, 2));  // not a standard bitrate
    EXPECT_TRUE(CanEncodeMpeg(22050, 8, 1));     // MPEG-2
    EXPECT_TRUE(CanEncodeMpeg(24000, 160, 2));
    EXPECT_FALSE(CanEncodeMpeg(22050, 192, 2));  // MPEG-2 ends at 160 kbps
    EXPECT_TRUE(CanEncodeMpeg(8000, 64, 1));     // MPEG-2.5
    EXPECT_FALSE(CanEncodeMpeg(11025, 80, 1));   // MPEG-2.5 ends at 64 kbps
    EXPECT_FALSE(CanEncodeMpeg(96000, 128, 2));
    EXPECT_FALSE(CanEncodeMpeg(44100, 128, 3));
}

TEST(FileEncodeChoice, OggVorbisAvailabilityIsWhatLibvorbisAccepts) {
    EXPECT_TRUE(CanEncodeOggVorbis(44100, 2, 128, 0, 0));
    EXPECT_TRUE(CanEncodeOggVorbis(44100, 2, 0, 0, 0));
    EXPECT_TRUE(CanEncodeOggVorbis(22050, 1, 48, 32, 64));
    EXPECT_FALSE(CanEncodeOggVorbis(8000, 1, 320, 0, 0));    // far above what 8 kHz mono can use
    EXPECT_FALSE(CanEncodeOggVorbis(44100, 2, 128, 160, 96));  // minimum above maximum
    EXPECT_FALSE(CanEncodeOggVorbis(44100, 3, 128, 0, 0));
    EXPECT_FALSE(CanEncodeOggVorbis(0, 2, 128, 0, 0));
}

TEST(FileEncodeChoice, IndependentReadersSeeTheContainerRateAndChannels) {
    if (!test::HasTool("soxi")) GTEST_SKIP() << "soxi not installed";
    test::ScratchDir dir;
    struct Case {
        OutputFormat format;
        const char* name;
        const char* type;
    };
    const Case cases[] = {
        {{.codec = OutputCodec::Pcm, .frequencyHz = 22050, .channels = 1}, "a.wav", "wav"},
        {{.codec = OutputCodec::Pcm, .frequencyHz = 48000, .channels = 2, .bitsPerSample = 24}, "a.aiff", "aiff"},
        {{.codec = OutputCodec::ULaw, .frequencyHz = 8000, .channels = 1, .bitsPerSample = 8}, "a.au", "au"},
        {{.codec = OutputCodec::Pcm, .frequencyHz = 32000, .channels = 2}, "a.flac", "flac"},
        {{.codec = OutputCodec::OggVorbis, .frequencyHz = 44100, .channels = 2, .bitrateKbps = 112}, "a.ogg", "vorbis"},
    };
    for (const Case& c : cases) {
        const std::string path = dir.File(c.name);
        const EncoderInput input{c.format.frequencyHz, c.format.channels};
        ASSERT_EQ(test::EncodeFile(path, c.format, 0, test::TwoToneSignal(input.frequency, input.channels, 4000), input),
                  0);
        EXPECT_EQ(test::RunText("soxi -t '" + path + "' 2>/dev/null"), std::string(c.type) + "\n") << c.name;
        EXPECT_EQ(test::RunText("soxi -r '" + path + "' 2>/dev/null"), std::to_string(c.format.frequencyHz) + "\n") << c.name;
        EXPECT_EQ(test::RunText("soxi -c '" + path + "' 2>/dev/null"), std::to_string(c.format.channels) + "\n") << c.name;
    }
}

}  // namespace
}  // namespace vesk
