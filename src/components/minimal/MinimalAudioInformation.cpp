#include "components/minimal/MinimalAudioInformation.h"

#include "components/Id3Genres.h"
#include "platform/automation/OutParam.h"

namespace vesk {
namespace {

HRESULT GetText(const std::u16string& field, BSTR* out) { return WriteOutText(out, field); }

HRESULT SetText(std::u16string& field, BSTR value) {
    field = BstrView(value);
    return S_OK;
}

}  // namespace

// --- Files --------------------------------------------------------------------------------

HRESULT MinimalAudioInformation::ReadFileInfo(BSTR) {
    tags_ = Tags{};
    markers_.clear();
    selected_ = 0;
    return S_OK;
}

HRESULT MinimalAudioInformation::WriteFileInfo(BSTR) { return S_OK; }

// --- Markers ------------------------------------------------------------------------------

const MarkerInfo& MinimalAudioInformation::Selected() const {
    static const MarkerInfo kBlank{};
    if (selected_ < 1 || selected_ > static_cast<int32_t>(markers_.size())) return kBlank;
    return markers_[static_cast<size_t>(selected_ - 1)];
}

HRESULT MinimalAudioInformation::GetMarkerInfoCount(int32_t* count) {
    return WriteOut(count, static_cast<int32_t>(markers_.size()));
}

HRESULT MinimalAudioInformation::SelectMarkerInfo(int32_t index) {
    selected_ = (index >= 1 && index <= static_cast<int32_t>(markers_.size())) ? index : 0;
    return S_OK;
}

HRESULT MinimalAudioInformation::GetMarkerPosition(int32_t* frames) {
    return WriteOut(frames, Selected().positionFrames);
}
HRESULT MinimalAudioInformation::GetMarkerLength(int32_t* frames) { return WriteOut(frames, Selected().lengthFrames); }
HRESULT MinimalAudioInformation::GetMarkerLabel(BSTR* label) { return GetText(Selected().label, label); }
HRESULT MinimalAudioInformation::GetMarkerNote(BSTR* note) { return GetText(Selected().note, note); }
HRESULT MinimalAudioInformation::GetMarkerText(BSTR* text) { return GetText(Selected().text, text); }
HRESULT MinimalAudioInformation::GetMarkerLanguage(int16_t* language) {
    return WriteOut(language, Selected().language);
}
HRESULT MinimalAudioInformation::GetMarkerCountry(int16_t* country) { return WriteOut(country, Selected().country); }
HRESULT MinimalAudioInformation::GetMarkerDialect(int16_t* dialect) { return WriteOut(dialect, Selected().dialect); }
HRESULT MinimalAudioInformation::GetMarkerCodePage(int16_t* codePage) {
    return WriteOut(codePage, Selected().codePage);
}

HRESULT MinimalAudioInformation::RemoveMarkerInfo() {
    if (!markers_.empty()) markers_.pop_back();
    if (selected_ > static_cast<int32_t>(markers_.size())) selected_ = 0;
    return S_OK;
}

HRESULT MinimalAudioInformation::AddMarkerInfo(int32_t positionFrames, int32_t lengthFrames, BSTR label, BSTR note,
                                               BSTR text, int16_t language, int16_t country, int16_t dialect,
                                               int16_t codePage) {
    markers_.push_back({positionFrames, lengthFrames, std::u16string(BstrView(label)), std::u16string(BstrView(note)),
                        std::u16string(BstrView(text)), language, country, dialect, codePage});
    return S_OK;
}

// --- Tags ---------------------------------------------------------------------------------

HRESULT MinimalAudioInformation::GetTitle(BSTR* value) { return GetText(tags_.title, value); }
HRESULT MinimalAudioInformation::SetTitle(BSTR value) { return SetText(tags_.title, value); }
HRESULT MinimalAudioInformation::GetYear(int32_t* year) { return WriteOut(year, tags_.year); }
HRESULT MinimalAudioInformation::SetYear(int32_t year) { return StoreValue(tags_.year, year); }
HRESULT MinimalAudioInformation::GetArtist(BSTR* value) { return GetText(tags_.artist, value); }
HRESULT MinimalAudioInformation::SetArtist(BSTR value) { return SetText(tags_.artist, value); }
HRESULT MinimalAudioInformation::GetAlbum(BSTR* value) { return GetText(tags_.album, value); }
HRESULT MinimalAudioInformation::SetAlbum(BSTR value) { return SetText(tags_.album, value); }
HRESULT MinimalAudioInformation::GetComments(BSTR* value) { return GetText(tags_.comments, value); }
HRESULT MinimalAudioInformation::SetComments(BSTR value) { return SetText(tags_.comments, value); }
HRESULT MinimalAudioInformation::GetCopyright(BSTR* value) { return GetText(tags_.copyright, value); }
HRESULT MinimalAudioInformation::SetCopyright(BSTR value) { return SetText(tags_.copyright, value); }
HRESULT MinimalAudioInformation::GetGenre(int16_t* genre) { return WriteOut(genre, tags_.genre); }
HRESULT MinimalAudioInformation::SetGenre(int16_t genre) { return StoreValue(tags_.genre, genre); }
HRESULT MinimalAudioInformation::GetComposer(BSTR* value) { return GetText(tags_.composer, value); }
HRESULT MinimalAudioInformation::SetComposer(BSTR value) { return SetText(tags_.composer, value); }
HRESULT MinimalAudioInformation::GetURL(BSTR* value) { return GetText(tags_.url, value); }
HRESULT MinimalAudioInformation::SetURL(BSTR value) { return SetText(tags_.url, value); }
HRESULT MinimalAudioInformation::GetTrack(int16_t* track) { return WriteOut(track, tags_.track); }
HRESULT MinimalAudioInformation::SetTrack(int16_t track) { return StoreValue(tags_.track, track); }
HRESULT MinimalAudioInformation::GetEncodedBy(BSTR* value) { return GetText(tags_.encodedBy, value); }
HRESULT MinimalAudioInformation::SetEncodedBy(BSTR value) { return SetText(tags_.encodedBy, value); }
HRESULT MinimalAudioInformation::GetMp3TagInfoVersion(int16_t* version) { return WriteOut(version, mp3TagVersion_); }
HRESULT MinimalAudioInformation::SetMp3TagInfoVersion(int16_t version) { return StoreValue(mp3TagVersion_, version); }

HRESULT MinimalAudioInformation::GenreToString(int16_t genre, BSTR* name) {
    return WriteOutText(name, Id3GenreName(genre));
}

}  // namespace vesk
