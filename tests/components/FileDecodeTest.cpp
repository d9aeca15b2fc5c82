#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "FileDecodeTestFiles.h"
#include "components/ComponentErrors.h"
#include "components/file/DecoderSelection.h"
#include "components/file/FfmpegDecoder.h"
#include "support/TempDirGuard.h"

namespace vesk {
namespace {

using test::RunQuietly;

constexpr int32_t kRate = 44100;
constexpr int64_t kFrames = 30000;

class FileDecode : public testing::Test {
protected:
    FileDecode() : source_(test::TwoTones(kFrames, 2, kRate)) {
        EXPECT_TRUE(test::WriteSound(Path("source.wav"), source_, kRate, 2));
    }

    std::string Path(const std::string& name) const { return dir_.File(name); }

    // Opens through the back-end selection; fails the test when it does not open.
    std::unique_ptr<AudioDecoder> Open(const std::string& name, int32_t formatType = 0) {
        int32_t error = 12345;
        auto decoder = DecoderSelection::Open(Path(name), formatType, &error);
        EXPECT_EQ(error, component_error::kNone) << name;
        return decoder;
    }

    int32_t OpenError(const std::string& path, int32_t formatType = 0) {
        int32_t error = 0;
        EXPECT_FALSE(DecoderSelection::Open(path, formatType, &error)) << path;
        return error;
    }

