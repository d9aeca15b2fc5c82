// The information component on wave files built byte by byte: RF64 files, and the chunks of a
// source file that saving into a wave file carries over. Files are checked by reading them back
// through the component and, independently, by sox and a Python walk of their chunks.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include <taglib/id3v2tag.h>

#include "components/information/AudioInformation.h"
#include "components/information/KeptWaveChunks.h"
#include "components/information/RiffMarkerCodec.h"
#include "support/TempDirGuard.h"
#include "WaveBytes.h"

namespace vesk {
namespace {

using test::Bytes;
using test::Chunk;
using test::ChunkLine;
using test::Text;

using test::Output;

bool Have(const std::string& tool) { return test::HaveTool(tool); }

bool Contains(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

const std::vector<MarkerInfo> kThree{{10, 0, u"one", u"", u"", 0, 0, 0, 0},
                                     {50, 20, u"two ü", u"note", u"text", 9, 44, 1, 1252},
                                     {900, 0, u"three", u"", u"", 0, 0, 0, 0}};

// The marker chunks for `markers`, written by the component's own codec.
std::vector<Bytes> MarkerChunks(const std::vector<MarkerInfo>& markers) {
    Bytes adtl = test::Text("adtl");
    const Bytes entries = RiffMarkerCodec::EncodeAdtl(markers);
    adtl.insert(adtl.end(), entries.begin(), entries.end());
    return {Chunk("cue ", RiffMarkerCodec::EncodeCue(markers)), Chunk("LIST", adtl)};
}

void ExpectMarkers(const std::vector<MarkerInfo>& actual, const std::vector<MarkerInfo>& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(actual[i].positionFrames, expected[i].positionFrames);
        EXPECT_EQ(actual[i].lengthFrames, expected[i].lengthFrames);
        EXPECT_EQ(actual[i].label, expected[i].label);
        EXPECT_EQ(actual[i].note, expected[i].note);
        EXPECT_EQ(actual[i].text, expected[i].text);
        EXPECT_EQ(actual[i].language, expected[i].language);
        EXPECT_EQ(actual[i].codePage, expected[i].codePage);
    }
}

class InformationWaveTest : public testing::Test {
protected:
    ComPtr<AudioInformation> Read(const std::string& path, HRESULT expected = S_OK) {
        auto info = MakeCom<AudioInformation>();
        Bstr name(path);
        EXPECT_EQ(info->ReadFileInfo(name.get()), expected);
        return info;
    }
    void Write(AudioInformation& info, const std::string& path, HRESULT expected = S_OK) {
        Bstr name(path);
        EXPECT_EQ(info.WriteFileInfo(name.get()), expected);
    }
    void SetMarkers(AudioInformation& info, const std::vector<MarkerInfo>& markers) {
        while (!info.Markers().empty()) info.RemoveMarkerInfo();
        for (const MarkerInfo& m : markers) {
            Bstr label(Utf16ToUtf8(m.label)), note(Utf16ToUtf8(m.note)), text(Utf16ToUtf8(m.text));
            info.AddMarkerInfo(m.positionFrames, m.lengthFrames, label.get(), note.get(), text.get(), m.language,
                               m.country, m.dialect, m.codePage);
        }
    }
    std::vector<std::string> Walk(const std::string& path) { return test::WalkChunks(path, dir_.File("walk.py")); }
    // Frames of the file as sox counts them ("" without sox).
    std::string SoxFrames(const std::string& path) { return Output("soxi -s '" + path + "'"); }

