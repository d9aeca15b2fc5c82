#include <gtest/gtest.h>

#include <fstream>

#include "FileDecodeTestFiles.h"
#include "components/ComponentErrors.h"
#include "components/file/AudioFileComponent.h"
#include "support/TempDirGuard.h"

namespace vesk {
namespace {

constexpr int64_t kFrames = 50000;

class AudioFileComponentTest : public testing::Test {
protected:
    AudioFileComponentTest() : source_(test::TwoTones(kFrames, 2, 44100)) {
        EXPECT_TRUE(test::WriteSound(dir_.File("source.wav"), source_, 44100, 2));
    }

    int32_t LastError() {
        int32_t code = 12345;
        EXPECT_EQ(file_->GetLastError(&code), S_OK);
        return code;
    }
    std::string FormatString() {
        Bstr text;
        EXPECT_EQ(file_->GetFormatString(text.put()), S_OK);
        return text.utf8();
    }
    template <class Getter>
    int32_t Get(Getter getter) {
        int32_t value = -1;
        EXPECT_EQ(((*file_).*getter)(&value), S_OK);
        return value;
    }
    void OpenForDecoding(const std::string& name, int32_t formatType = 0) {
        file_->OpenForDecoding(Bstr(dir_.File(name)).get(), formatType, 1);
    }
    // Saves the 44100 Hz stereo source as the control does, in blocks of two seconds; the error
    // after the open, or else after the close.
    int32_t SaveSource(const std::string& name) {
        file_->OpenForEncoding(Bstr(dir_.File(name)).get(), 0);
        if (const int32_t error = LastError()) return error;
        file_->SetInputFormat(44100, 2);
        for (size_t at = 0; at < source_.size(); at += 2 * 44100) {
            const size_t count = std::min<size_t>(2 * 44100, source_.size() - at);
            SafeArrayPtr block(SafeArrayCreateVector(VT_I2, 0, uint32_t(count)));
            std::copy_n(source_.begin() + long(at), count, block.shorts().begin());
            file_->WriteBlock(block.get());
        }
        file_->CloseFile();
        return LastError();
    }
    // Reads blocks of `bytes` as the control does, until one has fewer than 2 elements.
    std::vector<int16_t> ReadAll(int32_t bytes) {
        std::vector<int16_t> all;
        while (true) {
            SafeArrayPtr block;
            EXPECT_EQ(file_->ReadBlock(bytes, block.put()), S_OK);
            EXPECT_LE(int64_t(block.size()) * 2, bytes);
            if (block.size() < 2) return all;
            all.insert(all.end(), block.shorts().begin(), block.shorts().end());
        }
    }