    test::ScratchDir dir_;
    std::vector<int16_t> source_;
};

TEST_F(FileDecode, LosslessFormatsGiveBackTheSourceSampleForSample) {
    if (!test::HasTool("sox")) GTEST_SKIP() << "sox is not installed";
    const std::vector<std::pair<std::string, std::string>> cases{
        {"copy.wav", "PCM 44100 Hz; 16 bit; stereo"},
        {"copy.aiff", "AIFF PCM 44100 Hz; 16 bit; stereo"},
        {"copy.au", "AU PCM 44100 Hz; 16 bit; stereo"},
        {"copy.flac", "FLAC 44100 Hz; 16 bit; stereo"},
        {"copy24.flac", "FLAC 44100 Hz; 24 bit; stereo"},
        {"copy24.wav", "PCM 44100 Hz; 24 bit; stereo"},
    };
    for (const auto& [name, text] : cases) {
        const std::string bits = name.find("24") != std::string::npos ? "-b 24 " : "";
        ASSERT_TRUE(RunQuietly("sox " + Path("source.wav") + " " + bits + Path(name))) << name;
        auto decoder = Open(name);
        ASSERT_TRUE(decoder) << name;
        EXPECT_EQ(decoder->Info().frequency, kRate) << name;
        EXPECT_EQ(decoder->Info().channels, 2) << name;
        EXPECT_EQ(decoder->Info().lengthFrames, kFrames) << name;
        EXPECT_TRUE(decoder->Info().isPcm) << name;
        EXPECT_EQ(decoder->Info().formatText, text);
        EXPECT_TRUE(test::DecodeAll(*decoder, 1000) == source_) << name;
    }
}

TEST_F(FileDecode, MonoFlacAt48kHzIsDescribedWithItsOwnFormat) {
    if (!test::HasTool("sox")) GTEST_SKIP() << "sox is not installed";
    ASSERT_TRUE(RunQuietly("sox " + Path("source.wav") + " -b 24 -c 1 -r 48000 " + Path("mono.flac")));
    auto decoder = Open("mono.flac");
    ASSERT_TRUE(decoder);
    EXPECT_EQ(decoder->Info().formatText, "FLAC 48000 Hz; 24 bit; mono");
    EXPECT_EQ(decoder->Info().bitsPerSample, 24);
    EXPECT_EQ(decoder->Info().channels, 1);
}

// Each lossy format: its rate, channel count, length (within the codec's framing) and a level
// near the source's, so that the sound itself came through.
TEST_F(FileDecode, LossyAndTelephonyFormatsDecodeWithTheirRateChannelsAndLevel) {
    if (!test::HasTool("sox") || !test::HasTool("ffmpeg")) GTEST_SKIP() << "sox or ffmpeg is not installed";
    struct Case {
        std::string name, command, textStart;
        int32_t rate, channels;
    };
    const std::string in = Path("source.wav");
    const std::vector<Case> cases{
        {"a.wav", "sox " + in + " -e a-law " + Path("a.wav"), "A-law 44100 Hz; 8 bit", kRate, 2},
        {"u.wav", "sox " + in + " -e u-law " + Path("u.wav"), "u-law 44100 Hz; 8 bit", kRate, 2},
        {"ima.wav", "sox " + in + " -e ima-adpcm " + Path("ima.wav"), "IMA ADPCM 44100 Hz; 4 bit", kRate, 2},
        {"ms.wav", "sox " + in + " -e ms-adpcm " + Path("ms.wav"), "MS ADPCM 44100 Hz; 4 bit", kRate, 2},
        {"gsm.wav", "sox " + in + " -r 8000 -c 1 -e gsm-full-rate " + Path("gsm.wav"), "GSM 6.10 8000 Hz", 8000, 1},
        {"v.ogg", "ffmpeg -v error -i " + in + " -c:a libvorbis -b:a 112k " + Path("v.ogg"),
         "Ogg Vorbis 44100 Hz; 112 kbps; stereo", kRate, 2},
        {"o.opus", "ffmpeg -v error -i " + in + " -c:a libopus " + Path("o.opus"), "Opus 48000 Hz", 48000, 2},
        {"m.mp2", "ffmpeg -v error -i " + in + " -c:a mp2 -b:a 192k " + Path("m.mp2"),
         "MP2 44100 Hz; 192 kbps; stereo", kRate, 2},
        {"m.m4a", "ffmpeg -v error -i " + in + " -c:a aac -b:a 128k " + Path("m.m4a"), "AAC 44100 Hz", kRate, 2},
        {"v.avi", "ffmpeg -v error -i " + in + " -c:a pcm_s16le " + Path("v.avi"), "PCM 44100 Hz; 16 bit", kRate, 2},
    };
    std::vector<int16_t> monoSource;  // what sox and ffmpeg make of the stereo source
    for (size_t i = 0; i < source_.size(); i += 2) monoSource.push_back(int16_t((source_[i] + source_[i + 1]) / 2));
    for (const auto& c : cases) {
        ASSERT_TRUE(RunQuietly(c.command)) << c.name;
        auto decoder = Open(c.name);
        ASSERT_TRUE(decoder) << c.name;
        const SourceInfo& info = decoder->Info();
        EXPECT_EQ(info.frequency, c.rate) << c.name;
        EXPECT_EQ(info.channels, c.channels) << c.name;
        EXPECT_EQ(info.formatText.rfind(c.textStart, 0), 0u) << c.name << ": " << info.formatText;
        const std::vector<int16_t> decoded = test::DecodeAll(*decoder);
        const double expectedFrames = double(kFrames) * c.rate / kRate;
        // Codecs pad to whole frames (up to 1152 for MPEG audio) and some keep their delay.
        EXPECT_NEAR(double(decoded.size()) / c.channels, expectedFrames, expectedFrames * 0.03 + 1152) << c.name;
        const double sourceRms = c.channels == 2 ? test::Rms(source_, 0, 2) : test::Rms(monoSource);
        EXPECT_NEAR(test::Rms(decoded, 0, c.channels), sourceRms, sourceRms * 0.2) << c.name;
    }
}

// The encoder delay and padding of the LAME header are removed, so that exactly the source's
// frames come back. The announced length is the stream's less the delay: the padding at the end
// is known only there, so it may exceed the decoded length by up to one MPEG frame.
TEST_F(FileDecode, Mp3LengthMatchesFfmpegExactly) {
    if (!test::HasTool("lame") || !test::HasTool("ffmpeg")) GTEST_SKIP() << "lame or ffmpeg is not installed";
    for (const std::string options : {"-b 128", "-V 2", "-b 64 -m m"}) {
        ASSERT_TRUE(RunQuietly("lame --quiet " + options + " " + Path("source.wav") + " " + Path("s.mp3")));
        auto decoder = Open("s.mp3");
        ASSERT_TRUE(decoder) << options;
        const int32_t channels = decoder->Info().channels;
        const int64_t reference = test::FfmpegFrames(Path("s.mp3"), channels);
        EXPECT_EQ(reference, kFrames) << options;
        EXPECT_EQ(int64_t(test::DecodeAll(*decoder).size()) / channels, reference) << options;
        EXPECT_GE(decoder->Info().lengthFrames, reference) << options;
        EXPECT_LE(decoder->Info().lengthFrames, reference + 1152) << options;
        if (options == "-b 128") {
            EXPECT_EQ(decoder->Info().formatText, "MP3 44100 Hz; 128 kbps; stereo");
        }
        EXPECT_EQ(decoder->Info().codec, OutputCodec::Mp3);
    }
}

TEST_F(FileDecode, FilesThatAreNotWhatTheyClaimOrCannotBeReadAreRefused) {
    std::ofstream(Path("text.mp3")) << "These are words, not sound; a player would refuse them too.\n";
    std::ifstream whole(Path("source.wav"), std::ios::binary);
    std::string header(30, '\0');
    whole.read(header.data(), 30);
    std::ofstream(Path("cut.wav"), std::ios::binary) << header;
    EXPECT_EQ(OpenError(Path("text.mp3")), component_error::kFormatFile);
    EXPECT_EQ(OpenError(Path("cut.wav")), component_error::kFormatFile);
    EXPECT_EQ(OpenError(Path("missing.wav")), component_error::kFileAccess);
    EXPECT_EQ(OpenError(dir_.path().string()), component_error::kFileAccess);
    std::filesystem::permissions(Path("source.wav"), std::filesystem::perms::none);
    if (!std::ifstream(Path("source.wav"))) {  // (root reads it anyway)
        EXPECT_EQ(OpenError(Path("source.wav")), component_error::kFileAccess);
    }
}

TEST_F(FileDecode, HeaderlessStreamsAreReadAsTheFormatTypeSays) {
    // RAW (4): 16-bit little-endian PCM, 44100 Hz stereo.
    std::ofstream(Path("pcm.raw"), std::ios::binary)
        .write(reinterpret_cast<const char*>(source_.data()), std::streamsize(source_.size() * 2));
    auto raw = Open("pcm.raw", 4);
    ASSERT_TRUE(raw);
    EXPECT_TRUE(test::DecodeAll(*raw) == source_);
    EXPECT_EQ(raw->Info().codec, OutputCodec::Raw);

    // G.721 (7) and G.726 (5): the data of an AU file without its header decodes like the file.
    const std::vector<int16_t> voice = test::TwoTones(8000, 1, 8000, 440.0);
    ASSERT_TRUE(test::WriteSound(Path("g721.au"), voice, 8000, 1, SF_FORMAT_AU | SF_FORMAT_G721_32));
    std::ifstream au(Path("g721.au"), std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(au)), std::istreambuf_iterator<char>());
    const uint32_t dataOffset = (uint8_t(bytes[4]) << 24) | (uint8_t(bytes[5]) << 16) | (uint8_t(bytes[6]) << 8) |
                                uint8_t(bytes[7]);
    std::ofstream(Path("voice.g721"), std::ios::binary) << bytes.substr(dataOffset);
    const std::vector<int16_t> expected = test::DecodeAll(*Open("g721.au"));
    for (int32_t type : {7, 5}) {
        auto stream = Open("voice.g721", type);
        ASSERT_TRUE(stream) << type;
        EXPECT_EQ(stream->Info().frequency, 8000);
        EXPECT_EQ(stream->Info().channels, 1);
        EXPECT_TRUE(test::DecodeAll(*stream) == expected) << type;
    }
    EXPECT_EQ(Open("voice.g721", 5)->Info().codec, OutputCodec::G726);
}

TEST_F(FileDecode, VoxStreamsAreDialogicAdpcmAt8kHzMono) {
    if (!test::HasTool("sox")) GTEST_SKIP() << "sox is not installed";
    ASSERT_TRUE(RunQuietly("sox " + Path("source.wav") + " -r 8000 -c 1 " + Path("voice.vox")));
    auto vox = Open("voice.vox", 3);
    ASSERT_TRUE(vox);
    EXPECT_EQ(vox->Info().frequency, 8000);
    EXPECT_EQ(vox->Info().channels, 1);
    EXPECT_EQ(vox->Info().formatText, "RAW Dialogic VOX ADPCM 8000 Hz; 4 bit; mono");
    const auto fileBytes = int64_t(std::filesystem::file_size(Path("voice.vox")));
    EXPECT_EQ(int64_t(test::DecodeAll(*vox).size()), 2 * fileBytes);  // two 4-bit samples a byte
}

TEST_F(FileDecode, WideSourcesAreMixedDownToStereo) {
    // Six channels of constant values: even ones go left, odd ones right.
    std::vector<int16_t> six;
    for (int i = 0; i < 1000; ++i) six.insert(six.end(), {100, 1000, 200, 2000, 300, 3000});
    ASSERT_TRUE(test::WriteSound(Path("six.wav"), six, 48000, 6));
    auto decoder = Open("six.wav");
    ASSERT_TRUE(decoder);
    EXPECT_EQ(decoder->Info().channels, 2);
    EXPECT_EQ(decoder->Info().formatText, "PCM 48000 Hz; 16 bit; 6 channels");
    const std::vector<int16_t> stereo = test::DecodeAll(*decoder, 333);
    ASSERT_EQ(stereo.size(), 2000u);
    EXPECT_EQ(stereo[0], 200);
    EXPECT_EQ(stereo[1999], 2000);
}

// FFmpeg keeps what does not fit into a block inside its converter: any block size gives the
// same samples.
TEST_F(FileDecode, FfmpegBackEndDeliversEverySampleWhateverTheBlockSize) {
    for (int64_t blockFrames : {7, 1000, 100000}) {
        FfmpegDecoder decoder;
        ASSERT_EQ(decoder.Open(Path("source.wav"), 0), component_error::kNone);
        EXPECT_EQ(decoder.Info().lengthFrames, kFrames);
        EXPECT_EQ(decoder.Info().formatText, "PCM 44100 Hz; 16 bit; stereo");
        EXPECT_TRUE(test::DecodeAll(decoder, blockFrames) == source_) << blockFrames;
        EXPECT_EQ(decoder.Read(source_.data(), 10), 0);
    }
}

}  // namespace
}  // namespace vesk