    test::ScratchDir dir_;
    const Bytes sound_ = test::Ramp(4000);  // 1000 stereo frames
};

// --- RF64 ------------------------------------------------------------------------------------

TEST_F(InformationWaveTest, Rf64MarkersAreReadBehindChunksSizedInDs64) {
    const std::string path = dir_.File("large.wav");
    std::vector<Bytes> after{test::LargeChunk("abcd", test::Ramp(21))};
    for (const Bytes& chunk : MarkerChunks(kThree)) after.push_back(chunk);
    test::StoreBytes(path, test::Rf64Wave(sound_, after, {{"abcd", 21}}));
    if (Have("soxi")) {
        EXPECT_EQ(SoxFrames(path), "1000\n") << "the test file is a sound file";
    }
    ExpectMarkers(Read(path)->Markers(), kThree);
}

TEST_F(InformationWaveTest, Rf64TakesMarkersWithItsFormSizeInDs64) {
    const std::string path = dir_.File("large.wav");
    test::StoreBytes(path, test::Rf64Wave(sound_, {Chunk("abcd", {1, 2, 3})}));
    auto info = MakeCom<AudioInformation>();
    SetMarkers(*info, kThree);
    Write(*info, path);
    ExpectMarkers(Read(path)->Markers(), kThree);
    // Fewer markers make the file shorter: the form size follows and nothing is left behind.
    SetMarkers(*info, {kThree[0]});
    Write(*info, path);
    ExpectMarkers(Read(path)->Markers(), {kThree[0]});
    const auto walk = Walk(path);
    ASSERT_FALSE(walk.empty());
    EXPECT_EQ(walk[0], "RF64 size-ok");
    EXPECT_TRUE(Contains(walk, test::ChunkLine("abcd", {1, 2, 3})));
    EXPECT_TRUE(Contains(walk, test::ChunkLine("data", sound_)));
    EXPECT_EQ(std::count_if(walk.begin(), walk.end(), [](const std::string& l) { return l.rfind("cue ", 0) == 0; }), 1);
    EXPECT_EQ(walk.back().rfind("trailing", 0), std::string::npos) << walk.back();
    if (Have("soxi")) {
        EXPECT_EQ(SoxFrames(path), "1000\n");
    }
}

// --- Chunks carried from the source into a saved wave file ----------------------------------

// Chunks of a source file that no tag or marker field stands for: broadcast, sampler and
// production data, a LIST of another form, and filler.
struct SourceChunks {
    const Bytes bext = Text("Broadcast description of an odd size");
    const Bytes smpl = test::Ramp(60);
    const Bytes ixml = Text("<BWFXML><PROJECT>p</PROJECT></BWFXML>");
    const Bytes exif = Text(std::string("exifIMKR\x06\0\0\0Maker\0", 18));
    const Bytes product = Text(std::string("Product\0", 8));
    const Bytes software = Text(std::string("Tool 1.0\0", 9));
    const Bytes engineer = Text(std::string("Someone\0", 8));

