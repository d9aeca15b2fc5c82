// Members whose behaviour belongs to subsystems that are not built yet. Each exists with its
// dispatch identifier and parameters, answers S_OK and changes nothing; the README's status
// table lists them.
#include "control/AudioEditor.h"

namespace vesk {


// Playback and recording arrive with the transport.
HRESULT AudioEditor::Play(int32_t) { return S_OK; }
HRESULT AudioEditor::Record(int32_t) { return S_OK; }
HRESULT AudioEditor::Pause() { return S_OK; }
HRESULT AudioEditor::Continue() { return S_OK; }


// Edits, effects, conversion and the clipboard arrive with the operation frame.
HRESULT AudioEditor::Copy() { return S_OK; }
HRESULT AudioEditor::Cut() { return S_OK; }
HRESULT AudioEditor::Paste() { return S_OK; }
HRESULT AudioEditor::PasteFromFile(BSTR) { return S_OK; }
HRESULT AudioEditor::Mix(float, float) { return S_OK; }
HRESULT AudioEditor::MixFromFile(float, BSTR, float) { return S_OK; }
HRESULT AudioEditor::PasteFromClipboard() { return S_OK; }
HRESULT AudioEditor::CopyToClipboard() { return S_OK; }
HRESULT AudioEditor::InsertSilence(int32_t) { return S_OK; }
HRESULT AudioEditor::DeleteSelect() { return S_OK; }
HRESULT AudioEditor::DeleteSilence(float, int32_t, int32_t, float) { return S_OK; }
HRESULT AudioEditor::Trim(float, int32_t, int32_t) { return S_OK; }
HRESULT AudioEditor::ConvertSampleType(int32_t, int32_t) { return S_OK; }
HRESULT AudioEditor::Silence() { return S_OK; }
HRESULT AudioEditor::Reverse() { return S_OK; }
HRESULT AudioEditor::Invert() { return S_OK; }
HRESULT AudioEditor::Amplify(float) { return S_OK; }
HRESULT AudioEditor::AddNoise(float, int32_t) { return S_OK; }
HRESULT AudioEditor::MixStereoChannels(float, float, float, float) { return S_OK; }
HRESULT AudioEditor::Fade(float, float) { return S_OK; }
HRESULT AudioEditor::Normalize(float, VARIANT_BOOL) { return S_OK; }
HRESULT AudioEditor::Vibrato(float, float, float) { return S_OK; }
HRESULT AudioEditor::Envelope(SAFEARRAY**) { return S_OK; }
HRESULT AudioEditor::Compressor(float, float, float) { return S_OK; }
HRESULT AudioEditor::Expander(float, float, float) { return S_OK; }
HRESULT AudioEditor::Delay(float, float, float) { return S_OK; }
HRESULT AudioEditor::Phaser(float, float, float) { return S_OK; }
HRESULT AudioEditor::Flanger(float, float, float, float, float, float) { return S_OK; }
HRESULT AudioEditor::Reverb(float, float, float, float) { return S_OK; }
HRESULT AudioEditor::Stretch(float) { return S_OK; }
HRESULT AudioEditor::NotchFilter(float, float) { return S_OK; }
HRESULT AudioEditor::FFTFilter(SAFEARRAY**) { return S_OK; }
HRESULT AudioEditor::HighPassFilter(float, float) { return S_OK; }
HRESULT AudioEditor::LowPassFilter(float, float) { return S_OK; }
HRESULT AudioEditor::HighShelfFilter(float, float, float) { return S_OK; }
HRESULT AudioEditor::LowShelfFilter(float, float, float) { return S_OK; }
HRESULT AudioEditor::BandPassFilter(float, float) { return S_OK; }
HRESULT AudioEditor::Equalizer(SAFEARRAY**, SAFEARRAY**) { return S_OK; }
HRESULT AudioEditor::PeakEQFilter(float, float, float) { return S_OK; }
HRESULT AudioEditor::PutSampleArray(SAFEARRAY*) { return S_OK; }
HRESULT AudioEditor::ClearSystemClipboard() { return S_OK; }

HRESULT AudioEditor::GetSelectionArray(SAFEARRAY** samples) {
    if (!samples) return E_POINTER;
    *samples = nullptr;
    return S_OK;
}

}  // namespace vesk
