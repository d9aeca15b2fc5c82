#include "components/information/AudioInformation.h"

#include "components/Id3Genres.h"
#include "components/information/Mp3ChapterStore.h"
#include "components/information/Mp3TagLayout.h"
#include "components/information/TagLibTagStore.h"
#include "components/information/WaveMetadataFile.h"
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

HRESULT AudioInformation::ReadFileInfo(BSTR fileName) {
    tags_ = TagValues{};
    markers_.clear();
    kept_.Clear();
    selected_ = 0;
    const std::string path = BstrToUtf8(fileName);
    const bool tagged = TagLibTagStore::Read(path, tags_);
    const bool marked = ReadMarkers(path);
    return (tagged || marked) ? S_OK : S_FALSE;
}

HRESULT AudioInformation::WriteFileInfo(BSTR fileName) {
    const std::string path = BstrToUtf8(fileName);
    // Tags first: TagLib rewrites the file around its own tag chunks and keeps the others, and
    // the wave writer in turn keeps TagLib's chunks (joining the kept INFO fields to its list).
    const bool tagged = TagLibTagStore::Write(path, tags_, Mp3TagLayout::FromSetting(mp3TagVersion_));
    const bool marked = WriteMarkers(path);
    return (tagged || marked) ? S_OK : S_FALSE;
}

bool AudioInformation::ReadMarkers(const std::string& path) {
    return WaveMetadataFile::Read(path, markers_, kept_) || Mp3ChapterStore::Read(path, markers_);
}

bool AudioInformation::WriteMarkers(const std::string& path) const {
    if (WaveMetadataFile::IsWave(path)) return WaveMetadataFile::Write(path, markers_, kept_);
    return Mp3ChapterStore::Write(path, markers_, Mp3TagLayout::FromSetting(mp3TagVersion_));
}

// --- Markers ------------------------------------------------------------------------------

const MarkerInfo& AudioInformation::Selected() const {
    static const MarkerInfo kBlank{};
    if (selected_ < 1 || selected_ > static_cast<int32_t>(markers_.size())) return kBlank;
    return markers_[static_cast<size_t>(selected_ - 1)];
}

HRESULT AudioInformation::GetMarkerInfoCount(int32_t* count) {
    return WriteOut(count, static_cast<int32_t>(markers_.size()));
}

HRESULT AudioInformation::SelectMarkerInfo(int32_t index) {
    selected_ = (index >= 1 && index <= static_cast<int32_t>(markers_.size())) ? index : 0;
    return S_OK;
}

HRESULT AudioInformation::GetMarkerPosition(int32_t* frames) {
    return WriteOut(frames, Selected().positionFrames);
}
HRESULT AudioInformation::GetMarkerLength(int32_t* frames) { return WriteOut(frames, Selected().lengthFrames); }
HRESULT AudioInformation::GetMarkerLabel(BSTR* label) { return GetText(Selected().label, label); }
HRESULT AudioInformation::GetMarkerNote(BSTR* note) { return GetText(Selected().note, note); }
HRESULT AudioInformation::GetMarkerText(BSTR* text) { return GetText(Selected().text, text); }
HRESULT AudioInformation::GetMarkerLanguage(int16_t* language) {
    return WriteOut(language, Selected().language);
}
HRESULT AudioInformation::GetMarkerCountry(int16_t* country) { return WriteOut(country, Selected().country); }
HRESULT AudioInformation::GetMarkerDialect(int16_t* dialect) { return WriteOut(dialect, Selected().dialect); }
HRESULT AudioInformation::GetMarkerCodePage(int16_t* codePage) {
    return WriteOut(codePage, Selected().codePage);
}

HRESULT AudioInformation::RemoveMarkerInfo() {
    if (!markers_.empty()) markers_.pop_back();
    if (selected_ > static_cast<int32_t>(markers_.size())) selected_ = 0;
    return S_OK;
}

HRESULT AudioInformation::AddMarkerInfo(int32_t positionFrames, int32_t lengthFrames, BSTR label, BSTR note,
                                               BSTR text, int16_t language, int16_t country, int16_t dialect,
                                               int16_t codePage) {
    markers_.push_back({positionFrames, lengthFrames, std::u16string(BstrView(label)), std::u16string(BstrView(note)),
                        std::u16string(BstrView(text)), language, country, dialect, codePage});
    return S_OK;
}

// --- Tags ---------------------------------------------------------------------------------

HRESULT AudioInformation::GetTitle(BSTR* value) { return GetText(tags_.title, value); }
HRESULT AudioInformation::SetTitle(BSTR value) { return SetText(tags_.title, value); }
HRESULT AudioInformation::GetYear(int32_t* year) { return WriteOut(year, tags_.year); }
HRESULT AudioInformation::SetYear(int32_t year) { return StoreValue(tags_.year, year); }
HRESULT AudioInformation::GetArtist(BSTR* value) { return GetText(tags_.artist, value); }
HRESULT AudioInformation::SetArtist(BSTR value) { return SetText(tags_.artist, value); }
HRESULT AudioInformation::GetAlbum(BSTR* value) { return GetText(tags_.album, value); }
HRESULT AudioInformation::SetAlbum(BSTR value) { return SetText(tags_.album, value); }
HRESULT AudioInformation::GetComments(BSTR* value) { return GetText(tags_.comments, value); }
HRESULT AudioInformation::SetComments(BSTR value) { return SetText(tags_.comments, value); }
HRESULT AudioInformation::GetCopyright(BSTR* value) { return GetText(tags_.copyright, value); }
HRESULT AudioInformation::SetCopyright(BSTR value) { return SetText(tags_.copyright, value); }
HRESULT AudioInformation::GetGenre(int16_t* genre) { return WriteOut(genre, tags_.genre); }
HRESULT AudioInformation::SetGenre(int16_t genre) { return StoreValue(tags_.genre, genre); }
HRESULT AudioInformation::GetComposer(BSTR* value) { return GetText(tags_.composer, value); }
HRESULT AudioInformation::SetComposer(BSTR value) { return SetText(tags_.composer, value); }
HRESULT AudioInformation::GetURL(BSTR* value) { return GetText(tags_.url, value); }
HRESULT AudioInformation::SetURL(BSTR value) { return SetText(tags_.url, value); }
HRESULT AudioInformation::GetTrack(int16_t* track) { return WriteOut(track, tags_.track); }
HRESULT AudioInformation::SetTrack(int16_t track) { return StoreValue(tags_.track, track); }
HRESULT AudioInformation::GetEncodedBy(BSTR* value) { return GetText(tags_.encodedBy, value); }
HRESULT AudioInformation::SetEncodedBy(BSTR value) { return SetText(tags_.encodedBy, value); }
HRESULT AudioInformation::GetMp3TagInfoVersion(int16_t* version) { return WriteOut(version, mp3TagVersion_); }
HRESULT AudioInformation::SetMp3TagInfoVersion(int16_t version) { return StoreValue(mp3TagVersion_, version); }

HRESULT AudioInformation::GenreToString(int16_t genre, BSTR* name) {
    return WriteOutText(name, Id3GenreName(genre));
}

}  // namespace vesk
