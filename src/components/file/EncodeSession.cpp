#include "components/file/EncodeSession.h"

#include "components/ComponentErrors.h"
#include "components/file/EncoderFactory.h"

namespace vesk {

int32_t EncodeSession::Open(const std::string& path, const OutputFormat& format, int32_t formatType,
                            EncoderInput input, const LameSettingsValues* lame) {
    lame_ = lame;
    path_ = path;
    format_ = format;
    formatType_ = formatType;
    input_ = input;
    written_ = false;
    return OpenEncoder();
}

int32_t EncodeSession::OpenEncoder() {
    encoder_ = MakeEncoder(format_, formatType_, path_, lame_);
    if (!encoder_) return component_error::kFormatNotSupport;
    const int32_t result = encoder_->Open(path_, format_, input_);
    if (result != component_error::kNone) encoder_.reset();
    return result;
}

int32_t EncodeSession::ChangeInput(EncoderInput input) {
    if (input.frequency == input_.frequency && input.channels == input_.channels) return component_error::kNone;
    if (written_) return component_error::kInvalidOperation;
    // Nothing has been written yet: the file is simply made again for the new input.
    if (encoder_) encoder_->Close();
    input_ = input;
    return OpenEncoder();
}

bool EncodeSession::Write(SAFEARRAY* block) {
    if (!encoder_) return false;
    const std::span<int16_t> samples = SafeArraySpan<int16_t>(block, VT_I2);
    if (samples.empty()) return block && block->vt == VT_I2;
    written_ = true;
    return encoder_->Write(samples.data(), static_cast<int64_t>(samples.size()) / input_.channels);
}

bool EncodeSession::Close() {
    if (!encoder_) return true;
    const bool finished = encoder_->Close();
    encoder_.reset();
    return finished;
}

}  // namespace vesk
