#include "objects/AudioEditorFileInfo.h"

namespace vesk {

template <class T>
HRESULT AudioEditorFileInfo::Ask(T* value, HRESULT (IVeskAudioInformation::*getter)(T*)) {
    if (!value) return E_POINTER;
    *value = T{};
    if (info_) (info_.get()->*getter)(value);
    return S_OK;
}

template <class T>
HRESULT AudioEditorFileInfo::Tell(T value, HRESULT (IVeskAudioInformation::*setter)(T)) {
    if (info_) (info_.get()->*setter)(value);
    return S_OK;
}

HRESULT AudioEditorFileInfo::get_Frequency(int32_t* value) {
    if (!value) return E_POINTER;
    *value = host_ ? host_->Doc().Frequency() : 0;
    return S_OK;
}
HRESULT AudioEditorFileInfo::get_Channels(int32_t* value) {
    if (!value) return E_POINTER;
    *value = host_ ? host_->Doc().Channels() : 0;
    return S_OK;
}
HRESULT AudioEditorFileInfo::get_FormatString(BSTR* value) {
    if (!value) return E_POINTER;
    *value = AllocBstr(host_ ? host_->Doc().FormatString() : std::string());
    return S_OK;
}
HRESULT AudioEditorFileInfo::get_SaveExtraInfoEnabled(VARIANT_BOOL* value) {
    if (!value) return E_POINTER;
    *value = saveExtraInfo_;
    return S_OK;
}
HRESULT AudioEditorFileInfo::put_SaveExtraInfoEnabled(VARIANT_BOOL value) {
    saveExtraInfo_ = value;
    return S_OK;
}

HRESULT AudioEditorFileInfo::get_Title(BSTR* value) { return Ask(value, &IVeskAudioInformation::GetTitle); }
HRESULT AudioEditorFileInfo::put_Title(BSTR value) { return Tell(value, &IVeskAudioInformation::SetTitle); }
HRESULT AudioEditorFileInfo::get_Year(int32_t* value) { return Ask(value, &IVeskAudioInformation::GetYear); }
HRESULT AudioEditorFileInfo::put_Year(int32_t value) { return Tell(value, &IVeskAudioInformation::SetYear); }
HRESULT AudioEditorFileInfo::get_Artist(BSTR* value) { return Ask(value, &IVeskAudioInformation::GetArtist); }
HRESULT AudioEditorFileInfo::put_Artist(BSTR value) { return Tell(value, &IVeskAudioInformation::SetArtist); }
HRESULT AudioEditorFileInfo::get_Album(BSTR* value) { return Ask(value, &IVeskAudioInformation::GetAlbum); }
HRESULT AudioEditorFileInfo::put_Album(BSTR value) { return Tell(value, &IVeskAudioInformation::SetAlbum); }
HRESULT AudioEditorFileInfo::get_Comments(BSTR* value) { return Ask(value, &IVeskAudioInformation::GetComments); }
HRESULT AudioEditorFileInfo::put_Comments(BSTR value) { return Tell(value, &IVeskAudioInformation::SetComments); }
HRESULT AudioEditorFileInfo::get_Copyright(BSTR* value) { return Ask(value, &IVeskAudioInformation::GetCopyright); }
HRESULT AudioEditorFileInfo::put_Copyright(BSTR value) { return Tell(value, &IVeskAudioInformation::SetCopyright); }
HRESULT AudioEditorFileInfo::get_Genre(int16_t* value) { return Ask(value, &IVeskAudioInformation::GetGenre); }
HRESULT AudioEditorFileInfo::put_Genre(int16_t value) { return Tell(value, &IVeskAudioInformation::SetGenre); }
HRESULT AudioEditorFileInfo::get_Composer(BSTR* value) { return Ask(value, &IVeskAudioInformation::GetComposer); }
HRESULT AudioEditorFileInfo::put_Composer(BSTR value) { return Tell(value, &IVeskAudioInformation::SetComposer); }
HRESULT AudioEditorFileInfo::get_URL(BSTR* value) { return Ask(value, &IVeskAudioInformation::GetURL); }
HRESULT AudioEditorFileInfo::put_URL(BSTR value) { return Tell(value, &IVeskAudioInformation::SetURL); }
HRESULT AudioEditorFileInfo::get_Track(int16_t* value) { return Ask(value, &IVeskAudioInformation::GetTrack); }
HRESULT AudioEditorFileInfo::put_Track(int16_t value) { return Tell(value, &IVeskAudioInformation::SetTrack); }
HRESULT AudioEditorFileInfo::get_EncodedBy(BSTR* value) { return Ask(value, &IVeskAudioInformation::GetEncodedBy); }
HRESULT AudioEditorFileInfo::put_EncodedBy(BSTR value) { return Tell(value, &IVeskAudioInformation::SetEncodedBy); }
HRESULT AudioEditorFileInfo::get_Mp3TagInfoVersion(int16_t* value) {
    return Ask(value, &IVeskAudioInformation::GetMp3TagInfoVersion);
}
HRESULT AudioEditorFileInfo::put_Mp3TagInfoVersion(int16_t value) {
    return Tell(value, &IVeskAudioInformation::SetMp3TagInfoVersion);
}
HRESULT AudioEditorFileInfo::GenreToString(int16_t nGenre, BSTR* result) {
    if (!result) return E_POINTER;
    *result = nullptr;
    if (info_) info_->GenreToString(nGenre, result);
    return S_OK;
}

}  // namespace vesk
