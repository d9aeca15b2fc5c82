// VeskAudioInformation without file access: it holds the tags and the marker records in memory
// and answers them back. ReadFileInfo starts a new file's information (nothing read yet, so
// everything is cleared); WriteFileInfo keeps what is held and writes nothing. The TagLib and
// RIFF marker back-end replaces it later behind the same contract.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "components/MarkerInfo.h"
#include "components/VeskAudioInformation.h"

namespace vesk {

class MinimalAudioInformation : public RefCounted, public IVeskAudioInformation {
public:
    VESK_IUNKNOWN_IMPL(MinimalAudioInformation, IVeskAudioInformation)

    // For tests: the records held, in order.
    const std::vector<MarkerInfo>& Markers() const { return markers_; }

    HRESULT ReadFileInfo(BSTR fileName) override;
    HRESULT WriteFileInfo(BSTR fileName) override;

    HRESULT GetMarkerInfoCount(int32_t* count) override;
    HRESULT SelectMarkerInfo(int32_t index) override;
    HRESULT GetMarkerPosition(int32_t* frames) override;
    HRESULT GetMarkerLength(int32_t* frames) override;
    HRESULT GetMarkerLabel(BSTR* label) override;
    HRESULT GetMarkerNote(BSTR* note) override;
    HRESULT GetMarkerText(BSTR* text) override;
    HRESULT GetMarkerLanguage(int16_t* language) override;
    HRESULT GetMarkerCountry(int16_t* country) override;
    HRESULT GetMarkerDialect(int16_t* dialect) override;
    HRESULT GetMarkerCodePage(int16_t* codePage) override;
    HRESULT RemoveMarkerInfo() override;
    HRESULT AddMarkerInfo(int32_t positionFrames, int32_t lengthFrames, BSTR label, BSTR note, BSTR text,
                          int16_t language, int16_t country, int16_t dialect, int16_t codePage) override;

    HRESULT GetTitle(BSTR* value) override;
    HRESULT SetTitle(BSTR value) override;
    HRESULT GetYear(int32_t* year) override;
    HRESULT SetYear(int32_t year) override;
    HRESULT GetArtist(BSTR* value) override;
    HRESULT SetArtist(BSTR value) override;
    HRESULT GetAlbum(BSTR* value) override;
    HRESULT SetAlbum(BSTR value) override;
    HRESULT GetComments(BSTR* value) override;
    HRESULT SetComments(BSTR value) override;
    HRESULT GetCopyright(BSTR* value) override;
    HRESULT SetCopyright(BSTR value) override;
    HRESULT GetGenre(int16_t* genre) override;
    HRESULT SetGenre(int16_t genre) override;
    HRESULT GetComposer(BSTR* value) override;
    HRESULT SetComposer(BSTR value) override;
    HRESULT GetURL(BSTR* value) override;
    HRESULT SetURL(BSTR value) override;
    HRESULT GetTrack(int16_t* track) override;
    HRESULT SetTrack(int16_t track) override;
    HRESULT GetEncodedBy(BSTR* value) override;
    HRESULT SetEncodedBy(BSTR value) override;
    HRESULT GetMp3TagInfoVersion(int16_t* version) override;
    HRESULT SetMp3TagInfoVersion(int16_t version) override;
    HRESULT GenreToString(int16_t genre, BSTR* name) override;

private:
    // The tags of one file; a new file starts from these values.
    struct Tags {
        std::u16string title, artist, album, comments, copyright, composer, url, encodedBy;
        int32_t year = 0;
        int16_t genre = -1;
        int16_t track = 0;
    };

    // The selected record, or a blank one when none is selected (getters then answer zeros).
    const MarkerInfo& Selected() const;

    Tags tags_;
    std::vector<MarkerInfo> markers_;
    int32_t selected_ = 0;       // 1-based; 0 = none
    int16_t mp3TagVersion_ = 0;  // a writing preference, not a tag: kept across files
};

}  // namespace vesk
