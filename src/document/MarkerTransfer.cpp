#include "document/MarkerTransfer.h"

#include "document/MarkerExport.h"
#include "platform/automation/Bstr.h"

namespace vesk {

MarkerRecord MarkerTransfer::SelectedMarker() {
    MarkerRecord marker;
    int32_t position = 0, length = 0;
    info_.GetMarkerPosition(&position);
    info_.GetMarkerLength(&length);
    marker.positionFrames = static_cast<uint32_t>(position);
    marker.lengthFrames = static_cast<uint32_t>(length);
    Bstr label, note, text;
    info_.GetMarkerLabel(label.put());
    info_.GetMarkerNote(note.put());
    info_.GetMarkerText(text.put());
    marker.label = label.utf8();
    marker.note = note.utf8();
    marker.text = text.utf8();
    int16_t language = 0, country = 0, dialect = 0, codePage = 0;
    info_.GetMarkerLanguage(&language);
    info_.GetMarkerCountry(&country);
    info_.GetMarkerDialect(&dialect);
    info_.GetMarkerCodePage(&codePage);
    marker.language = static_cast<uint16_t>(language);
    marker.country = static_cast<uint16_t>(country);
    marker.dialect = static_cast<uint16_t>(dialect);
    marker.codePage = static_cast<uint16_t>(codePage);
    return marker;
}

void MarkerTransfer::Read(const std::string& fileName, DocState& state) {
    Bstr name(fileName);
    info_.ReadFileInfo(name.get());
    int32_t count = 0;
    info_.GetMarkerInfoCount(&count);
    const int64_t end = state.TotalFrames();
    std::vector<MarkerRecord> markers;
    for (int32_t i = 1; i <= count; ++i) {
        info_.SelectMarkerInfo(i);
        MarkerRecord marker = SelectedMarker();
        int64_t p = marker.positionFrames;
        int64_t length = marker.lengthFrames;
        if (!FitMarker(p, length, 0, end)) continue;
        marker.lengthFrames = static_cast<uint32_t>(length);
        markers.push_back(std::move(marker));
    }
    state.markers.InsertAllSorted(markers);
}

void MarkerTransfer::RemoveHeldMarkers() {
    // Until the component holds none; bounded, so that a component that keeps its count cannot
    // hold the save forever.
    int32_t count = 0;
    info_.GetMarkerInfoCount(&count);
    for (int32_t left = count; count > 0 && left-- > 0;) {
        info_.RemoveMarkerInfo();
        info_.GetMarkerInfoCount(&count);
    }
}

void MarkerTransfer::Write(const std::string& fileName, const DocState& state, int64_t a, int64_t b,
                           double rateRatio, bool withMarkers) {
    RemoveHeldMarkers();
    if (withMarkers) {
        for (const MarkerRecord& marker : MarkersForSave(state.markers, a, b, rateRatio)) {
            Bstr label(marker.label), note(marker.note), text(marker.text);
            info_.AddMarkerInfo(static_cast<int32_t>(marker.positionFrames), static_cast<int32_t>(marker.lengthFrames),
                                label.get(), note.get(), text.get(), static_cast<int16_t>(marker.language),
                                static_cast<int16_t>(marker.country), static_cast<int16_t>(marker.dialect),
                                static_cast<int16_t>(marker.codePage));
        }
    }
    Bstr name(fileName);
    info_.WriteFileInfo(name.get());
}

}  // namespace vesk
