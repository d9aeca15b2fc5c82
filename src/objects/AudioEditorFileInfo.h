// Format and tags of the document. Frequency, Channels and FormatString come from the control;
// the tags live in the information component, which this object holds (it reads them after
// Open and writes them after Save); SaveExtraInfoEnabled says whether Save writes tags and
// markers.
#pragma once

#include "components/VeskAudioInformation.h"
#include "objects/typelib/Bindings.h"
#include "objects/EditorHost.h"
#include "platform/automation/DispatchImpl.h"

namespace vesk {

class AudioEditorFileInfo : public RefCounted, public DispatchImpl<IAudioEditorFileInfo> {
public:
    AudioEditorFileInfo() = default;
    VESK_IUNKNOWN_IMPL(AudioEditorFileInfo, IAudioEditorFileInfo, IDispatch)

    void SetHost(EditorHost* host) { host_ = host; }
    void SetInformation(IVeskAudioInformation* information) { info_ = ComPtr<IVeskAudioInformation>(information); }
    IVeskAudioInformation* Information() const { return info_.get(); }
    bool SaveExtraInfo() const { return saveExtraInfo_ != 0; }

    HRESULT get_Frequency(int32_t* value) override;
    HRESULT get_Channels(int32_t* value) override;
    HRESULT get_Title(BSTR* value) override;
    HRESULT put_Title(BSTR value) override;
    HRESULT get_Year(int32_t* value) override;
    HRESULT put_Year(int32_t value) override;
    HRESULT get_Artist(BSTR* value) override;
    HRESULT put_Artist(BSTR value) override;
    HRESULT get_Album(BSTR* value) override;
    HRESULT put_Album(BSTR value) override;
    HRESULT get_Comments(BSTR* value) override;
    HRESULT put_Comments(BSTR value) override;
    HRESULT get_Copyright(BSTR* value) override;
    HRESULT put_Copyright(BSTR value) override;
    HRESULT get_Genre(int16_t* value) override;
    HRESULT put_Genre(int16_t value) override;
    HRESULT get_SaveExtraInfoEnabled(VARIANT_BOOL* value) override;
    HRESULT put_SaveExtraInfoEnabled(VARIANT_BOOL value) override;
    HRESULT get_FormatString(BSTR* value) override;
    HRESULT get_Composer(BSTR* value) override;
    HRESULT put_Composer(BSTR value) override;
    HRESULT get_URL(BSTR* value) override;
    HRESULT put_URL(BSTR value) override;
    HRESULT get_Track(int16_t* value) override;
    HRESULT put_Track(int16_t value) override;
    HRESULT get_EncodedBy(BSTR* value) override;
    HRESULT put_EncodedBy(BSTR value) override;
    HRESULT GenreToString(int16_t nGenre, BSTR* result) override;
    HRESULT get_Mp3TagInfoVersion(int16_t* value) override;
    HRESULT put_Mp3TagInfoVersion(int16_t value) override;

private:
    // Reads a tag from the component (0 / "" without one).
    template <class T>
    HRESULT Ask(T* value, HRESULT (IVeskAudioInformation::*getter)(T*));
    template <class T>
    HRESULT Tell(T value, HRESULT (IVeskAudioInformation::*setter)(T));

    EditorHost* host_ = nullptr;
    ComPtr<IVeskAudioInformation> info_;
    int16_t saveExtraInfo_ = 1;
};

}  // namespace vesk
