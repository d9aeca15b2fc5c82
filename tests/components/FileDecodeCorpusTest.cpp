// Decodes the corpus of tests/corpus/make_corpus.py through the file component, in the order and
// block size the control uses, and compares each file with what an independent decoder made of
// it (manifest.json): error code, rate, channels, frame count, peak and sample values.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>

#include "components/file/AudioFileComponent.h"

namespace vesk {
namespace {

namespace fs = std::filesystem;

struct Decoded {
    int32_t error = 0;
    int32_t hz = 0;
    int32_t channels = 0;
    int32_t announcedFrames = 0;  // GetLength
    int32_t bits = 0;
    std::vector<int16_t> samples;
};

class FileDecodeCorpus : public testing::Test {
protected:
    // Writes the corpus when ctest has not (a direct run of the test program) or when the script
    // changed since.
    static void SetUpTestSuite() {
        const fs::path manifest = fs::path(VESK_CORPUS_DIR) / "manifest.json";
        std::error_code ec;
        if (fs::exists(manifest, ec) && fs::last_write_time(manifest) >= fs::last_write_time(VESK_CORPUS_SCRIPT)) {
            return;
        }
        const std::string command =
            std::string(VESK_PYTHON) + " '" + VESK_CORPUS_SCRIPT + "' '" + VESK_CORPUS_DIR + "'";
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
    }

    static const nlohmann::json& Entry(const std::string& name) {
        static const nlohmann::json manifest =
            nlohmann::json::parse(std::ifstream(fs::path(VESK_CORPUS_DIR) / "manifest.json"));
        for (const auto& entry : manifest.at("files")) {
            if (entry.at("name") == name) return entry;
        }
        ADD_FAILURE() << name << " is not in the corpus";
        static const nlohmann::json none = nlohmann::json::object();
        return none;
    }

    // Every sample of the file as the control receives it.
    static Decoded Decode(const std::string& name) {
        auto file = MakeCom<AudioFileComponent>();
        Decoded out;
        file->OpenForDecoding(Bstr((fs::path(VESK_CORPUS_DIR) / name).string()).get(), 0, 1);
        file->GetLastError(&out.error);
        file->GetFrequency(&out.hz);
        file->GetChannels(&out.channels);
        file->GetLength(&out.announcedFrames);
        file->GetBitsPerSample(&out.bits);
        while (true) {
            SafeArrayPtr block;
            file->ReadBlock(4 * out.hz, block.put());
            if (block.size() < 2) break;
            out.samples.insert(out.samples.end(), block.shorts().begin(), block.shorts().end());
        }
        file->CloseFile();
        return out;
    }

    // The file decodes as its manifest entry says; returns what was decoded.
    static Decoded ExpectAsReference(const std::string& name) {
        SCOPED_TRACE(name);
        const nlohmann::json& want = Entry(name);
        Decoded got = Decode(name);
        CompareWith(want, got);
        return got;
    }

    static void CompareWith(const nlohmann::json& want, const Decoded& got) {
        const int32_t error = want.value("error", 0);
        EXPECT_EQ(got.error, error);
        if (error != 0) {
            EXPECT_TRUE(got.samples.empty());
            return;
        }
        ASSERT_EQ(got.hz, want.at("rate").get<int32_t>());
        ASSERT_EQ(got.channels, want.at("channels").get<int32_t>());
        EXPECT_EQ(int64_t(got.samples.size()) / got.channels, want.at("frames").get<int64_t>());
        const int tolerance = want.at("tolerance").get<int>();
        int peak = 0;
        for (int16_t s : got.samples) peak = std::max(peak, std::abs(int(s)));
        EXPECT_NEAR(peak, want.at("peak").get<int>(), tolerance);
        for (const auto& pick : want.at("samples")) {
            const auto frame = pick.at(0).get<size_t>();
            const auto values = pick.at(1).get<std::vector<int>>();
            for (size_t c = 0; c < values.size(); ++c) {
                const size_t at = frame * values.size() + c;
                if (at >= got.samples.size()) {
                    ADD_FAILURE() << "frame " << frame << " is missing";
                    break;
                }
                EXPECT_NEAR(got.samples[at], values[c], tolerance) << "frame " << frame << ", channel " << c;
            }
        }
    }
};

// Floating-point samples are scaled to 16-bit full scale (1.0 to 32767), not rounded to the
// integers -1, 0 and 1; what lies above full scale is clipped.
TEST_F(FileDecodeCorpus, FloatWavIsScaledToFullScaleAndClipped) {
    ExpectAsReference("float32_peak1.wav");
    ExpectAsReference("float64_overs.wav");
}

// Lossy decoders deliver values above full scale for a signal encoded near it; those are clipped
// on every decoding path, never wrapped around to the other sign.
TEST_F(FileDecodeCorpus, LossyOversAreClippedNotWrapped) {
    for (const char* name : {"mp3_overs.mp3", "vorbis_overs.ogg", "opus_overs.opus"}) ExpectAsReference(name);
}

// The last block of an ADPCM file is decoded whole, but only the samples 'fact' counts are sound.
TEST_F(FileDecodeCorpus, ImaAdpcmEndsWhereItsFactChunkSays) {
    const Decoded got = ExpectAsReference("ima_adpcm_partial_block.wav");
    EXPECT_EQ(got.announcedFrames, Entry("ima_adpcm_partial_block.wav").at("frames").get<int32_t>());
}

// wBitsPerSample says 24, the block alignment says 4 bytes per sample: the samples are 24 valid
// bits at the top of 4-byte containers.
TEST_F(FileDecodeCorpus, TwentyFourBitSamplesInFourByteContainers) {
    const Decoded got = ExpectAsReference("pcm24_in_4byte_container.wav");
    EXPECT_EQ(got.bits, 24);
    EXPECT_EQ(got.announcedFrames, Entry("pcm24_in_4byte_container.wav").at("frames").get<int32_t>());
}

// The VBRI header's frame is larger than the stream's average, so a length estimated from it
// falls short; decoding goes on to the end of the stream all the same.
TEST_F(FileDecodeCorpus, Mp3WithVbriHeaderDecodesToTheEndOfTheStream) {
    const Decoded got = ExpectAsReference("mp3_vbri.mp3");
    EXPECT_EQ(int64_t(got.samples.size()) / 2, 1152 * Entry("mp3_vbri.mp3").at("mpeg_frames").get<int64_t>());
}

// A file that opens but holds nothing that decodes is an error, never an empty sound.
TEST_F(FileDecodeCorpus, FlacWithoutAWholeFrameIsAnError) {
    ExpectAsReference("flac_truncated_in_first_frame.flac");
}

// FFmpeg matches WAV format tags as if they were letters of either case, and takes 0x70 for
// 0x50 (MPEG Layer II); nothing in such a file decodes.
TEST_F(FileDecodeCorpus, WavWithAnUnsupportedCodecIsReportedAsSuch) { ExpectAsReference("wav_format_0x70.wav"); }

TEST_F(FileDecodeCorpus, Rf64WithMarkersAfterTheData) { ExpectAsReference("rf64_markers.wav"); }

TEST_F(FileDecodeCorpus, BroadcastWaveWithBextSmplIxmlAndInfoChunks) { ExpectAsReference("bwf_bext_smpl_ixml.wav"); }

TEST_F(FileDecodeCorpus, TruncatedFlacGivesEveryWholeFrame) { ExpectAsReference("flac_truncated.flac"); }

}  // namespace
}  // namespace vesk
