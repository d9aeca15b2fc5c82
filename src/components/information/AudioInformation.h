// VeskAudioInformation on real files: the tags through TagLib (TagLibTagStore), markers in the
// `cue ` and `LIST`/`adtl` chunks of WAV and RF64 files (WaveMetadataFile) and in the ID3v2
// chapters of MP3 files (Mp3ChapterStore). ReadFileInfo clears what is held, then reads;
// WriteFileInfo stores what is held into the file, in the file's own tag format. A file whose
// format has no tags (or no markers) is left alone. Reading a wave file also keeps the chunks it
// carries beside tags and markers (KeptWaveChunks), and writing into a wave file adds them: a
// document opened from a wave file and saved as one keeps its broadcast and sampler data. The Mp3TagInfoVersion number (see Mp3TagLayout) is a writing
// preference, not a tag: it survives reading a file.
//
// Not thread-safe: the control calls it from its own thread.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "components/MarkerInfo.h"
#include "components/VeskAudioInformation.h"
#include "components/information/KeptWaveChunks.h"
#include "components/information/TagValues.h"

namespace vesk {

class AudioInformation : public RefCounted, public IVeskAudioInformation {
public:
    VESK_IUNKNOWN_IMPL(AudioInformation, IVeskAudioInformation)

    // For tests: the records held, in order.
    const std::vector<MarkerInfo>& Markers() const { return markers_; }

    // S_OK when the file's tags (or markers) were read; S_FALSE when it holds nothing this
    // component can read (what is held is cleared all the same).
    HRESULT ReadFileInfo(BSTR fileName) override;
    // S_OK when tags and markers were stored; S_FALSE when the format takes neither.
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
    // The selected record, or a blank one when none is selected (getters then answer zeros).
    const MarkerInfo& Selected() const;
    // Reads the file's markers from wherever its format keeps them; false when it keeps none.
    bool ReadMarkers(const std::string& path);
    bool WriteMarkers(const std::string& path) const;

    TagValues tags_;
    std::vector<MarkerInfo> markers_;
    KeptWaveChunks kept_;  // of the last wave file read; empty after reading any other file
    int32_t selected_ = 0;       // 1-based; 0 = none
    int16_t mp3TagVersion_ = 0;  // see Mp3TagLayout
};

}  // namespace vesk
