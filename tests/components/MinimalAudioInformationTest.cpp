#include <gtest/gtest.h>

#include <array>

#include "components/Id3Genres.h"
#include "components/minimal/MinimalAudioInformation.h"

namespace vesk {
namespace {

std::string Genre(IVeskAudioInformation& info, int16_t genre) {
    Bstr name;
    EXPECT_EQ(info.GenreToString(genre, name.put()), S_OK);
    return name.utf8();
}

TEST(Id3Genres, SpotChecksAcrossTheTable) {
    auto info = MakeCom<MinimalAudioInformation>();
    EXPECT_EQ(Genre(*info, 0), "Blues");
    EXPECT_EQ(Genre(*info, 17), "Rock");
    EXPECT_EQ(Genre(*info, 79), "Hard Rock");  // last of the original table
    EXPECT_EQ(Genre(*info, 80), "Folk");       // first extension
    EXPECT_EQ(Genre(*info, 147), "Synthpop");
    EXPECT_EQ(Genre(*info, 148), "");
    EXPECT_EQ(Genre(*info, -1), "");
}

TEST(Id3Genres, EveryEntryInsideTheTableHasAName) {
    for (int32_t genre = 0; genre < kId3GenreCount; ++genre) EXPECT_FALSE(Id3GenreName(genre).empty()) << genre;
}

class MinimalAudioInformationTest : public testing::Test {
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

    ComPtr<MinimalAudioInformation> info_ = MakeCom<MinimalAudioInformation>();
    Bstr fileName_{"/nonexistent/song.mp3"};
};

TEST_F(MinimalAudioInformationTest, SelectedMarkerAnswersEveryField) {
    AddMarker(100, "first");
    AddMarker(200, "zweite ü");
    ASSERT_EQ(Count(), 2);

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

TEST_F(MinimalAudioInformationTest, SelectionOutOfRangeReadsBlank) {
    AddMarker(100, "only");
    info_->SelectMarkerInfo(5);
    int32_t position = -1;
    Bstr label;
    info_->GetMarkerPosition(&position);
    info_->GetMarkerLabel(label.put());
    EXPECT_EQ(position, 0);
    EXPECT_EQ(label.utf8(), "");
}

TEST_F(MinimalAudioInformationTest, RemovingUntilEmptyEndsAtZero) {
    AddMarker(1, "a");
    AddMarker(2, "b");
    info_->SelectMarkerInfo(2);
    info_->RemoveMarkerInfo();
    int32_t position = -1;
    info_->GetMarkerPosition(&position);
    EXPECT_EQ(position, 0) << "the removed record must not stay selected";
    info_->RemoveMarkerInfo();
    info_->RemoveMarkerInfo();  // harmless on an empty list
    EXPECT_EQ(Count(), 0);
}

TEST_F(MinimalAudioInformationTest, TagsAreStoredAndReadBack) {
    Bstr title("Title ♪"), url("http://example.org");
    info_->SetTitle(title.get());
    info_->SetURL(url.get());
    info_->SetYear(1999);
    info_->SetGenre(17);
    info_->SetTrack(3);
    Bstr readTitle, readUrl;
    int32_t year = 0;
    int16_t genre = 0, track = 0;
    info_->GetTitle(readTitle.put());
    info_->GetURL(readUrl.put());
    info_->GetYear(&year);
    info_->GetGenre(&genre);
    info_->GetTrack(&track);
    EXPECT_EQ(readTitle.utf8(), "Title ♪");
    EXPECT_EQ(readUrl.utf8(), "http://example.org");
    EXPECT_EQ(year, 1999);
    EXPECT_EQ(genre, 17);
    EXPECT_EQ(track, 3);
}

TEST_F(MinimalAudioInformationTest, ReadingAFileStartsFreshButKeepsTheTagVersion) {
    Bstr artist("Someone");
    info_->SetArtist(artist.get());
    info_->SetMp3TagInfoVersion(2);
    AddMarker(5, "m");
    info_->ReadFileInfo(fileName_.get());

    Bstr readArtist;
    int16_t genre = 0, version = 0;
    info_->GetArtist(readArtist.put());
    info_->GetGenre(&genre);
    info_->GetMp3TagInfoVersion(&version);
    EXPECT_EQ(readArtist.utf8(), "");
    EXPECT_EQ(genre, -1);
    EXPECT_EQ(Count(), 0);
    EXPECT_EQ(version, 2);
}

TEST_F(MinimalAudioInformationTest, WritingAFileKeepsWhatIsHeld) {
    AddMarker(5, "m");
    info_->WriteFileInfo(fileName_.get());
    EXPECT_EQ(Count(), 1);
}

}  // namespace
}  // namespace vesk
