// A file component for tests of the control's open and save: it "decodes" a programmed
// sequence of blocks with a programmed announced format and error, and records what an encode
// receives. Register it under the file component's name in a test registry.
#pragma once

#include <string>
#include <vector>

#include "components/VeskAudioFile.h"
#include "platform/automation/OutParam.h"

namespace vesk::test {

class FakeFileComponent : public RefCounted, public IVeskAudioFile {
public:
    VESK_IUNKNOWN_IMPL(FakeFileComponent, IVeskAudioFile)

    // Decoding: the announced format and what ReadBlock delivers.
    int32_t error = 0;
    int32_t frequency = 44100;
    int32_t channels = 2;
    int32_t announcedFrames = 0;
    std::vector<std::vector<int16_t>> blocks;
    // Encoding: what was written, and the output rate the control scales markers by. A write
    // error sticks from the write after `writesBeforeError` blocks; a close error from CloseFile.
    int32_t encodeError = 0;
    int32_t writeError = 0;
    int32_t writesBeforeError = 0;
    int32_t closeError = 0;
    int32_t outputFrequency = 44100;
    std::vector<int16_t> written;
    std::vector<std::string> calls;
    std::string formatText;

    HRESULT OpenForDecoding(BSTR fileName, int32_t, int32_t) override {
        calls.push_back("OpenForDecoding " + BstrToUtf8(fileName));
        decoding_ = true;
        next_ = 0;
        last_ = error;
        return S_OK;
    }
    HRESULT GetFrequency(int32_t* hz) override { return WriteOut(hz, decoding_ ? frequency : outputFrequency); }
    HRESULT GetChannels(int32_t* value) override { return WriteOut(value, channels); }
    HRESULT GetBitsPerSample(int32_t* bits) override { return WriteOut(bits, 16); }
    HRESULT GetLength(int32_t* frames) override { return WriteOut(frames, announcedFrames); }
    HRESULT GetPcmFlag(int32_t* isPcm) override { return WriteOut(isPcm, 1); }
    HRESULT ReadBlock(int32_t, SAFEARRAY** block) override {
        std::vector<int16_t> none;
        const auto& data = next_ < blocks.size() ? blocks[next_++] : none;
        *block = SafeArrayCreateVector(VT_I2, 0, static_cast<uint32_t>(data.size()));
        std::copy(data.begin(), data.end(), SafeArraySpan<int16_t>(*block, VT_I2).begin());
        return S_OK;
    }
    HRESULT ConfigureInstance(int32_t) override { return S_OK; }
    HRESULT OpenForEncoding(BSTR fileName, int32_t) override {
        calls.push_back("OpenForEncoding " + BstrToUtf8(fileName));
        decoding_ = false;
        last_ = encodeError;
        return S_OK;
    }
    HRESULT SetInputFormat(int32_t, int32_t) override {
        calls.push_back("SetInputFormat");
        return S_OK;
    }
    HRESULT WriteBlock(SAFEARRAY* block) override {
        if (writeError != 0 && writes_++ >= writesBeforeError) {
            last_ = writeError;
            return S_OK;
        }
        auto samples = SafeArraySpan<int16_t>(block, VT_I2);
        written.insert(written.end(), samples.begin(), samples.end());
        return S_OK;
    }
    HRESULT CloseFile() override {
        calls.push_back("CloseFile");
        if (!decoding_ && closeError != 0) last_ = closeError;
        decoding_ = false;
        writes_ = 0;
        return S_OK;
    }
    HRESULT GetLastError(int32_t* code) override { return WriteOut(code, last_); }
    HRESULT GetFormatString(BSTR* text) override {
        return WriteOutText(text, decoding_ ? "Fake decoder" : formatText);
    }
    HRESULT SetOutputFormatPCM(int32_t hz, int32_t ch, int32_t bits, int32_t*) override {
        formatText = "PCM " + std::to_string(hz) + " " + std::to_string(ch) + " " + std::to_string(bits);
        return S_OK;
    }
    HRESULT SetOutputFormatRAW(int32_t, int32_t, int32_t, int32_t, int32_t*) override { return S_OK; }
    HRESULT SetOutputFormatMP3(int32_t, int32_t, int32_t, int32_t*) override { return S_OK; }
    HRESULT SetOutputFormatMP2(int32_t, int32_t, int16_t, int32_t*) override { return S_OK; }
    HRESULT SetOutputFormatOggVorbis(int32_t, int32_t, int32_t, int32_t, int32_t, int16_t, int32_t*) override {
        return S_OK;
    }
    HRESULT SetOutputFormatADPCM(int32_t, int32_t, int32_t*) override { return S_OK; }
    HRESULT SetOutputFormatALAW(int32_t, int32_t, int32_t*) override { return S_OK; }
    HRESULT SetOutputFormatULAW(int32_t, int32_t, int32_t*) override { return S_OK; }
    HRESULT SetOutputFormatGSM(int32_t, int32_t*) override { return S_OK; }
    HRESULT SetOutputFormatVOX(int32_t hz, int32_t*) override {
        formatText = "VOX " + std::to_string(hz);
        return S_OK;
    }
    HRESULT SetOutputFormatG721(int32_t, int32_t*) override { return S_OK; }
    HRESULT SetOutputFormatG723(int32_t, int32_t, int32_t*) override { return S_OK; }
    HRESULT SetOutputFormatG726(int32_t, int32_t, int32_t*) override { return S_OK; }
    HRESULT SetOutputFormatALF2CD(int32_t, int32_t*) override { return S_OK; }
    HRESULT SetOutputFormatDSP(int32_t*) override { return S_OK; }
    HRESULT SetOutputFormatLikeSample(BSTR, int32_t*) override { return S_OK; }
    HRESULT ChooseFormatFromMenu(int32_t*) override {
        formatText = "chosen from a menu";
        return S_OK;
    }
    HRESULT GetLameSettings(IVeskLameSettings** settings) override {
        *settings = nullptr;
        return S_OK;
    }
    HRESULT GetMp3Encoder(int32_t* value) override { return WriteOut(value, 2); }
    HRESULT SetMp3Encoder(int32_t) override { return S_OK; }
    HRESULT GetMp3Decoder(int32_t* value) override { return WriteOut(value, 2); }
    HRESULT SetMp3Decoder(int32_t) override { return S_OK; }
    HRESULT IsAvailableMpeg(int32_t, int32_t, int32_t, VARIANT_BOOL* available) override {
        return WriteOut<VARIANT_BOOL>(available, VARIANT_FALSE);
    }
    HRESULT IsAvailableOggVorbis(int32_t, int32_t, int32_t, int32_t, int32_t, VARIANT_BOOL* available) override {
        return WriteOut<VARIANT_BOOL>(available, VARIANT_FALSE);
    }

private:
    bool decoding_ = false;
    int32_t writes_ = 0;
    size_t next_ = 0;
    int32_t last_ = 0;
};

}  // namespace vesk::test
