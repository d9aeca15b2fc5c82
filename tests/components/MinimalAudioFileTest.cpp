#include <gtest/gtest.h>

#include <functional>

#include "components/ComponentErrors.h"
#include "components/minimal/MinimalAudioFile.h"

namespace vesk {
namespace {

class MinimalAudioFileTest : public testing::Test {
protected:
    std::string FormatString() {
        Bstr text;
        EXPECT_EQ(file_->GetFormatString(text.put()), S_OK);
        return text.utf8();
    }
    int32_t LastError() {
        int32_t code = 12345;
        EXPECT_EQ(file_->GetLastError(&code), S_OK);
        return code;
    }

    ComPtr<MinimalAudioFile> file_ = MakeCom<MinimalAudioFile>();
    Bstr name_{"/nonexistent/sound.wav"};
};

TEST_F(MinimalAudioFileTest, DescribesEveryOutputFormat) {
    using Setter = std::function<void(IVeskAudioFile&)>;
    const std::vector<std::pair<Setter, std::string>> cases{
        {[](IVeskAudioFile& f) { f.SetOutputFormatPCM(44100, 2, 16, nullptr); }, "PCM 44100 Hz; 16 bit; stereo"},
        {[](IVeskAudioFile& f) { f.SetOutputFormatVOX(8000, nullptr); }, "Dialogic VOX ADPCM 8000 Hz; 4 bit; mono"},
        {[](IVeskAudioFile& f) { f.SetOutputFormatRAW(2, 8000, 1, 8, nullptr); }, "RAW A-law 8000 Hz; 8 bit; mono"},
        {[](IVeskAudioFile& f) { f.SetOutputFormatMP3(48000, 192, 2, nullptr); },
         "MPEG Layer-3 48000 Hz; 192 kbps; stereo"},
        {[](IVeskAudioFile& f) { f.SetOutputFormatMP2(22050, 64, 1, nullptr); },
         "MPEG Layer-2 22050 Hz; 64 kbps; mono"},
        {[](IVeskAudioFile& f) { f.SetOutputFormatOggVorbis(44100, 2, 128, 0, 0, -1, nullptr); },
         "Ogg Vorbis 44100 Hz; 128 kbps; stereo"},
        {[](IVeskAudioFile& f) { f.SetOutputFormatOggVorbis(44100, 2, 128, 96, 160, 5, nullptr); },
         "Ogg Vorbis 44100 Hz; 128 kbps; stereo; min 96 kbps; max 160 kbps; quality 5"},
        {[](IVeskAudioFile& f) { f.SetOutputFormatADPCM(44100, 2, nullptr); }, "IMA ADPCM 44100 Hz; 4 bit; stereo"},
        {[](IVeskAudioFile& f) { f.SetOutputFormatULAW(8000, 1, nullptr); }, "u-law 8000 Hz; 8 bit; mono"},
        {[](IVeskAudioFile& f) { f.SetOutputFormatGSM(8000, nullptr); }, "GSM 6.10 8000 Hz; mono"},
        {[](IVeskAudioFile& f) { f.SetOutputFormatG726(8000, 2, nullptr); }, "G.726 ADPCM 8000 Hz; 2 bit; mono"},
        {[](IVeskAudioFile& f) { f.SetOutputFormatALF2CD(4, nullptr); }, "ALF2CD 44100 Hz; 512 kbps; stereo"},
    };
    for (const auto& [set, expected] : cases) {
        set(*file_);
        EXPECT_EQ(FormatString(), expected);
    }
}

TEST_F(MinimalAudioFileTest, ChannelCountsBeyondStereoAreSpelledOut) {
    file_->SetOutputFormatPCM(96000, 6, 24, nullptr);
    EXPECT_EQ(FormatString(), "PCM 96000 Hz; 24 bit; 6 channels");
}

TEST_F(MinimalAudioFileTest, FormatsThatCannotBeTakenKeepThePreviousOne) {
    file_->SetOutputFormatVOX(6000, nullptr);
    int32_t result = 0;
    file_->SetOutputFormatLikeSample(name_.get(), &result);
    EXPECT_EQ(result, component_error::kFormatNotSupport);
    file_->ChooseFormatFromMenu(&result);
    EXPECT_EQ(result, component_error::kNone);
    EXPECT_EQ(FormatString(), "Dialogic VOX ADPCM 6000 Hz; 4 bit; mono");
}

TEST_F(MinimalAudioFileTest, OutputRateIsTheFrequencyWhenNothingIsDecoded) {
    file_->SetOutputFormatMP3(32000, 128, 2, nullptr);
    int32_t hz = 0;
    EXPECT_EQ(file_->GetFrequency(&hz), S_OK);
    EXPECT_EQ(hz, 32000);
}

TEST_F(MinimalAudioFileTest, DecodingAndEncodingReportFormatNotSupported) {
    EXPECT_EQ(LastError(), component_error::kNone);
    file_->OpenForDecoding(name_.get(), 0, 1);
    EXPECT_EQ(LastError(), component_error::kFormatNotSupport);

    auto fresh = MakeCom<MinimalAudioFile>();
    fresh->OpenForEncoding(name_.get(), 0);
    int32_t code = 0;
    fresh->GetLastError(&code);
    EXPECT_EQ(code, component_error::kFormatNotSupport);
}

TEST_F(MinimalAudioFileTest, ReadBlockEndsTheDecodingLoopAtOnce) {
    SafeArrayPtr block;
    ASSERT_EQ(file_->ReadBlock(4 * 8000, block.put()), S_OK);
    ASSERT_NE(block.get(), nullptr);
    EXPECT_LT(block.size(), 2u);
    EXPECT_EQ(file_->ReadBlock(100, nullptr), E_POINTER);
}

TEST_F(MinimalAudioFileTest, StoresInputFormatAndCodecChoices) {
    file_->SetInputFormat(22050, 1);
    file_->ConfigureInstance(1);
    file_->SetMp3Encoder(1);
    file_->SetMp3Decoder(1);
    EXPECT_EQ(file_->InputFrequencyHz(), 22050);
    EXPECT_EQ(file_->InputChannels(), 1);
    EXPECT_EQ(file_->InstanceMode(), 1);
    int32_t encoder = 0, decoder = 0;
    file_->GetMp3Encoder(&encoder);
    file_->GetMp3Decoder(&decoder);
    EXPECT_EQ(encoder, 1);
    EXPECT_EQ(decoder, 1);
}

TEST_F(MinimalAudioFileTest, NoMpegOrVorbisFormatIsAvailableYet) {
    VARIANT_BOOL available = VARIANT_TRUE;
    file_->IsAvailableMpeg(44100, 128, 2, &available);
    EXPECT_EQ(available, 0);
    available = VARIANT_TRUE;
    file_->IsAvailableOggVorbis(44100, 2, 128, 0, 0, &available);
    EXPECT_EQ(available, 0);
}

TEST_F(MinimalAudioFileTest, LameSettingsAreOneObjectThatKeepsItsValues) {
    ComPtr<IVeskLameSettings> first, second;
    ASSERT_EQ(file_->GetLameSettings(first.put()), S_OK);
    ASSERT_EQ(file_->GetLameSettings(second.put()), S_OK);
    EXPECT_EQ(first, second);
    first->put_Bitrate(256);
    int32_t kbps = 0;
    second->get_Bitrate(&kbps);
    EXPECT_EQ(kbps, 256);
}

}  // namespace
}  // namespace vesk
