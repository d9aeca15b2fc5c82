// Writes MP3 through libmp3lame with every stored MP3 setting in effect (LameEncoderSettings
// says how each one is read). The output rate, channel count and constant bitrate are those of
// the settings; input of another rate or channel count is converted before LAME sees it. When
// the VBR header is on, the first frame is rewritten at the end with the final Xing/LAME tag
// (an "Info" tag for constant bitrate), which players use for the length and seeking.
#pragma once

#include <memory>
#include <vector>

#include "components/file/AudioEncoder.h"
#include "components/file/EncoderInputConverter.h"
#include "components/file/LameSettingsStore.h"
#include "platform/io/BufferedFile.h"

struct lame_global_struct;

namespace vesk {

class LameEncoder : public AudioEncoder {
public:
    // settings are copied: later changes apply to the next file.
    explicit LameEncoder(const LameSettingsValues& settings) : settings_(settings) {}
    ~LameEncoder() override;

    // Ignores format: the MP3 parameters come from the settings.
    int32_t Open(const std::string& path, const OutputFormat& format, const EncoderInput& input) override;
    bool Write(const int16_t* samples, int64_t frames) override;
    bool Close() override;

private:
    bool SettingsAreWritable() const;
    int32_t StartLame();
    bool Encode(std::span<const int16_t> samples);
    bool WriteOut(int bytes);
    bool Finish();
    bool RewriteFirstFrame();
    void Release();

    LameSettingsValues settings_;
    lame_global_struct* lame_ = nullptr;
    BufferedFile file_;
    std::unique_ptr<EncoderInputConverter> converter_;
    std::vector<unsigned char> mp3_;
};

}  // namespace vesk
