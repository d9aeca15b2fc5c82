// One output file of the file component. The host opens it before it says in which rate and
// channel count its blocks come (SetInputFormat follows OpenForEncoding), so the encoder is
// opened at once (file errors reach the host right away) and made again for the announced
// input as long as no block has been written.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "components/file/OutputFormat.h"
#include "components/file/AudioEncoder.h"
#include "components/file/LameSettingsStore.h"
#include "platform/automation/SafeArray.h"

namespace vesk {

class EncodeSession {
public:
    // 0 or an ErrorConstants value; formatType: FormatTypeConstants, 0 = by format and name.
    // lame: the MP3 settings (borrowed, must outlive the session), null for the defaults.
    int32_t Open(const std::string& path, const OutputFormat& format, int32_t formatType, EncoderInput input,
                 const LameSettingsValues* lame);
    // The blocks will come in `input`: 0 or an ErrorConstants value. Once blocks have been
    // written, the input stays as it was (INVALIDOPERATION when it differs).
    int32_t ChangeInput(EncoderInput input);
    // Encodes a borrowed VT_I2 block; false on a write error or a block of another type.
    bool Write(SAFEARRAY* block);
    // Finishes the file; false when that failed.
    bool Close();

private:
    int32_t OpenEncoder();

    std::unique_ptr<AudioEncoder> encoder_;
    std::string path_;
    OutputFormat format_;
    int32_t formatType_ = 0;
    EncoderInput input_;
    const LameSettingsValues* lame_ = nullptr;
    bool written_ = false;
};

}  // namespace vesk
