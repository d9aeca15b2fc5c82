// The output format in which Save encodes: held by the file component, the SetFormat methods
// forward their arguments unchecked and take the component's description of the result. WMA
// profiles are the control's own, because WMA files are written by the WMA codec.
#include "components/ComponentNames.h"
#include "components/WmaCodec.h"
#include "control/AudioEditor.h"

namespace vesk {

void AudioEditor::RefreshFormatString() {
    Bstr text;
    fileComponent_->GetFormatString(text.put());
    document_.SetFormatString(text.utf8());
}

// Every forwarding call gets an output variable the control never reads.
HRESULT AudioEditor::SetFormatPCM(int32_t Frequency, int32_t nChannels, int32_t BitsPerSample) {
    int32_t unused = 0;
    fileComponent_->SetOutputFormatPCM(Frequency, nChannels, BitsPerSample, &unused);
    RefreshFormatString();
    return S_OK;
}

HRESULT AudioEditor::SetFormatRAW(int32_t TypeCompress, int32_t Frequency, int32_t nChannels, int32_t BitsPerSample) {
    int32_t unused = 0;
    fileComponent_->SetOutputFormatRAW(TypeCompress, Frequency, nChannels, BitsPerSample, &unused);
    RefreshFormatString();
    return S_OK;
}

HRESULT AudioEditor::SetFormatMP3(int32_t Frequency, int32_t Bitrate, int32_t nChannels) {
    int32_t unused = 0;
    fileComponent_->SetOutputFormatMP3(Frequency, Bitrate, nChannels, &unused);
    RefreshFormatString();
    return S_OK;
}

HRESULT AudioEditor::SetFormatMP2(int32_t Frequency, int32_t Bitrate, int16_t nChannels) {
    int32_t unused = 0;
    fileComponent_->SetOutputFormatMP2(Frequency, Bitrate, nChannels, &unused);
    RefreshFormatString();
    return S_OK;
}

HRESULT AudioEditor::SetFormatOggVorbis(int32_t Frequency, int32_t nChannels, int32_t NominalBitrate,
                                        int32_t MinBitrate, int32_t MaxBitrate, int16_t Quality) {
    int32_t unused = 0;
    fileComponent_->SetOutputFormatOggVorbis(Frequency, nChannels, NominalBitrate, MinBitrate, MaxBitrate, Quality,
                                             &unused);
    RefreshFormatString();
    return S_OK;
}

HRESULT AudioEditor::SetFormatADPCM(int32_t Frequency, int32_t nChannels) {
    int32_t unused = 0;
    fileComponent_->SetOutputFormatADPCM(Frequency, nChannels, &unused);
    RefreshFormatString();
    return S_OK;
}

HRESULT AudioEditor::SetFormatALAW(int32_t Frequency, int32_t nChannels) {
    int32_t unused = 0;
    fileComponent_->SetOutputFormatALAW(Frequency, nChannels, &unused);
    RefreshFormatString();
    return S_OK;
}

HRESULT AudioEditor::SetFormatULAW(int32_t Frequency, int32_t nChannels) {
    int32_t unused = 0;
    fileComponent_->SetOutputFormatULAW(Frequency, nChannels, &unused);
    RefreshFormatString();
    return S_OK;
}

HRESULT AudioEditor::SetFormatGSM(int32_t Frequency) {
    int32_t unused = 0;
    fileComponent_->SetOutputFormatGSM(Frequency, &unused);
    RefreshFormatString();
    return S_OK;
}

HRESULT AudioEditor::SetFormatVOX(int32_t Frequency) {
    int32_t unused = 0;
    fileComponent_->SetOutputFormatVOX(Frequency, &unused);
    RefreshFormatString();
    return S_OK;
}

HRESULT AudioEditor::SetFormatG721(int32_t Frequency) {
    int32_t unused = 0;
    fileComponent_->SetOutputFormatG721(Frequency, &unused);
    RefreshFormatString();
    return S_OK;
}

HRESULT AudioEditor::SetFormatG723(int32_t Frequency, int32_t BitsPerSample) {
    int32_t unused = 0;
    fileComponent_->SetOutputFormatG723(Frequency, BitsPerSample, &unused);
    RefreshFormatString();
    return S_OK;
}

HRESULT AudioEditor::SetFormatG726(int32_t Frequency, int32_t BitsPerSample) {
    int32_t unused = 0;
    fileComponent_->SetOutputFormatG726(Frequency, BitsPerSample, &unused);
    RefreshFormatString();
    return S_OK;
}

HRESULT AudioEditor::SetFormatALF2CD(int32_t Bitrate) {
    int32_t unused = 0;
    fileComponent_->SetOutputFormatALF2CD(Bitrate, &unused);
    RefreshFormatString();
    return S_OK;
}

HRESULT AudioEditor::SetFormatDSP() {
    int32_t unused = 0;
    fileComponent_->SetOutputFormatDSP(&unused);
    RefreshFormatString();
    return S_OK;
}

HRESULT AudioEditor::SetFormatLikeSample(BSTR fileName) {
    int32_t unused = 0;
    fileComponent_->SetOutputFormatLikeSample(fileName, &unused);
    RefreshFormatString();
    return S_OK;
}

// The component may let a person choose; the text is not refreshed (the choice may still be open).
HRESULT AudioEditor::SetFormatFromMenu() {
    int32_t unused = 0;
    fileComponent_->ChooseFormatFromMenu(&unused);
    return S_OK;
}

HRESULT AudioEditor::SetFormatWMA(int32_t wmaProfile) {
    auto codec = services_.registry->Create<IWmaCodec>(kWmaCodecName);
    if (!codec) return S_OK;
    document_.SetWmaProfile(wmaProfile);
    codec->SetProfile(wmaProfile);
    Bstr text;
    codec->GetFormatString(text.put());
    document_.SetFormatString(text.utf8());
    return S_OK;
}

}  // namespace vesk
