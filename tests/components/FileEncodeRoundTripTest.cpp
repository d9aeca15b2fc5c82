#include <gtest/gtest.h>

#include "FileEncodeTestSupport.h"
#include "support/TempDirGuard.h"

namespace vesk {
namespace {

using test::DecodedSound;

enum class Reader { Sndfile, Ffmpeg };

struct RoundTrip {
    const char* name;
    OutputFormat format;
    const char* fileName;
    int32_t formatType;
    bool exact;             // lossless: every sample must come back
    int64_t lengthSlack;    // frames the codec may add or drop (padding, block sizes)
    Reader reader = Reader::Sndfile;
    SF_INFO headerless{};   // how to read a file without a header
};

OutputFormat Format(OutputCodec codec, int32_t hz, int32_t channels, int32_t bits = 16, int32_t kbps = 0) {
    return {.codec = codec, .frequencyHz = hz, .channels = channels, .bitsPerSample = bits, .bitrateKbps = kbps};
}

OutputFormat RawFormat(int32_t compress, int32_t hz, int32_t channels, int32_t bits) {
    OutputFormat format = Format(OutputCodec::Raw, hz, channels, bits);
    format.rawCompress = compress;
    return format;
}

SF_INFO Headerless(int format, int32_t hz, int32_t channels) {
    SF_INFO info{};
    info.format = format;
    info.samplerate = hz;
    info.channels = channels;
    return info;
}

std::vector<RoundTrip> Cases() {
    return {
        {"Wav16", Format(OutputCodec::Pcm, 44100, 2), "a.wav", 0, true, 0},
        {"Wav32", Format(OutputCodec::Pcm, 48000, 2, 32), "a.WAV", 0, true, 0},
        {"Aiff24", Format(OutputCodec::Pcm, 44100, 2, 24), "a.aiff", 0, true, 0},
        {"Au16", Format(OutputCodec::Pcm, 22050, 1), "a.au", 0, true, 0},
        {"Flac16", Format(OutputCodec::Pcm, 44100, 2), "a.flac", 0, true, 0},
        {"Wav8", Format(OutputCodec::Pcm, 11025, 1, 8), "a.wav", 0, false, 0},
        {"RawPcmByType", RawFormat(1, 16000, 2, 16), "a.dat", 4, true, 0, Reader::Sndfile,
         Headerless(SF_FORMAT_RAW | SF_FORMAT_PCM_16 | SF_ENDIAN_LITTLE, 16000, 2)},
        {"Dsp", Format(OutputCodec::Dsp, 8000, 1), "a.pcm", 0, true, 0, Reader::Sndfile,
         Headerless(SF_FORMAT_RAW | SF_FORMAT_PCM_16 | SF_ENDIAN_LITTLE, 32000, 2)},
        {"ALawWav", Format(OutputCodec::ALaw, 8000, 1, 8), "a.wav", 0, false, 0},
        {"ULawAu", Format(OutputCodec::ULaw, 8000, 2, 8), "a.au", 0, false, 0},
        {"RawALaw", RawFormat(2, 8000, 1, 8), "a.raw", 0, false, 0, Reader::Sndfile,
         Headerless(SF_FORMAT_RAW | SF_FORMAT_ALAW, 8000, 1)},
        {"GsmWav", Format(OutputCodec::Gsm, 8000, 1), "a.wav", 0, false, 320},
        {"ImaAdpcmWav", Format(OutputCodec::Adpcm, 22050, 2, 4), "a.wav", 0, false, 1024},
        {"MsAdpcmWav", RawFormat(6, 22050, 1, 4), "a.wav", 0, false, 1024},
        {"Vox", Format(OutputCodec::Vox, 8000, 1, 4), "a.vox", 0, false, 2, Reader::Sndfile,
         Headerless(SF_FORMAT_RAW | SF_FORMAT_VOX_ADPCM, 8000, 1)},
        {"G721", Format(OutputCodec::G721, 8000, 1, 4), "a.au", 0, false, 120},
        {"G723_24", Format(OutputCodec::G723, 8000, 1, 3), "a", 8, false, 120},
        {"G726_40", Format(OutputCodec::G726, 8000, 1, 5), "a.au", 5, false, 120},
        {"OggVorbis", Format(OutputCodec::OggVorbis, 44100, 2, 16, 128), "a.ogg", 0, false, 0},
        {"Opus", Format(OutputCodec::OggVorbis, 48000, 2, 16, 96), "a.opus", 0, false, 0, Reader::Ffmpeg},
        {"Mp3", Format(OutputCodec::Mp3, 44100, 2, 16, 128), "a.mp3", 0, false, 1152, Reader::Ffmpeg},
        {"Mp2", Format(OutputCodec::Mp2, 32000, 1, 16, 96), "a.mp2", 0, false, 1152 + 481, Reader::Ffmpeg},
        {"Alf2Cd", Format(OutputCodec::Alf2Cd, 44100, 2, 16, 384), "a", 12, false, 1152 + 481, Reader::Ffmpeg},
    };
}

class FileEncodeRoundTrip : public testing::TestWithParam<RoundTrip> {
protected:
    test::ScratchDir dir_;
};

// Each format is written at its own rate and channel count (DSP: at the input's), so the sound
// read back can be compared sample for sample or by correlation.
TEST_P(FileEncodeRoundTrip, ComesBackAsTheSoundWritten) {
    const RoundTrip& c = GetParam();
    if (c.reader == Reader::Ffmpeg && !test::HasTool("ffmpeg")) GTEST_SKIP() << "ffmpeg not installed";
    const bool dsp = c.format.codec == OutputCodec::Dsp;
    const EncoderInput input{.frequency = dsp ? 32000 : c.format.frequencyHz, .channels = dsp ? 2 : c.format.channels};
    const int64_t frames = input.frequency;  // one second
    const DecodedSound sent{input.frequency, input.channels, test::TwoToneSignal(input.frequency, input.channels, frames)};
    const std::string path = dir_.File(c.fileName);

    ASSERT_EQ(test::EncodeFile(path, c.format, c.formatType, sent.samples, input), 0);

    const DecodedSound got = c.reader == Reader::Ffmpeg ? test::ReadWithFfmpeg(path, input.frequency, input.channels)
                                                        : test::ReadWithSndfile(path, c.headerless);
    ASSERT_EQ(got.channels, input.channels);
    EXPECT_EQ(got.hz, input.frequency);
    EXPECT_NEAR(static_cast<double>(got.Frames()), static_cast<double>(frames), static_cast<double>(c.lengthSlack));
    if (c.exact) {
        EXPECT_EQ(got.samples, sent.samples);
    } else {
        EXPECT_GT(test::BestCorrelation(sent, got, 1800), 0.95);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryWritableFormat, FileEncodeRoundTrip, testing::ValuesIn(Cases()),
                         [](const testing::TestParamInfo<RoundTrip>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vesk
