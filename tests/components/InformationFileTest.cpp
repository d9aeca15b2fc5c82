// The information component on real files made at test time by sox, lame and ffmpeg, checked
// by reading back through the component and, where one exists, through an independent reader.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "components/information/AudioInformation.h"
#include "support/TempDirGuard.h"
#include "WaveBytes.h"

namespace vesk {
namespace {

using test::Output;
using test::RunQuietly;

bool Have(const std::string& tool) { return test::HaveTool(tool); }

std::string Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

struct TextTag {
    HRESULT (AudioInformation::*set)(BSTR);
    HRESULT (AudioInformation::*get)(BSTR*);
    const char* value;
};

constexpr TextTag kTextTags[] = {
    {&AudioInformation::SetTitle, &AudioInformation::GetTitle, "Title ♪"},
    {&AudioInformation::SetArtist, &AudioInformation::GetArtist, "Artist"},
    {&AudioInformation::SetAlbum, &AudioInformation::GetAlbum, "Album"},
    {&AudioInformation::SetComments, &AudioInformation::GetComments, "Comments"},
    {&AudioInformation::SetCopyright, &AudioInformation::GetCopyright, "(c) 2024"},
    {&AudioInformation::SetComposer, &AudioInformation::GetComposer, "Composer"},
    {&AudioInformation::SetURL, &AudioInformation::GetURL, "http://example.org/"},
    {&AudioInformation::SetEncodedBy, &AudioInformation::GetEncodedBy, "Encoder"},
};

class InformationFileTest : public testing::Test {
protected:
    // A one-second 44.1 kHz stereo sine made by sox, converted by `encoder` when given.
    std::string MakeSound(const std::string& name, const std::string& encoder = "") {
        if (!Have("sox")) return {};
        const std::string wave = dir_.File("source.wav");
        if (!RunQuietly("sox -n -r 44100 -c 2 -b 16 '" + wave + "' synth 1 sine 440")) return {};
        if (encoder.empty()) return wave;
        const std::string path = dir_.File(name);
        return RunQuietly(encoder + " '" + wave + "' '" + path + "'") ? path : std::string();
    }

    void SetTags(AudioInformation& info) {
        for (const TextTag& tag : kTextTags) (info.*tag.set)(Bstr(tag.value).get());
        info.SetYear(1999);
        info.SetGenre(17);
        info.SetTrack(7);
    }

    void ExpectTags(AudioInformation& info) {
        for (const TextTag& tag : kTextTags) {
            Bstr value;
            (info.*tag.get)(value.put());
            EXPECT_EQ(value.utf8(), tag.value);
        }
        int32_t year = 0;
        int16_t genre = 0, track = 0;
        info.GetYear(&year);
        info.GetGenre(&genre);
        info.GetTrack(&track);
        EXPECT_EQ(year, 1999);
        EXPECT_EQ(genre, 17);
        EXPECT_EQ(track, 7);
    }

    void AddThreeMarkers(AudioInformation& info) {
        Bstr one("cue one"), two("range ü"), three("cue three"), note("a note"), text("a text"), empty;
        info.AddMarkerInfo(4410, 0, one.get(), empty.get(), empty.get(), 0, 0, 0, 0);
        info.AddMarkerInfo(11025, 22050, two.get(), note.get(), text.get(), 9, 44, 1, 1252);
        info.AddMarkerInfo(40000, 0, three.get(), empty.get(), empty.get(), 0, 0, 0, 0);
    }

    void ExpectThreeMarkers(const AudioInformation& info) {
        const auto& markers = info.Markers();
        ASSERT_EQ(markers.size(), 3u);
        EXPECT_EQ(markers[0].positionFrames, 4410);
        EXPECT_EQ(markers[0].lengthFrames, 0);
        EXPECT_EQ(markers[0].label, u"cue one");
        const MarkerInfo& range = markers[1];
        EXPECT_EQ(range.positionFrames, 11025);
        EXPECT_EQ(range.lengthFrames, 22050);
        EXPECT_EQ(range.label, u"range ü");
        EXPECT_EQ(range.note, u"a note");
        EXPECT_EQ(range.text, u"a text");
        EXPECT_EQ(range.language, 9);
        EXPECT_EQ(range.country, 44);
        EXPECT_EQ(range.dialect, 1);
        EXPECT_EQ(range.codePage, 1252);
        EXPECT_EQ(markers[2].positionFrames, 40000);
    }

