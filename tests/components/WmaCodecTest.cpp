#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <numbers>
#include <string>
#include <vector>

#include "components/ComponentErrors.h"
#include "components/ComponentNames.h"
#include "components/ComponentRegistration.h"
#include "components/wma/FfmpegWmaCodec.h"
#include "support/TempDirGuard.h"

namespace vesk {
namespace {

constexpr int32_t kCodecFrame = 2048;  // samples per channel in one WMA v2 frame

// Interleaved 16-bit rising chirp, the right channel a fifth above the left; unlike a steady tone
// it matches itself at one delay only, so a shifted decode shows.
std::vector<int16_t> Chirp(int32_t frames, int32_t hz, int32_t channels) {
    std::vector<int16_t> samples;
    for (int32_t i = 0; i < frames; ++i) {
        double t = static_cast<double>(i) / hz;
        for (int32_t c = 0; c < channels; ++c) {
            double phase = 2 * std::numbers::pi * (200.0 * t + 400.0 * t * t) * (c == 0 ? 1.0 : 1.5);
            samples.push_back(static_cast<int16_t>(12000 * std::sin(phase)));
        }
    }
    return samples;
}

// Normalised correlation of a stretch of `source` (past the codec's start-up) with `decoded`
// delayed by `lagFrames`.
double Correlation(const std::vector<int16_t>& source, const std::vector<int16_t>& decoded, int32_t channels,
                   int32_t lagFrames) {
    const size_t start = 2 * kCodecFrame * channels, end = std::min(source.size(), start + 16384);
    double sd = 0, ss = 0, dd = 0;
    for (size_t i = start; i + lagFrames * channels < decoded.size() && i < end; ++i) {
        double s = source[i], d = decoded[i + lagFrames * channels];
        sd += s * d, ss += s * s, dd += d * d;
    }
    return ss > 0 && dd > 0 ? sd / std::sqrt(ss * dd) : 0;
}

// ffprobe's view of a file: key=value lines of the stream and the container.
std::map<std::string, std::string> Probe(const std::string& path) {
    std::string command = "ffprobe -v error -show_entries stream=codec_name,sample_rate,channels:format=duration "
                          "-of default=noprint_wrappers=1 '" + path + "'";
    std::map<std::string, std::string> fields;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return fields;
    char line[256];
    while (std::fgets(line, sizeof line, pipe)) {
        std::string text(line);
        size_t eq = text.find('=');
        if (eq != std::string::npos) fields[text.substr(0, eq)] = text.substr(eq + 1, text.find_last_not_of("\r\n") - eq);
    }
    pclose(pipe);
    return fields;
}

class WmaCodecTest : public testing::Test {
protected:
    int32_t Query(HRESULT (IWmaCodec::*getter)(int32_t*)) {
        int32_t value = -12345;
        EXPECT_EQ((codec_.get()->*getter)(&value), S_OK);
        return value;
    }
    std::string FormatString() {
        Bstr text;
        EXPECT_EQ(codec_->GetFormatString(text.put()), S_OK);
        return text.utf8();
    }
    // Encodes `samples` in blocks of an awkward size, as the control's loop does; the open's error.
    int32_t Encode(const std::string& path, const std::vector<int16_t>& samples, int32_t hz, int32_t channels) {
        codec_->SetInputFormat(hz, channels);
        int32_t error = -1;
        Bstr name(path);
        codec_->OpenForEncoding(name.get(), &error);
        if (error != 0) return error;
        const size_t block = 3001 * static_cast<size_t>(channels);
        for (size_t at = 0; at < samples.size(); at += block) {
            size_t count = std::min(block, samples.size() - at);
            SafeArrayPtr array(SafeArrayCreateVector(VT_I2, 0, static_cast<uint32_t>(count)));
            std::copy_n(samples.begin() + at, count, array.shorts().begin());
            codec_->WriteBlock(array.get());
        }
        codec_->CloseFile();
        return Query(&IWmaCodec::GetLastError);
    }
    int32_t OpenToDecode(const std::string& path) {
        int32_t error = -1;
        Bstr name(path);
        codec_->OpenForDecoding(name.get(), &error);
        EXPECT_EQ(error, Query(&IWmaCodec::GetLastError));
        return error;
    }
    // Reads to the end with blocks of `bytes`; every block must hold whole frames.
    std::vector<int16_t> DecodeAll(int32_t bytes) {
        std::vector<int16_t> samples;
        const uint32_t channels = std::max(Query(&IWmaCodec::GetChannels), 1);
        for (;;) {
            SafeArrayPtr block;
            codec_->ReadBlock(bytes, block.put());
            EXPECT_LE(block.size() * 2, static_cast<uint32_t>(bytes));
            EXPECT_EQ(block.size() % channels, 0u);
            if (block.size() < 2) break;
            samples.insert(samples.end(), block.shorts().begin(), block.shorts().end());
        }
        return samples;
    }

