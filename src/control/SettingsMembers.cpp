// Settings of the control: view type and frame, marker display (the view's), smoothing (the
// document's), the mouse pointer and events (the mouse's), the MP3 codec choice (the file
// component's).
#include "control/AudioEditor.h"
#include "platform/automation/OutParam.h"

namespace vesk {

HRESULT AudioEditor::get_TypeBorder(int16_t* value) { return WriteOut(value, view_.TypeBorder()); }
HRESULT AudioEditor::put_TypeBorder(int16_t value) {
    view_.SetTypeBorder(value);
    return S_OK;
}

HRESULT AudioEditor::get_MousePointer(int32_t* value) { return WriteOut(value, mouse_ ? mouse_->MousePointer() : 0); }
HRESULT AudioEditor::put_MousePointer(int32_t value) {
    if (mouse_) mouse_->SetMousePointer(value);
    return S_OK;
}
HRESULT AudioEditor::get_MouseCustom(BSTR* value) {
    return WriteOutText(value, mouse_ ? mouse_->MouseCustom() : std::string());
}
HRESULT AudioEditor::put_MouseCustom(BSTR value) {
    if (mouse_) mouse_->SetMouseCustom(BstrToUtf8(value));
    return S_OK;
}
HRESULT AudioEditor::get_MouseEventsEnabled(VARIANT_BOOL* value) {
    return WriteOut<VARIANT_BOOL>(value, mouse_ ? mouse_->EventsEnabled() : 1);
}
HRESULT AudioEditor::put_MouseEventsEnabled(VARIANT_BOOL value) {
    if (mouse_) mouse_->SetEventsEnabled(value);
    return S_OK;
}

HRESULT AudioEditor::get_TypeView(int32_t* value) { return WriteOut(value, view_.TypeView()); }
HRESULT AudioEditor::put_TypeView(int32_t value) {
    view_.SetTypeView(value);
    return S_OK;
}

HRESULT AudioEditor::get_SmoothEnabled(VARIANT_BOOL* value) { return WriteOut(value, document_.SmoothEnabledFlag()); }
HRESULT AudioEditor::put_SmoothEnabled(VARIANT_BOOL value) {
    document_.SetSmoothEnabled(value);
    return S_OK;
}
HRESULT AudioEditor::get_SmoothTime(int32_t* value) { return WriteOut(value, smoothTime_); }
HRESULT AudioEditor::put_SmoothTime(int32_t value) {
    smoothTime_ = value;
    transform_->SetSmoothTime(value);
    return S_OK;
}


HRESULT AudioEditor::get_MarkerBarEnabled(VARIANT_BOOL* value) { return WriteOut(value, view_.MarkerBarFlag()); }
HRESULT AudioEditor::put_MarkerBarEnabled(VARIANT_BOOL value) {
    view_.SetMarkerBarFlag(value);
    return S_OK;
}
HRESULT AudioEditor::get_MarkerBackgroundEnabled(VARIANT_BOOL* value) {
    return WriteOut(value, view_.MarkerBackgroundFlag());
}
HRESULT AudioEditor::put_MarkerBackgroundEnabled(VARIANT_BOOL value) {
    view_.SetMarkerBackgroundFlag(value);
    return S_OK;
}

HRESULT AudioEditor::get_Mp3TypeEncoder(int32_t* value) {
    if (!value) return E_POINTER;
    *value = 0;
    fileComponent_->GetMp3Encoder(value);
    return S_OK;
}
HRESULT AudioEditor::put_Mp3TypeEncoder(int32_t value) {
    fileComponent_->SetMp3Encoder(value);
    return S_OK;
}
HRESULT AudioEditor::get_Mp3TypeDecoder(int32_t* value) {
    if (!value) return E_POINTER;
    *value = 0;
    fileComponent_->GetMp3Decoder(value);
    return S_OK;
}
HRESULT AudioEditor::put_Mp3TypeDecoder(int32_t value) {
    fileComponent_->SetMp3Decoder(value);
    return S_OK;
}

HRESULT AudioEditor::IsAvailableFormatMpeg(int32_t Frequency, int32_t Bitrate, int32_t Channels,
                                           VARIANT_BOOL* result) {
    if (!result) return E_POINTER;
    *result = VARIANT_FALSE;
    fileComponent_->IsAvailableMpeg(Frequency, Bitrate, Channels, result);
    return S_OK;
}

HRESULT AudioEditor::IsAvailableFormatOggVorbis(int32_t Frequency, int32_t nChannels, int32_t NominalBitrate,
                                                int32_t MinBitrate, int32_t MaxBitrate, VARIANT_BOOL* result) {
    if (!result) return E_POINTER;
    *result = VARIANT_FALSE;
    fileComponent_->IsAvailableOggVorbis(Frequency, nChannels, NominalBitrate, MinBitrate, MaxBitrate, result);
    return S_OK;
}


}  // namespace vesk
