// The edit commands, the exchange with the desktop clipboard and the sample type conversion of
// IAudioEditor: each member hands its arguments to the edit subsystem and answers S_OK whatever
// happened (results and failures reach the host through events and LastErrorNum).
#include "control/AudioEditor.h"

namespace vesk {

HRESULT AudioEditor::Copy() {
    editing_.Commands().Copy();
    return S_OK;
}

HRESULT AudioEditor::Cut() {
    editing_.Commands().Cut();
    return S_OK;
}

HRESULT AudioEditor::Paste() {
    editing_.Commands().Paste();
    return S_OK;
}

HRESULT AudioEditor::PasteFromFile(BSTR fileName) {
    editing_.Commands().PasteFromFile(BstrToUtf8(fileName));
    return S_OK;
}

HRESULT AudioEditor::Mix(float AmplifySelect, float AmplifyPaste) {
    editing_.Commands().Mix(AmplifySelect, AmplifyPaste);
    return S_OK;
}

HRESULT AudioEditor::MixFromFile(float AmplifySelect, BSTR fileNamePaste, float AmplifyPaste) {
    editing_.Commands().MixFromFile(AmplifySelect, BstrToUtf8(fileNamePaste), AmplifyPaste);
    return S_OK;
}

HRESULT AudioEditor::PasteFromClipboard() {
    systemClipboard_.PasteFromClipboard();
    return S_OK;
}

HRESULT AudioEditor::CopyToClipboard() {
    systemClipboard_.CopyToClipboard();
    return S_OK;
}

HRESULT AudioEditor::ClearSystemClipboard() {
    systemClipboard_.ClearSystemClipboard();
    return S_OK;
}

HRESULT AudioEditor::InsertSilence(int32_t Millisec) {
    editing_.Commands().InsertSilence(Millisec);
    return S_OK;
}

HRESULT AudioEditor::DeleteSelect() {
    editing_.Commands().DeleteSelect();
    return S_OK;
}

HRESULT AudioEditor::PutSampleArray(SAFEARRAY* samples) {
    editing_.Commands().PutSampleArray(samples);
    return S_OK;
}

HRESULT AudioEditor::GetSelectionArray(SAFEARRAY** samples) {
    if (!samples) return E_POINTER;
    // The out-parameter stays untouched when there is nothing to hand out.
    if (SAFEARRAY* selection = editing_.Commands().GetSelectionArray()) *samples = selection;
    return S_OK;
}

HRESULT AudioEditor::ConvertSampleType(int32_t Frequency, int32_t Channels) {
    editing_.Conversion().Convert(Frequency, Channels);
    return S_OK;
}

}  // namespace vesk