    Bytes Info() const {
        return test::List("INFO", {Chunk("INAM", Text(std::string("Song\0", 5))), Chunk("IPRD", product),
                                   Chunk("ISFT", software), Chunk("IENG", engineer)});
    }
    std::vector<Bytes> All() const {
        return {Chunk("bext", bext), Info(), Chunk("smpl", smpl), Chunk("JUNK", Bytes(28)), Chunk("iXML", ixml),
                Chunk("LIST", exif)};
    }
};

// Index of the walk line, or -1.
long LineIndex(const std::vector<std::string>& lines, const std::string& line) {
    const auto found = std::find(lines.begin(), lines.end(), line);
    return found == lines.end() ? -1 : static_cast<long>(found - lines.begin());
}

long CountPrefix(const std::vector<std::string>& lines, const std::string& prefix) {
    return std::count_if(lines.begin(), lines.end(), [&](const std::string& l) { return l.rfind(prefix, 0) == 0; });
}

class InformationKeptChunksTest : public InformationWaveTest {
protected:
    // A plain wave file as an encoder writes it: format and sound only.
    std::string Target(const std::string& name = "saved.wav") {
        const std::string path = dir_.File(name);
        test::StoreBytes(path, test::RiffWave({Chunk("fmt ", test::kPcmFormat), Chunk("data", target_)}));
        return path;
    }
    // The walk of the saved file, which must be whole and hold its own sound.
    std::vector<std::string> CheckedWalk(const std::string& path) {
        const auto walk = Walk(path);
        if (walk.empty()) return walk;
        EXPECT_EQ(walk[0], "RIFF size-ok");
        EXPECT_EQ(walk.back().rfind("trailing", 0), std::string::npos) << walk.back();
        EXPECT_EQ(LineIndex(walk, ChunkLine("data", target_)), 2);
        if (Have("soxi")) {
            EXPECT_EQ(SoxFrames(path), "250\n");
        }
        return walk;
    }
    void ExpectCarried(const std::vector<std::string>& walk) {
        const long bext = LineIndex(walk, ChunkLine("bext", chunks_.bext));
        const long smpl = LineIndex(walk, ChunkLine("smpl", chunks_.smpl));
        const long ixml = LineIndex(walk, ChunkLine("iXML", chunks_.ixml));
        const long exif = LineIndex(walk, ChunkLine("LIST", chunks_.exif));
        EXPECT_TRUE(bext > 0 && bext < smpl && smpl < ixml && ixml < exif) << "in the source's order";
        EXPECT_EQ(LineIndex(walk, "INFO ISFT " + test::Hex(chunks_.software)) > 0, true);
        EXPECT_EQ(LineIndex(walk, "INFO IENG " + test::Hex(chunks_.engineer)) > 0, true);
        EXPECT_EQ(CountPrefix(walk, "bext "), 1);
        EXPECT_EQ(CountPrefix(walk, "INFO ISFT "), 1);
        EXPECT_EQ(CountPrefix(walk, "JUNK "), 0) << "filler is not carried";
    }

