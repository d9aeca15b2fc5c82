// The information component on wave files built byte by byte: RF64 files, and the chunks of a
// source file that saving into a wave file carries over. Files are checked by reading them back
// through the component and, independently, by sox and a Python walk of their chunks.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "components/information/AudioInformation.h"
#include "components/information/RiffMarkerCodec.h"
#include "support/TempDirGuard.h"
#include "WaveBytes.h"

namespace vesk {
namespace {

using test::Bytes;
using test::Chunk;

bool Have(const std::string& tool) { return std::system(("command -v " + tool + " >/dev/null 2>&1").c_str()) == 0; }

// Standard output of the command (standard error discarded).
std::string Output(const std::string& command) {
    std::string out;
    FILE* pipe = popen((command + " 2>/dev/null").c_str(), "r");
    if (!pipe) return out;
    char buffer[4096];
    for (size_t got; (got = fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, got);
    pclose(pipe);
    return out;
}

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

}  // namespace
}  // namespace vesk
