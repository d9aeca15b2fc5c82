// The markers of the current document state. Num selects the current marker; the per-marker
// properties read and write it (positions and lengths in frames). The object also keeps byte
// caches of every marker's start and length, which the painter and the mouse use for drawing
// and hit testing; they are rebuilt by SyncMarkerCache after every change made through here.
#pragma once

#include <vector>

#include "control/typelib/Bindings.h"
#include "objects/AudioEditorPosition.h"
#include "objects/EditorHost.h"
#include "platform/automation/DispatchImpl.h"

namespace vesk {

class AudioEditorMarkers : public RefCounted, public DispatchImpl<IAudioEditorMarkers> {
public:
    AudioEditorMarkers() = default;
    VESK_IUNKNOWN_IMPL(AudioEditorMarkers, IAudioEditorMarkers, IDispatch)

    void SetHost(EditorHost* host) { host_ = host; }
    // Plain reference: the control owns both objects.
    void SetPosition(AudioEditorPosition* position) { position_ = position; }

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

    // Rebuilds the byte caches from the current state's list and repaints when they changed
    // (also the refresh after New, Close, Open and undo/redo).
    void SyncMarkerCache();
    // Sets position and length of the current marker (dragging), then SyncMarkerCache.
    void SetCurrentPositionLength(uint32_t positionFrames, uint32_t lengthFrames);
    // Number of the shown marker nearest to bytePosition by either end, 0 when none is shown.
    int32_t FindMarker(int64_t bytePosition) const;
    // The painter records which markers it drew (indices, -1 when none).
    void SetShownMarkers(int32_t first, int32_t last) {
        firstShown_ = first;
        lastShown_ = last;
    }

    int32_t CachedCount() const { return cachedCount_; }
    const std::vector<int64_t>& MarkerStartBytes() const { return markerStart_; }
    const std::vector<int64_t>& MarkerLengthBytes() const { return markerLength_; }

private:
    MarkerList* List();
    MarkerRecord* CurrentMarker();
    template <class T>
    HRESULT ReadField(T* value, T MarkerRecord::*field);
    template <class T>
    HRESULT WriteField(T value, T MarkerRecord::*field);
    HRESULT ReadText(BSTR* value, std::string MarkerRecord::*field);
    HRESULT WriteText(BSTR value, std::string MarkerRecord::*field);
    void Repaint();

    EditorHost* host_ = nullptr;
    AudioEditorPosition* position_ = nullptr;
    int32_t cachedCount_ = 0;
    std::vector<int64_t> markerStart_;
    std::vector<int64_t> markerLength_;
    int32_t firstShown_ = -1;
    int32_t lastShown_ = -1;
};

}  // namespace vesk