    SourceChunks chunks_;
    const Bytes target_ = test::Ramp(1000);  // 250 frames
};

TEST_F(InformationKeptChunksTest, SavingAsWaveCarriesWhatTheSourceHadBesideTagsAndMarkers) {
    std::vector<Bytes> source{Chunk("fmt ", test::kPcmFormat), Chunk("data", sound_)};
    for (const Bytes& chunk : chunks_.All()) source.push_back(chunk);
    for (const Bytes& chunk : MarkerChunks(kThree)) source.push_back(chunk);
    test::StoreBytes(dir_.File("source.wav"), test::RiffWave(source));
    auto info = Read(dir_.File("source.wav"));
    Bstr album;
    info->GetAlbum(album.put());
    EXPECT_EQ(album.utf8(), "Product");

    const std::string saved = Target();
    Write(*info, saved);
    auto walk = CheckedWalk(saved);
    if (walk.empty()) GTEST_SKIP() << "python3 is not installed";
    ExpectCarried(walk);
    EXPECT_GT(LineIndex(walk, "INFO IPRD " + test::Hex(chunks_.product)), 0) << "the album";
    ExpectMarkers(Read(saved)->Markers(), kThree);

    // Saving into the same file again keeps one copy of everything.
    Write(*info, saved);
    ExpectCarried(CheckedWalk(saved));
}

TEST_F(InformationKeptChunksTest, InfoFieldsBesideAnId3ChunkAreKept) {
    TagLib::ID3v2::Tag id3;
    id3.setTitle("From ID3");
    const TagLib::ByteVector rendered = id3.render();
    const Bytes id3Bytes(rendered.begin(), rendered.end());
    test::StoreBytes(dir_.File("source.wav"),
                     test::RiffWave({Chunk("fmt ", test::kPcmFormat), Chunk("data", sound_), Chunk("id3 ", id3Bytes),
                                     chunks_.Info()}));
    auto info = Read(dir_.File("source.wav"));
    Bstr title, album;
    info->GetTitle(title.put());
    info->GetAlbum(album.put());
    EXPECT_EQ(title.utf8(), "From ID3");
    EXPECT_EQ(album.utf8(), "Product") << "what the ID3 chunk lacks comes from INFO";

    const std::string saved = Target();
    Write(*info, saved);
    const auto walk = CheckedWalk(saved);
    if (walk.empty()) GTEST_SKIP() << "python3 is not installed";
    EXPECT_GT(LineIndex(walk, "INFO IPRD " + test::Hex(chunks_.product)), 0);
    EXPECT_GT(LineIndex(walk, "INFO ISFT " + test::Hex(chunks_.software)), 0);
}

TEST_F(InformationKeptChunksTest, Rf64SourceCarriesItsChunksIntoAWave) {
    test::StoreBytes(dir_.File("source.wav"), test::Rf64Wave(sound_, chunks_.All()));
    auto info = Read(dir_.File("source.wav"));
    const std::string saved = Target();
    Write(*info, saved);
    const auto walk = CheckedWalk(saved);
    if (walk.empty()) GTEST_SKIP() << "python3 is not installed";
    ExpectCarried(walk);
    EXPECT_EQ(CountPrefix(walk, "ds64 "), 0);
}

TEST_F(InformationKeptChunksTest, OnlyWaveSourcesAndWaveTargetsCarryChunks) {
    if (!Have("sox")) GTEST_SKIP() << "sox is not installed";
    const std::string flac = dir_.File("other.flac");
    ASSERT_EQ(std::system(("sox -n -r 44100 -c 2 -b 16 '" + flac + "' synth 0.1 sine 440").c_str()), 0);
    std::vector<Bytes> source{Chunk("fmt ", test::kPcmFormat), Chunk("data", sound_)};
    for (const Bytes& chunk : chunks_.All()) source.push_back(chunk);
    test::StoreBytes(dir_.File("source.wav"), test::RiffWave(source));

    // Into a FLAC file: tags only, and the file stays FLAC.
    auto info = Read(dir_.File("source.wav"));
    Write(*info, flac);
    const Bytes flacBytes = test::LoadBytes(flac);
    EXPECT_EQ(std::search(flacBytes.begin(), flacBytes.end(), chunks_.bext.begin(), chunks_.bext.end()),
              flacBytes.end());
    EXPECT_EQ(Output("soxi -t '" + flac + "'"), "flac\n");

    // Reading the FLAC file forgets the wave file's chunks.
    Bstr flacName(flac);
    info->ReadFileInfo(flacName.get());
    const std::string saved = Target();
    Write(*info, saved);
    const auto walk = CheckedWalk(saved);
    if (walk.empty()) GTEST_SKIP() << "python3 is not installed";
    EXPECT_EQ(CountPrefix(walk, "bext "), 0);
    EXPECT_EQ(CountPrefix(walk, "INFO ISFT "), 0);
}

TEST_F(InformationKeptChunksTest, DamagedAndOversizedChunksAreNotKept) {
    Bytes truncated;  // the last chunk claims far more than the file holds
    test::Append32(truncated, FourCC("bext"));
    test::Append32(truncated, 0x7FFFFFF0);
    truncated.insert(truncated.end(), 100, 'x');
    const Bytes huge(KeptWaveChunks::kMaxKeptBytes + 2, 'h');
    test::StoreBytes(dir_.File("source.wav"),
                     test::RiffWave({Chunk("fmt ", test::kPcmFormat), Chunk("data", sound_), Chunk("big ", huge),
                                     Chunk("smpl", chunks_.smpl), truncated}));
    auto info = Read(dir_.File("source.wav"));
    const std::string saved = Target();
    Write(*info, saved);
    const auto walk = CheckedWalk(saved);
    if (walk.empty()) GTEST_SKIP() << "python3 is not installed";
    EXPECT_GT(LineIndex(walk, ChunkLine("smpl", chunks_.smpl)), 0);
    EXPECT_EQ(CountPrefix(walk, "big "), 0) << "larger than what is kept in all";
    EXPECT_EQ(CountPrefix(walk, "bext "), 0) << "cut short by the end of the file";
}

}  // namespace
}  // namespace vesk
