// The markers of the current document state. Num selects the current marker; the per-marker
// properties read and write it (positions and lengths in frames). After every change made
// through here the view's marker cache (byte positions for drawing and hit testing) follows.
#pragma once

#include "objects/EditorHost.h"
#include "objects/typelib/Bindings.h"
#include "platform/automation/DispatchImpl.h"

namespace vesk {

class AudioEditorMarkers : public RefCounted, public DispatchImpl<IAudioEditorMarkers> {
public:
    AudioEditorMarkers() = default;
    VESK_IUNKNOWN_IMPL(AudioEditorMarkers, IAudioEditorMarkers, IDispatch)

    void SetHost(EditorHost* host) { host_ = host; }

    HRESULT get_Count(int32_t* value) override;
    HRESULT get_Num(int32_t* value) override;
    HRESULT put_Num(int32_t value) override;
    HRESULT get_CodePage(int16_t* value) override;
    HRESULT put_CodePage(int16_t value) override;
    HRESULT get_Country(int16_t* value) override;
    HRESULT put_Country(int16_t value) override;
    HRESULT get_Dialect(int16_t* value) override;
    HRESULT put_Dialect(int16_t value) override;
    HRESULT get_Label(BSTR* value) override;
    HRESULT put_Label(BSTR value) override;
    HRESULT get_Note(BSTR* value) override;
    HRESULT put_Note(BSTR value) override;
    HRESULT get_Text(BSTR* value) override;
    HRESULT put_Text(BSTR value) override;
    HRESULT get_Length(int32_t* value) override;
    HRESULT put_Length(int32_t value) override;
    HRESULT get_Position(int32_t* value) override;
    HRESULT put_Position(int32_t value) override;
    HRESULT get_Language(int16_t* value) override;
    HRESULT put_Language(int16_t value) override;
    HRESULT Insert(int32_t Position, int32_t Length, BSTR Label, BSTR Note, BSTR Text, int16_t Language,
                   int16_t Country, int16_t Dialect, int16_t CodePage) override;
    HRESULT Delete() override;

    // Sets position and length of the current marker (dragging); the view follows.
    void SetCurrentPositionLength(uint32_t positionFrames, uint32_t lengthFrames);

private:
    MarkerList* List();
    MarkerRecord* CurrentMarker();
    template <class T>
    HRESULT ReadField(T* value, T MarkerRecord::*field);
    template <class T>
    HRESULT WriteField(T value, T MarkerRecord::*field);
    HRESULT ReadText(BSTR* value, std::string MarkerRecord::*field);
    HRESULT WriteText(BSTR value, std::string MarkerRecord::*field);
    // The view's marker cache follows the list.
    void MarkersChanged();

    EditorHost* host_ = nullptr;
};

}  // namespace vesk
