// VeskAudioFile: decodes files through libsndfile or FFmpeg (converted with libsoxr to the rate
// and channel count of a SetInputFormat that follows the open), encodes through the encoders of
// EncoderFactory, and holds the output format, the MP3 codec choices and the MP3 encoder
// settings. Every operation is safe in any order; failures are kept for GetLastError.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "components/file/OutputFormat.h"
#include "components/VeskAudioFile.h"
#include "components/file/DecodeSession.h"
#include "components/file/EncodeSession.h"
#include "components/file/LameSettingsStore.h"

namespace vesk {

class AudioFileComponent : public RefCounted, public IVeskAudioFile {
public:
    AudioFileComponent();
    ~AudioFileComponent();
    VESK_IUNKNOWN_IMPL(AudioFileComponent, IVeskAudioFile)

    // For tests: what the setters stored.
    const OutputFormat& Format() const { return format_; }
    int32_t InputFrequencyHz() const { return inputHz_; }
    int32_t InputChannels() const { return inputChannels_; }
    int32_t InstanceMode() const { return instanceMode_; }

    HRESULT OpenForDecoding(BSTR fileName, int32_t formatType, int32_t mode) override;
    HRESULT GetFrequency(int32_t* hz) override;
    HRESULT GetChannels(int32_t* channels) override;
    HRESULT GetBitsPerSample(int32_t* bits) override;
    HRESULT GetLength(int32_t* frames) override;
    HRESULT GetPcmFlag(int32_t* isPcm) override;
    HRESULT ReadBlock(int32_t bytes, SAFEARRAY** block) override;
    HRESULT ConfigureInstance(int32_t mode) override;
    HRESULT OpenForEncoding(BSTR fileName, int32_t formatType) override;
    HRESULT SetInputFormat(int32_t hz, int32_t channels) override;
    HRESULT WriteBlock(SAFEARRAY* block) override;
    HRESULT CloseFile() override;
    HRESULT GetLastError(int32_t* errorCode) override;
    HRESULT GetFormatString(BSTR* text) override;

    HRESULT SetOutputFormatPCM(int32_t hz, int32_t channels, int32_t bitsPerSample, int32_t* result) override;
    HRESULT SetOutputFormatRAW(int32_t rawCompress, int32_t hz, int32_t channels, int32_t bitsPerSample,
                               int32_t* result) override;
    HRESULT SetOutputFormatMP3(int32_t hz, int32_t kbps, int32_t channels, int32_t* result) override;
    HRESULT SetOutputFormatMP2(int32_t hz, int32_t kbps, int16_t channels, int32_t* result) override;
    HRESULT SetOutputFormatOggVorbis(int32_t hz, int32_t channels, int32_t nominalKbps, int32_t minKbps,
                                     int32_t maxKbps, int16_t quality, int32_t* result) override;
    HRESULT SetOutputFormatADPCM(int32_t hz, int32_t channels, int32_t* result) override;
    HRESULT SetOutputFormatALAW(int32_t hz, int32_t channels, int32_t* result) override;
    HRESULT SetOutputFormatULAW(int32_t hz, int32_t channels, int32_t* result) override;
    HRESULT SetOutputFormatGSM(int32_t hz, int32_t* result) override;
    HRESULT SetOutputFormatVOX(int32_t hz, int32_t* result) override;
    HRESULT SetOutputFormatG721(int32_t hz, int32_t* result) override;
    HRESULT SetOutputFormatG723(int32_t hz, int32_t bitsPerSample, int32_t* result) override;
    HRESULT SetOutputFormatG726(int32_t hz, int32_t bitsPerSample, int32_t* result) override;
    HRESULT SetOutputFormatALF2CD(int32_t bitrateCode, int32_t* result) override;
    HRESULT SetOutputFormatDSP(int32_t* result) override;
    HRESULT SetOutputFormatLikeSample(BSTR fileName, int32_t* result) override;
    HRESULT ChooseFormatFromMenu(int32_t* result) override;
    HRESULT GetLameSettings(IVeskLameSettings** settings) override;

    HRESULT GetMp3Encoder(int32_t* encoder) override;
    HRESULT SetMp3Encoder(int32_t encoder) override;
    HRESULT GetMp3Decoder(int32_t* decoder) override;
    HRESULT SetMp3Decoder(int32_t decoder) override;
    HRESULT IsAvailableMpeg(int32_t hz, int32_t kbps, int32_t channels, VARIANT_BOOL* available) override;
    HRESULT IsAvailableOggVorbis(int32_t hz, int32_t channels, int32_t nominalKbps, int32_t minKbps, int32_t maxKbps,
                                 VARIANT_BOOL* available) override;

private:
    // Holds a new output format and answers 0 (accepted) in *result when given.
    HRESULT Hold(const OutputFormat& format, int32_t* result);
    // The input format the encoder gets: SetInputFormat's, else the output format's own.
    EncoderInput Input() const;
    // Closes what is open; false when finishing an output file failed.
    bool CloseSessions();

    OutputFormat format_;  // PCM 44100 Hz 16 bit stereo until a setter runs
    ComPtr<LameSettingsStore> lame_;
    int32_t lastError_ = 0;
    // The blocks a save sends (0 until SetInputFormat: the output format's own). A decode always
    // starts in the file's own format; SetInputFormat while decoding converts that decode only.
    int32_t inputHz_ = 0;
    int32_t inputChannels_ = 0;
    int32_t instanceMode_ = 0;
    int32_t mp3Encoder_ = 2;  // LAME
    int32_t mp3Decoder_ = 2;  // built-in decoder
    std::unique_ptr<DecodeSession> decoding_;  // at most one of decoding_ and encoding_ is set
    std::unique_ptr<EncodeSession> encoding_;
};

}  // namespace vesk
