#include "objects/AudioEditorLameMp3Encoder.h"

namespace vesk {

HRESULT AudioEditorLameMp3Encoder::SetParamsFromCommandLine(BSTR CommandLine) {
    if (settings_) settings_->SetParamsFromCommandLine(CommandLine);
    return S_OK;
}

HRESULT AudioEditorLameMp3Encoder::SetParamsFromPreset(int16_t Preset) {
    if (settings_) settings_->SetParamsFromPreset(Preset);
    return S_OK;
}

HRESULT AudioEditorLameMp3Encoder::SetParamsFromAltPreset(int16_t Preset) {
    if (settings_) settings_->SetParamsFromAltPreset(Preset);
    return S_OK;
}

}  // namespace vesk