    // Writes tags and three markers into `path`, then reads them into a fresh component.
    ComPtr<AudioInformation> WriteAndReread(const std::string& path, int16_t mp3TagVersion = 0) {
        auto writer = MakeCom<AudioInformation>();
        writer->SetMp3TagInfoVersion(mp3TagVersion);
        SetTags(*writer);
        AddThreeMarkers(*writer);
        Bstr name(path);
        EXPECT_EQ(writer->WriteFileInfo(name.get()), S_OK);
        auto reader = MakeCom<AudioInformation>();
        EXPECT_EQ(reader->ReadFileInfo(name.get()), S_OK);
        return reader;
    }

    test::ScratchDir dir_;
};

TEST_F(InformationFileTest, WaveKeepsTagsMarkersAndItsSound) {
    const std::string path = MakeSound("song.wav");
    if (path.empty()) GTEST_SKIP() << "sox is not installed";
    const std::string soundBefore = Output("sox '" + path + "' -t raw -");
    ASSERT_EQ(soundBefore.size(), 44100u * 4);

    auto reader = WriteAndReread(path);
    ExpectTags(*reader);
    ExpectThreeMarkers(*reader);
    EXPECT_EQ(Output("sox '" + path + "' -t raw -"), soundBefore);
    EXPECT_NE(Output("soxi -s '" + path + "'").find("44100"), std::string::npos);

    // Saving again over a file that already has tags and markers replaces them.
    Bstr name(path);
    reader->RemoveMarkerInfo();
    EXPECT_EQ(reader->WriteFileInfo(name.get()), S_OK);
    auto again = MakeCom<AudioInformation>();
    again->ReadFileInfo(name.get());
    EXPECT_EQ(again->Markers().size(), 2u);
    ExpectTags(*again);
    EXPECT_EQ(Output("sox '" + path + "' -t raw -"), soundBefore);
}

TEST_F(InformationFileTest, Mp3KeepsTagsAndChaptersInId3v24WithId3v1) {
    const std::string path = MakeSound("song.mp3", "lame --quiet -b 128");
    if (path.empty()) GTEST_SKIP() << "sox or lame is not installed";
    auto reader = WriteAndReread(path, 3);
    ExpectTags(*reader);
    ExpectThreeMarkers(*reader);
    const std::string bytes = Contents(path);
    ASSERT_GT(bytes.size(), 128u);
    EXPECT_EQ(bytes.substr(0, 4), std::string("ID3\x04", 4));
    EXPECT_EQ(bytes.substr(bytes.size() - 128, 3), "TAG");
    if (Have("ffprobe")) {
        const std::string chapters = Output("ffprobe -v error -show_chapters '" + path + "'");
        EXPECT_NE(chapters.find("title=range ü"), std::string::npos) << chapters;
        EXPECT_NE(chapters.find("start_time=0.250000"), std::string::npos) << chapters;
    }
}

TEST_F(InformationFileTest, Mp3DefaultsToId3v23Only) {
    const std::string path = MakeSound("song.mp3", "ffmpeg -v error -y -i");
    if (path.empty()) GTEST_SKIP() << "sox or ffmpeg is not installed";
    auto reader = WriteAndReread(path, 0);
    ExpectTags(*reader);
    ExpectThreeMarkers(*reader);
    const std::string bytes = Contents(path);
    EXPECT_EQ(bytes.substr(0, 4), std::string("ID3\x03", 4));
    EXPECT_NE(bytes.substr(bytes.size() - 128, 3), "TAG");
}

TEST_F(InformationFileTest, FlacAndOggKeepTheirTags) {
    for (const char* name : {"song.flac", "song.ogg"}) {
        SCOPED_TRACE(name);
        const std::string path = MakeSound(name, "sox");
        if (path.empty()) GTEST_SKIP() << "sox cannot write " << name;
        auto reader = WriteAndReread(path);
        ExpectTags(*reader);
        EXPECT_TRUE(reader->Markers().empty()) << "these formats keep no markers";
    }
}

// A second of WMA made by ffmpeg with the given metadata options ("-metadata title=…" …).
std::string MakeWma(const std::string& path, const std::string& metadata) {
    const std::string command = "ffmpeg -v error -y -f lavfi -i sine=frequency=440:duration=1 -ac 2 -c:a wmav2 " +
                                metadata + " '" + path + "'";
    return RunQuietly(command) ? path : std::string();
}

// Every held tag as another program writes it with ffmpeg; the URL under its WMA attribute.
constexpr const char* kWmaMetadata =
    "-metadata 'title=Title ♪' -metadata artist=Artist -metadata album=Album -metadata comment=Comments "
    "-metadata 'copyright=(c) 2024' -metadata composer=Composer -metadata encoded_by=Encoder "
    "-metadata WM/UserWebURL=http://example.org/ -metadata date=1999 -metadata genre=Rock -metadata track=7";

TEST_F(InformationFileTest, WmaTagsOfAnotherProgramAreRead) {
    const std::string path = MakeWma(dir_.File("tagged.wma"), kWmaMetadata);
    if (path.empty()) GTEST_SKIP() << "ffmpeg cannot write WMA";
    auto reader = MakeCom<AudioInformation>();
    Bstr name(path);
    EXPECT_EQ(reader->ReadFileInfo(name.get()), S_OK);
    ExpectTags(*reader);
    EXPECT_TRUE(reader->Markers().empty()) << "WMA files carry no markers";
}

TEST_F(InformationFileTest, WmaTakesTheHeldTagsInPlaceOfOldOnes) {
    const std::string path = MakeWma(dir_.File("old.wma"), "-metadata 'title=Old title' -metadata artist=Old "
                                                           "-metadata comment=Old -metadata date=1980");
    if (path.empty()) GTEST_SKIP() << "ffmpeg cannot write WMA";
    auto reader = WriteAndReread(path);
    ExpectTags(*reader);
    EXPECT_TRUE(reader->Markers().empty());
    // ffmpeg reads the file as another player would: the new values only, and the sound intact.
    const std::string probe = Output("ffprobe -v error -show_format '" + path + "'");
    for (const char* line : {"TAG:title=Title ♪", "TAG:artist=Artist", "TAG:comment=Comments", "TAG:album=Album",
                             "TAG:WM/Year=1999", "TAG:WM/UserWebURL=http://example.org/", "duration=1."}) {
        EXPECT_NE(probe.find(line), std::string::npos) << line << "\n" << probe;
    }
    EXPECT_EQ(probe.find("Old"), std::string::npos) << probe;
    EXPECT_EQ(probe.find("1980"), std::string::npos) << probe;
}

TEST_F(InformationFileTest, FilesWithoutATagFormatAreLeftAlone) {
    for (const char* name : {"notes.txt", "notes.mp3"}) {
        SCOPED_TRACE(name);
        const std::string path = dir_.File(name);
        std::ofstream(path) << "just some text, not a sound file\n";
        auto info = MakeCom<AudioInformation>();
        SetTags(*info);
        AddThreeMarkers(*info);
        Bstr fileName(path);
        EXPECT_EQ(info->WriteFileInfo(fileName.get()), S_FALSE);
        EXPECT_EQ(Contents(path), "just some text, not a sound file\n");
        EXPECT_EQ(info->ReadFileInfo(fileName.get()), S_FALSE);
    }
}

}  // namespace
}  // namespace vesk
