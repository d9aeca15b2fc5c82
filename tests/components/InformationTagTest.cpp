#include <gtest/gtest.h>

#include <array>

#include "components/Id3Genres.h"
#include "components/information/AudioInformation.h"
#include "components/information/TagPropertyConverter.h"

namespace vesk {
namespace {

TagLib::PropertyMap Map(std::initializer_list<std::pair<const char*, const char*>> entries) {
    TagLib::PropertyMap map;
    for (const auto& [key, value] : entries) map.replace(key, TagLib::StringList(TagLib::String(value, TagLib::String::UTF8)));
    return map;
}

std::string Genre(IVeskAudioInformation& info, int16_t genre) {
    Bstr name;
    EXPECT_EQ(info.GenreToString(genre, name.put()), S_OK);
    return name.utf8();
}

TEST(InformationGenres, SpotChecksAcrossTheTable) {
    auto info = MakeCom<AudioInformation>();
    EXPECT_EQ(Genre(*info, 0), "Blues");
    EXPECT_EQ(Genre(*info, 17), "Rock");
    EXPECT_EQ(Genre(*info, 79), "Hard Rock");  // last of the original table
    EXPECT_EQ(Genre(*info, 80), "Folk");       // first extension
    EXPECT_EQ(Genre(*info, 147), "Synthpop");
    EXPECT_EQ(Genre(*info, 148), "");
    EXPECT_EQ(Genre(*info, -1), "");
    for (int32_t genre = 0; genre < kId3GenreCount; ++genre) EXPECT_FALSE(Id3GenreName(genre).empty()) << genre;
}

TEST(InformationTagProperties, GenreIsFoundByNameSpellingOrNumber) {
    EXPECT_EQ(TagPropertyConverter::FromProperties(Map({{"GENRE", "rock"}})).genre, 17);
    EXPECT_EQ(TagPropertyConverter::FromProperties(Map({{"GENRE", "(80)"}})).genre, 80);
    EXPECT_EQ(TagPropertyConverter::FromProperties(Map({{"GENRE", "Synthpop"}})).genre, 147);
    EXPECT_EQ(TagPropertyConverter::FromProperties(Map({{"GENRE", "Not A Genre"}})).genre, -1);
    EXPECT_EQ(TagPropertyConverter::FromProperties(Map({{"GENRE", "500"}})).genre, -1);
    EXPECT_EQ(TagPropertyConverter::FromProperties(Map({})).genre, -1);
}

TEST(InformationTagProperties, YearAndTrackTakeTheLeadingNumber) {
    const TagValues values = TagPropertyConverter::FromProperties(Map({{"DATE", "1999-05-01"}, {"TRACKNUMBER", "3/12"}}));
    EXPECT_EQ(values.year, 1999);
    EXPECT_EQ(values.track, 3);
    const TagValues bad = TagPropertyConverter::FromProperties(Map({{"DATE", "spring"}, {"TRACKNUMBER", "99999"}}));
    EXPECT_EQ(bad.year, 0);
    EXPECT_EQ(bad.track, 0);
}

TEST(InformationTagProperties, WritingReplacesOwnKeysAndKeepsOthers) {
    TagValues values;
    values.title = u"Neu ♪";
    values.genre = 17;
    values.year = 2001;
    const TagLib::PropertyMap map =
        TagPropertyConverter::ToProperties(values, Map({{"ARTIST", "old"}, {"BPM", "120"}, {"TITLE", "old"}}));
    EXPECT_EQ(map["TITLE"].front().to8Bit(true), "Neu ♪");
    EXPECT_EQ(map["GENRE"].front().to8Bit(true), "Rock");
    EXPECT_EQ(map["DATE"].front().to8Bit(true), "2001");
    EXPECT_FALSE(map.contains("ARTIST")) << "an empty tag removes the old value";
    EXPECT_FALSE(map.contains("TRACKNUMBER"));
    EXPECT_EQ(map["BPM"].front().to8Bit(true), "120");
}

// --- The component's in-memory records -----------------------------------------------------

class InformationRecords : public testing::Test {
protected:
    void AddMarker(int32_t position, const char* label) {
        Bstr text(label), note("note"), empty;
        info_->AddMarkerInfo(position, 10, text.get(), note.get(), empty.get(), 9, 44, 1, 1252);
    }
    int32_t Count() {
        int32_t count = -1;
        info_->GetMarkerInfoCount(&count);
        return count;
    }

    ComPtr<AudioInformation> info_ = MakeCom<AudioInformation>();
};

TEST_F(InformationRecords, SelectedMarkerAnswersEveryField) {
    AddMarker(100, "first");
    AddMarker(200, "zweite ü");
    info_->SelectMarkerInfo(2);
    int32_t position = 0, length = 0;
    int16_t language = 0, country = 0, dialect = 0, codePage = 0;
    Bstr label, note;
    info_->GetMarkerPosition(&position);
    info_->GetMarkerLength(&length);
    info_->GetMarkerLabel(label.put());
    info_->GetMarkerNote(note.put());
    info_->GetMarkerLanguage(&language);
    info_->GetMarkerCountry(&country);
    info_->GetMarkerDialect(&dialect);
    info_->GetMarkerCodePage(&codePage);
    EXPECT_EQ(position, 200);
    EXPECT_EQ(length, 10);
    EXPECT_EQ(label.utf8(), "zweite ü");
    EXPECT_EQ(note.utf8(), "note");
    EXPECT_EQ((std::array<int16_t, 4>{language, country, dialect, codePage}), (std::array<int16_t, 4>{9, 44, 1, 1252}));
}

TEST_F(InformationRecords, SelectionOutOfRangeOrRemovedReadsBlank) {
    AddMarker(1, "a");
    AddMarker(2, "b");
    info_->SelectMarkerInfo(5);
    int32_t position = -1;
    info_->GetMarkerPosition(&position);
    EXPECT_EQ(position, 0);
    info_->SelectMarkerInfo(2);
    info_->RemoveMarkerInfo();
    info_->GetMarkerPosition(&position);
    EXPECT_EQ(position, 0) << "the removed record must not stay selected";
    info_->RemoveMarkerInfo();
    info_->RemoveMarkerInfo();  // harmless on an empty list
    EXPECT_EQ(Count(), 0);
    EXPECT_EQ(info_->GetMarkerPosition(nullptr), E_POINTER);
}

TEST_F(InformationRecords, ReadingAMissingFileClearsAllButTheTagVersion) {
    Bstr artist("Someone"), missing("/nonexistent/song.mp3");
    info_->SetArtist(artist.get());
    info_->SetGenre(17);
    info_->SetMp3TagInfoVersion(2);
    AddMarker(5, "m");
    EXPECT_EQ(info_->ReadFileInfo(missing.get()), S_FALSE);
    Bstr readArtist;
    int16_t genre = 0, version = 0;
    info_->GetArtist(readArtist.put());
    info_->GetGenre(&genre);
    info_->GetMp3TagInfoVersion(&version);
    EXPECT_EQ(readArtist.utf8(), "");
    EXPECT_EQ(genre, -1);
    EXPECT_EQ(Count(), 0);
    EXPECT_EQ(version, 2);
    EXPECT_EQ(info_->WriteFileInfo(missing.get()), S_FALSE);
}

}  // namespace
}  // namespace vesk