    test::ScratchDir dir_;
    ComPtr<FfmpegWmaCodec> codec_ = MakeCom<FfmpegWmaCodec>();
};

TEST_F(WmaCodecTest, RoundTripOfTheDefaultProfile) {
    const std::string path = dir_.File("sine.wma");
    const int32_t frames = 2 * 44100;
    const std::vector<int16_t> source = Chirp(frames, 44100, 2);
    ASSERT_EQ(Encode(path, source, 44100, 2), 0);

    ASSERT_EQ(OpenToDecode(path), 0);
    EXPECT_EQ(Query(&IWmaCodec::GetFrequency), 44100);
    EXPECT_EQ(Query(&IWmaCodec::GetChannels), 2);
    EXPECT_EQ(Query(&IWmaCodec::GetProfile), 6);
    EXPECT_EQ(FormatString(), "WMA 44100 Hz; 128 kbps; stereo");
    const int32_t announced = Query(&IWmaCodec::GetLength);
    const std::vector<int16_t> decoded = DecodeAll(44101);  // not a whole number of frames
    // All the sound comes back, followed by at most one codec frame of padding, in step with
    // the source; the announced length is that of the decoded sound to the container's precision.
    const int32_t decodedFrames = static_cast<int32_t>(decoded.size() / 2);
    EXPECT_GE(decodedFrames, frames);
    EXPECT_LT(decodedFrames, frames + kCodecFrame);
    EXPECT_NEAR(announced, decodedFrames, 100);
    EXPECT_GT(Correlation(source, decoded, 2, 0), 0.99);
    EXPECT_LT(Correlation(source, decoded, 2, 64), 0.5);
    codec_->CloseFile();

    std::map<std::string, std::string> probe = Probe(path);
    EXPECT_EQ(probe["codec_name"], "wmav2");
    EXPECT_EQ(probe["sample_rate"], "44100");
    EXPECT_EQ(probe["channels"], "2");
    EXPECT_NEAR(std::stod(probe["duration"].empty() ? "0" : probe["duration"]), 2.0, 2.0 * kCodecFrame / 44100);
}

TEST_F(WmaCodecTest, InputInAnotherFormatIsConvertedToTheProfile) {
    const std::string path = dir_.File("converted.wma");
    const std::vector<int16_t> source = Chirp(22050, 22050, 1);  // one second of mono
    codec_->SetProfile(6);
    ASSERT_EQ(Encode(path, source, 22050, 1), 0);
    ASSERT_EQ(OpenToDecode(path), 0);
    EXPECT_EQ(Query(&IWmaCodec::GetFrequency), 44100);
    EXPECT_EQ(Query(&IWmaCodec::GetChannels), 2);
    const std::vector<int16_t> decoded = DecodeAll(8000);
    EXPECT_GE(decoded.size() / 2, 44100u);
    EXPECT_LT(decoded.size() / 2, 44100u + kCodecFrame);
    // Mono was spread to both sides, and the rate doubled: the source at 44100 Hz is on each.
    const std::vector<int16_t> upsampled = Chirp(44100, 44100, 1);
    std::vector<int16_t> left, right;
    for (size_t i = 0; i + 1 < decoded.size(); i += 2) left.push_back(decoded[i]), right.push_back(decoded[i + 1]);
    EXPECT_GT(Correlation(upsampled, left, 1, 0), 0.95);
    EXPECT_GT(Correlation(upsampled, right, 1, 0), 0.95);
}

TEST_F(WmaCodecTest, EveryProfileWritesAFileThatReadsBackInThatProfile) {
    for (int32_t number = 0; number < WmaProfiles::Count(); ++number) {
        const WmaProfile profile = *WmaProfiles::Find(number);
        const std::string path = dir_.File("profile" + std::to_string(number) + ".wma");
        codec_->SetProfile(number);
        ASSERT_EQ(Encode(path, Chirp(profile.frequencyHz / 2, 44100, 2), 44100, 2), 0) << number;
        ASSERT_EQ(OpenToDecode(path), 0) << number;
        EXPECT_EQ(Query(&IWmaCodec::GetFrequency), profile.frequencyHz) << number;
        EXPECT_EQ(Query(&IWmaCodec::GetChannels), profile.channels) << number;
        EXPECT_EQ(Query(&IWmaCodec::GetProfile), number) << number;
        const int32_t announced = Query(&IWmaCodec::GetLength);
        EXPECT_NEAR(announced, DecodeAll(4096).size() / profile.channels, 100) << number;
        codec_->CloseFile();
    }
}

TEST_F(WmaCodecTest, DecodesFilesOfAnotherEncoder) {
    // Version 1 at 22050 Hz mono, made by the ffmpeg tool: another encoder, codec version and
    // frame length than our own files.
    const std::string path = dir_.File("v1.wma");
    const std::string command = "ffmpeg -v error -f lavfi -i sine=frequency=500:sample_rate=22050:duration=1 "
                                "-c:a wmav1 -b:a 32k '" + path + "'";
    ASSERT_EQ(std::system(command.c_str()), 0);
    ASSERT_EQ(OpenToDecode(path), 0);
    EXPECT_EQ(Query(&IWmaCodec::GetFrequency), 22050);
    EXPECT_EQ(Query(&IWmaCodec::GetChannels), 1);
    EXPECT_EQ(Query(&IWmaCodec::GetProfile), 3);
    EXPECT_EQ(FormatString(), "WMA 22050 Hz; 32 kbps; mono");
    const int32_t announced = Query(&IWmaCodec::GetLength);
    EXPECT_NEAR(static_cast<double>(DecodeAll(2000).size()), announced, 100);
}

TEST_F(WmaCodecTest, ProfilesAreDescribedAndUnknownNumbersRefused) {
    EXPECT_EQ(Query(&IWmaCodec::GetProfile), 6);
    codec_->SetProfile(0);
    EXPECT_EQ(FormatString(), "WMA 8000 Hz; 24 kbps; mono");
    codec_->SetProfile(WmaProfiles::Count());
    EXPECT_EQ(Query(&IWmaCodec::GetLastError), component_error::kInvalidParam);
    EXPECT_EQ(Query(&IWmaCodec::GetProfile), 0);
    codec_->SetProfile(-1);
    EXPECT_EQ(FormatString(), "WMA 8000 Hz; 24 kbps; mono");
}

TEST_F(WmaCodecTest, FilesThatCannotBeUsedReportTheirError) {
    const std::string text = dir_.File("notes.wma");
    std::ofstream(text) << "This is a text file, not Windows Media Audio.\n";
    EXPECT_EQ(OpenToDecode(text), component_error::kFormatFile);
    EXPECT_EQ(OpenToDecode(dir_.File("missing.wma")), component_error::kFileAccess);
    // Nothing is open after a failure: no format, and reading ends at once.
    EXPECT_EQ(Query(&IWmaCodec::GetFrequency), 0);
    EXPECT_EQ(DecodeAll(4096).size(), 0u);
    EXPECT_EQ(Encode(dir_.File("no/such/folder/out.wma"), Chirp(100, 44100, 2), 44100, 2),
              component_error::kFileAccess);
}

TEST_F(WmaCodecTest, IsRegisteredUnderItsComponentName) {
    ClassRegistry registry;
    RegisterStockComponents(registry);
    EXPECT_TRUE(registry.Create<IWmaCodec>(kWmaCodecName));
}

}  // namespace
}  // namespace vesk
