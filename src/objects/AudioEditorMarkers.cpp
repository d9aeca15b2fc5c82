#include "objects/AudioEditorMarkers.h"

namespace vesk {

MarkerList* AudioEditorMarkers::List() {
    DocState* state = host_ ? host_->Doc().Current() : nullptr;
    return state ? &state->markers : nullptr;
}

MarkerRecord* AudioEditorMarkers::CurrentMarker() {
    MarkerList* list = List();
    return list ? list->Current() : nullptr;
}

template <class T>
HRESULT AudioEditorMarkers::ReadField(T* value, T MarkerRecord::*field) {
    if (!value) return E_POINTER;
    const MarkerRecord* marker = CurrentMarker();
    *value = marker ? marker->*field : T{};
    return S_OK;
}

template <class T>
HRESULT AudioEditorMarkers::WriteField(T value, T MarkerRecord::*field) {
    if (MarkerRecord* marker = CurrentMarker()) marker->*field = value;
    return S_OK;
}

HRESULT AudioEditorMarkers::ReadText(BSTR* value, std::string MarkerRecord::*field) {
    if (!value) return E_POINTER;
    const MarkerRecord* marker = CurrentMarker();
    *value = AllocBstr(marker ? marker->*field : std::string());
    return S_OK;
}

HRESULT AudioEditorMarkers::WriteText(BSTR value, std::string MarkerRecord::*field) {
    if (MarkerRecord* marker = CurrentMarker()) marker->*field = BstrToUtf8(value);
    return S_OK;
}

HRESULT AudioEditorMarkers::get_Count(int32_t* value) {
    if (!value) return E_POINTER;
    const MarkerList* list = List();
    *value = list ? list->Count() : 0;
    return S_OK;
}

HRESULT AudioEditorMarkers::get_Num(int32_t* value) {
    if (!value) return E_POINTER;
    const MarkerList* list = List();
    *value = list ? list->CurrentNumber() : 0;
    return S_OK;
}

HRESULT AudioEditorMarkers::put_Num(int32_t value) {
    if (MarkerList* list = List()) list->GoTo(value);
    return S_OK;
}

// The 16-bit language fields cross the interface as signed shorts.
HRESULT AudioEditorMarkers::get_CodePage(int16_t* value) {
    return ReadField(reinterpret_cast<uint16_t*>(value), &MarkerRecord::codePage);
}
HRESULT AudioEditorMarkers::put_CodePage(int16_t value) {
    return WriteField(static_cast<uint16_t>(value), &MarkerRecord::codePage);
}
HRESULT AudioEditorMarkers::get_Country(int16_t* value) {
    return ReadField(reinterpret_cast<uint16_t*>(value), &MarkerRecord::country);
}
HRESULT AudioEditorMarkers::put_Country(int16_t value) {
    return WriteField(static_cast<uint16_t>(value), &MarkerRecord::country);
}
HRESULT AudioEditorMarkers::get_Dialect(int16_t* value) {
    return ReadField(reinterpret_cast<uint16_t*>(value), &MarkerRecord::dialect);
}
HRESULT AudioEditorMarkers::put_Dialect(int16_t value) {
    return WriteField(static_cast<uint16_t>(value), &MarkerRecord::dialect);
}
HRESULT AudioEditorMarkers::get_Language(int16_t* value) {
    return ReadField(reinterpret_cast<uint16_t*>(value), &MarkerRecord::language);
}
HRESULT AudioEditorMarkers::put_Language(int16_t value) {
    return WriteField(static_cast<uint16_t>(value), &MarkerRecord::language);
}

HRESULT AudioEditorMarkers::get_Label(BSTR* value) { return ReadText(value, &MarkerRecord::label); }
HRESULT AudioEditorMarkers::put_Label(BSTR value) { return WriteText(value, &MarkerRecord::label); }
HRESULT AudioEditorMarkers::get_Note(BSTR* value) { return ReadText(value, &MarkerRecord::note); }
HRESULT AudioEditorMarkers::put_Note(BSTR value) { return WriteText(value, &MarkerRecord::note); }
HRESULT AudioEditorMarkers::get_Text(BSTR* value) { return ReadText(value, &MarkerRecord::text); }
HRESULT AudioEditorMarkers::put_Text(BSTR value) { return WriteText(value, &MarkerRecord::text); }

HRESULT AudioEditorMarkers::get_Length(int32_t* value) {
    return ReadField(reinterpret_cast<uint32_t*>(value), &MarkerRecord::lengthFrames);
}
HRESULT AudioEditorMarkers::put_Length(int32_t value) {
    if (!CurrentMarker()) return S_OK;
    WriteField(static_cast<uint32_t>(value), &MarkerRecord::lengthFrames);
    MarkersChanged();
    return S_OK;
}
HRESULT AudioEditorMarkers::get_Position(int32_t* value) {
    return ReadField(reinterpret_cast<uint32_t*>(value), &MarkerRecord::positionFrames);
}
HRESULT AudioEditorMarkers::put_Position(int32_t value) {
    if (!CurrentMarker()) return S_OK;
    WriteField(static_cast<uint32_t>(value), &MarkerRecord::positionFrames);
    MarkersChanged();
    return S_OK;
}

HRESULT AudioEditorMarkers::Insert(int32_t Position, int32_t Length, BSTR Label, BSTR Note, BSTR Text,
                                   int16_t Language, int16_t Country, int16_t Dialect, int16_t CodePage) {
    MarkerList* list = List();
    if (!list) return S_OK;
    MarkerRecord marker;
    marker.positionFrames = static_cast<uint32_t>(Position);
    marker.lengthFrames = static_cast<uint32_t>(Length);
    marker.label = BstrToUtf8(Label);
    marker.note = BstrToUtf8(Note);
    marker.text = BstrToUtf8(Text);
    marker.language = static_cast<uint16_t>(Language);
    marker.country = static_cast<uint16_t>(Country);
    marker.dialect = static_cast<uint16_t>(Dialect);
    marker.codePage = static_cast<uint16_t>(CodePage);
    list->InsertSorted(marker);
    MarkersChanged();
    return S_OK;
}

HRESULT AudioEditorMarkers::Delete() {
    MarkerList* list = List();
    if (!list || list->Empty()) return S_OK;
    list->DeleteCurrent();
    MarkersChanged();
    return S_OK;
}

void AudioEditorMarkers::MarkersChanged() {
    if (host_) host_->View().MarkersChanged();
}

void AudioEditorMarkers::SetCurrentPositionLength(uint32_t positionFrames, uint32_t lengthFrames) {
    MarkerRecord* marker = CurrentMarker();
    if (!marker) return;
    marker->positionFrames = positionFrames;
    marker->lengthFrames = lengthFrames;
    MarkersChanged();
}

}  // namespace vesk
