// Contract of VeskAudioInformation, the component that reads and writes the tags and the
// markers of sound files. It holds one set of tags and one list of marker records: ReadFileInfo
// replaces them with a file's, WriteFileInfo stores them into a file. The control's FileInfo
// sub-object forwards the tag properties here.
//
// Marker records are numbered from 1 in the order they were read or added; positions and
// lengths count sample frames. Strings passed out become the caller's.
#pragma once

#include <cstdint>

#include "platform/automation/Bstr.h"
#include "platform/automation/Unknown.h"

namespace vesk {

struct IVeskAudioInformation : IUnknown {
    // {F5A0C002-6A1B-4C3E-9C12-5645534B0002}
    static constexpr IID kIid{0xF5A0C002, 0x6A1B, 0x4C3E, {0x9C, 0x12, 0x56, 0x45, 0x53, 0x4B, 0x00, 0x02}};

    // --- Files ----------------------------------------------------------------------------
    // Replaces the held tags and markers with those of fileName (UTF-8 path).
    virtual HRESULT ReadFileInfo(BSTR fileName) = 0;
    // Writes the held tags and markers into fileName, which must already hold the sound.
    virtual HRESULT WriteFileInfo(BSTR fileName) = 0;

    // --- Markers --------------------------------------------------------------------------
    virtual HRESULT GetMarkerInfoCount(int32_t* count) = 0;
    // Makes record `index` (1-based) the one the getters below read; out of range selects none.
    virtual HRESULT SelectMarkerInfo(int32_t index) = 0;
    // Fields of the selected record (zero / empty when none is selected).
    virtual HRESULT GetMarkerPosition(int32_t* frames) = 0;
    virtual HRESULT GetMarkerLength(int32_t* frames) = 0;
    virtual HRESULT GetMarkerLabel(BSTR* label) = 0;
    virtual HRESULT GetMarkerNote(BSTR* note) = 0;
    virtual HRESULT GetMarkerText(BSTR* text) = 0;
    virtual HRESULT GetMarkerLanguage(int16_t* language) = 0;
    virtual HRESULT GetMarkerCountry(int16_t* country) = 0;
    virtual HRESULT GetMarkerDialect(int16_t* dialect) = 0;
    virtual HRESULT GetMarkerCodePage(int16_t* codePage) = 0;
    // Removes the last record (the control calls it until the count is 0).
    virtual HRESULT RemoveMarkerInfo() = 0;
    // Appends a record; strings are borrowed and copied.
    virtual HRESULT AddMarkerInfo(int32_t positionFrames, int32_t lengthFrames, BSTR label, BSTR note, BSTR text,
                                  int16_t language, int16_t country, int16_t dialect, int16_t codePage) = 0;

    // --- Tags (a string put is borrowed and copied; a get returns a new string) ------------
    virtual HRESULT GetTitle(BSTR* value) = 0;
    virtual HRESULT SetTitle(BSTR value) = 0;
    virtual HRESULT GetYear(int32_t* year) = 0;
    virtual HRESULT SetYear(int32_t year) = 0;
    virtual HRESULT GetArtist(BSTR* value) = 0;
    virtual HRESULT SetArtist(BSTR value) = 0;
    virtual HRESULT GetAlbum(BSTR* value) = 0;
    virtual HRESULT SetAlbum(BSTR value) = 0;
    virtual HRESULT GetComments(BSTR* value) = 0;
    virtual HRESULT SetComments(BSTR value) = 0;
    virtual HRESULT GetCopyright(BSTR* value) = 0;
    virtual HRESULT SetCopyright(BSTR value) = 0;
    // ID3 genre number (see GenreToString); -1 = none.
    virtual HRESULT GetGenre(int16_t* genre) = 0;
    virtual HRESULT SetGenre(int16_t genre) = 0;
    virtual HRESULT GetComposer(BSTR* value) = 0;
    virtual HRESULT SetComposer(BSTR value) = 0;
    virtual HRESULT GetURL(BSTR* value) = 0;
    virtual HRESULT SetURL(BSTR value) = 0;
    virtual HRESULT GetTrack(int16_t* track) = 0;
    virtual HRESULT SetTrack(int16_t track) = 0;
    virtual HRESULT GetEncodedBy(BSTR* value) = 0;
    virtual HRESULT SetEncodedBy(BSTR value) = 0;
    // Which ID3 tag version MP3 files get (component-defined number).
    virtual HRESULT GetMp3TagInfoVersion(int16_t* version) = 0;
    virtual HRESULT SetMp3TagInfoVersion(int16_t version) = 0;
    // Name of ID3 genre `genre` in the standard table; "" outside it.
    virtual HRESULT GenreToString(int16_t genre, BSTR* name) = 0;

protected:
    ~IVeskAudioInformation() = default;
};

}  // namespace vesk