    test::ScratchDir dir_;
    std::vector<int16_t> source_;
    ComPtr<AudioFileComponent> file_ = MakeCom<AudioFileComponent>();
};

TEST_F(AudioFileComponentTest, DecodesAFileInTheOrderTheControlAsks) {
    file_->SetOutputFormatVOX(8000, nullptr);
    OpenForDecoding("source.wav");
    EXPECT_EQ(LastError(), component_error::kNone);
    EXPECT_EQ(Get(&IVeskAudioFile::GetFrequency), 44100);
    EXPECT_EQ(Get(&IVeskAudioFile::GetChannels), 2);
    EXPECT_EQ(Get(&IVeskAudioFile::GetBitsPerSample), 16);
    EXPECT_EQ(Get(&IVeskAudioFile::GetLength), kFrames);
    EXPECT_EQ(Get(&IVeskAudioFile::GetPcmFlag), 1);
    EXPECT_EQ(FormatString(), "PCM 44100 Hz; 16 bit; stereo");
    EXPECT_TRUE(ReadAll(4 * 44100) == source_);
    EXPECT_EQ(file_->CloseFile(), S_OK);
    // Closed: the output format answers again.
    EXPECT_EQ(Get(&IVeskAudioFile::GetFrequency), 8000);
    EXPECT_EQ(FormatString(), file_->Format().Describe());
    EXPECT_EQ(ReadAll(100).size(), 0u);
}

// PasteFromFile: a fresh instance, open, then the document's format, then the length.
TEST_F(AudioFileComponentTest, InputFormatAfterTheOpenConvertsWhatFollows) {
    file_->ConfigureInstance(1);
    OpenForDecoding("source.wav");
    file_->SetInputFormat(22050, 1);
    EXPECT_EQ(LastError(), component_error::kNone);
    EXPECT_EQ(Get(&IVeskAudioFile::GetFrequency), 22050);
    EXPECT_EQ(Get(&IVeskAudioFile::GetChannels), 1);
    EXPECT_EQ(Get(&IVeskAudioFile::GetLength), kFrames / 2);
    EXPECT_EQ(int64_t(ReadAll(22050).size()), kFrames / 2);
}

// A save tells the component the document's format; the next file opened is still delivered in
// its own rate and channel count, not resampled to the saved document's.
TEST_F(AudioFileComponentTest, AfterASaveTheNextOpenDeliversTheFilesOwnFormat) {
    file_->SetOutputFormatPCM(44100, 2, 16, nullptr);
    ASSERT_EQ(SaveSource("saved.wav"), component_error::kNone);

    const std::vector<int16_t> voice = test::TwoTones(11025, 1, 22050, 440.0);
    ASSERT_TRUE(test::WriteSound(dir_.File("voice.wav"), voice, 22050, 1));
    OpenForDecoding("voice.wav");
    EXPECT_EQ(Get(&IVeskAudioFile::GetFrequency), 22050);
    EXPECT_EQ(Get(&IVeskAudioFile::GetChannels), 1);
    EXPECT_EQ(Get(&IVeskAudioFile::GetLength), 11025);
    EXPECT_TRUE(ReadAll(4 * 22050) == voice);
}

TEST_F(AudioFileComponentTest, FailuresAreKeptForGetLastErrorAndLeaveNothingOpen) {
    std::ofstream(dir_.File("words.mp3")) << "not an mpeg stream at all, only words\n";
    OpenForDecoding("missing.wav");
    EXPECT_EQ(LastError(), component_error::kFileAccess);
    OpenForDecoding("words.mp3");
    EXPECT_EQ(LastError(), component_error::kFormatFile);
    EXPECT_EQ(Get(&IVeskAudioFile::GetChannels), 0);
    EXPECT_EQ(Get(&IVeskAudioFile::GetLength), 0);
    EXPECT_EQ(ReadAll(4000).size(), 0u);
    OpenForDecoding("source.wav");
    EXPECT_EQ(LastError(), component_error::kNone);
    file_->SetInputFormat(0, 3);
    EXPECT_EQ(LastError(), component_error::kInvalidParam);
    EXPECT_EQ(Get(&IVeskAudioFile::GetFrequency), 44100);
    EXPECT_EQ(file_->ReadBlock(100, nullptr), E_POINTER);
    EXPECT_EQ(file_->GetLength(nullptr), E_POINTER);
}

TEST_F(AudioFileComponentTest, OutputFormatCanBeTakenFromAFile) {
    if (!test::HasTool("sox") || !test::HasTool("lame")) GTEST_SKIP() << "sox or lame is not installed";
    ASSERT_TRUE(test::RunQuietly("sox " + dir_.File("source.wav") + " -b 24 -c 1 -r 48000 " + dir_.File("m.flac")));
    ASSERT_TRUE(test::RunQuietly("lame --quiet -b 192 " + dir_.File("source.wav") + " " + dir_.File("s.mp3")));
    int32_t result = -1;
    file_->SetOutputFormatLikeSample(Bstr(dir_.File("m.flac")).get(), &result);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(file_->Format(),
              (OutputFormat{.codec = OutputCodec::Pcm, .frequencyHz = 48000, .channels = 1, .bitsPerSample = 24}));
    file_->SetOutputFormatLikeSample(Bstr(dir_.File("s.mp3")).get(), &result);
    EXPECT_EQ(file_->Format().codec, OutputCodec::Mp3);
    EXPECT_EQ(file_->Format().bitrateKbps, 192);
    EXPECT_EQ(file_->Format().channels, 2);

    const OutputFormat before = file_->Format();
    file_->SetOutputFormatLikeSample(Bstr(dir_.File("missing.wav")).get(), &result);
    EXPECT_EQ(result, component_error::kFileAccess);
    EXPECT_EQ(file_->Format(), before);
}

TEST_F(AudioFileComponentTest, EncodesInTheOutputFormatAndAnswersItsRate) {
    file_->SetOutputFormatPCM(22050, 1, 16, nullptr);
    EXPECT_EQ(Get(&IVeskAudioFile::GetFrequency), 22050);
    EXPECT_EQ(SaveSource("out.wav"), component_error::kNone);

    OpenForDecoding("out.wav");
    EXPECT_EQ(Get(&IVeskAudioFile::GetFrequency), 22050);
    EXPECT_EQ(Get(&IVeskAudioFile::GetChannels), 1);
    EXPECT_NEAR(Get(&IVeskAudioFile::GetLength), kFrames / 2, 2);
}

// An MPEG setting the encoder cannot write becomes the nearest one it can, which the format text
// shows and a save writes: MPEG-2.5 at 8000 Hz goes up to 64 kbps, Layer II has no 40 kbps at
// 44100 Hz and no MPEG-2.5 rates at all.
TEST_F(AudioFileComponentTest, MpegSettingsBecomeTheNearestTheEncoderWrites) {
    struct Case {
        void (*set)(AudioFileComponent&);
        std::string text, file;
        int32_t hz, kbps;
    };
    const Case cases[] = {
        {[](AudioFileComponent& f) { f.SetOutputFormatMP3(8000, 128, 1, nullptr); }, "MP3 8000 Hz; 64 kbps; mono",
         "a.mp3", 8000, 64},
        {[](AudioFileComponent& f) { f.SetOutputFormatMP3(44100, 144, 2, nullptr); }, "MP3 44100 Hz; 128 kbps; stereo",
         "b.mp3", 44100, 128},
        {[](AudioFileComponent& f) { f.SetOutputFormatMP2(44100, 40, 2, nullptr); }, "MP2 44100 Hz; 32 kbps; stereo",
         "c.mp2", 44100, 32},
        {[](AudioFileComponent& f) { f.SetOutputFormatMP2(8000, 64, 1, nullptr); }, "MP2 16000 Hz; 64 kbps; mono",
         "d.mp2", 16000, 64},
    };
    for (const Case& c : cases) {
        c.set(*file_);
        EXPECT_EQ(FormatString(), c.text);
        EXPECT_EQ(SaveSource(c.file), component_error::kNone) << c.text;
        if (!test::HasTool("ffprobe")) continue;
        const std::string probe = test::Capture("ffprobe -v error -select_streams a:0 -show_entries "
                                                "stream=sample_rate,bit_rate -of csv=p=0 '" + dir_.File(c.file) + "'");
        EXPECT_EQ(probe, std::to_string(c.hz) + "," + std::to_string(c.kbps * 1000) + "\n") << c.text;
    }
}

TEST_F(AudioFileComponentTest, AnUnwritableFolderIsAFileAccessError) {
    file_->SetOutputFormatPCM(44100, 2, 16, nullptr);
    file_->OpenForEncoding(Bstr(dir_.File("no/such/folder/out.wav")).get(), 0);
    EXPECT_EQ(LastError(), component_error::kFileAccess);
    SafeArrayPtr block(SafeArrayCreateVector(VT_I2, 0, 4));
    EXPECT_EQ(file_->WriteBlock(block.get()), S_OK);
    EXPECT_EQ(file_->CloseFile(), S_OK);
}

TEST_F(AudioFileComponentTest, Mp3ChoicesAndSettingsAreKept) {
    EXPECT_EQ(Get(&IVeskAudioFile::GetMp3Encoder), 2);
    EXPECT_EQ(Get(&IVeskAudioFile::GetMp3Decoder), 2);
    file_->SetMp3Encoder(1);
    file_->SetMp3Decoder(1);
    EXPECT_EQ(Get(&IVeskAudioFile::GetMp3Encoder), 1);
    EXPECT_EQ(Get(&IVeskAudioFile::GetMp3Decoder), 1);

    ComPtr<IVeskLameSettings> first, second;
    ASSERT_EQ(file_->GetLameSettings(first.put()), S_OK);
    ASSERT_EQ(file_->GetLameSettings(second.put()), S_OK);
    EXPECT_EQ(first, second);
    file_->SetOutputFormatMP3(32000, 96, 1, nullptr);
    int32_t kbps = 0, hz = 0;
    first->get_Bitrate(&kbps);
    first->get_Frequency(&hz);
    EXPECT_EQ(kbps, 96);
    EXPECT_EQ(hz, 32000);

    VARIANT_BOOL available = VARIANT_FALSE;
    file_->IsAvailableMpeg(44100, 128, 2, &available);
    EXPECT_EQ(available, VARIANT_TRUE);
    file_->IsAvailableMpeg(44100, 7, 2, &available);
    EXPECT_EQ(available, VARIANT_FALSE);
}

}  // namespace
}  // namespace vesk
