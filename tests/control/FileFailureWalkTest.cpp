// Every file failure of Open and Save, one at a time, through a real control with its real
// components: a dry run counts the opens, reads, writes and closes the operation makes, then each
// of them is made to fail in turn. After a failure the document and its history are as they
// were, the working folder and the target's folder hold the same files, an existing target keeps
// its bytes, and exactly one Error event tells FILEACCESS; or the operation recovered and its
// result is the dry run's, with no Error.
//
// Operations with more failure points of a kind than kMaxPoints are walked at kMaxPoints points
// spread evenly over them (the first and the last always among them).
#include <algorithm>
#include <cmath>
#include <fstream>
#include <iostream>
#include <iterator>

#include "ControlTestSupport.h"
#include "components/ComponentErrors.h"
#include "components/ComponentNames.h"
#include "components/VeskAudioFile.h"
#include "components/WmaCodec.h"
#include "platform/io/IoFaults.h"

namespace vesk {
namespace {

constexpr int32_t kMaxPoints = 60;
constexpr int32_t kFrames = 66150;  // 1.5 s at 44.1 kHz: Open decodes it in two blocks

using Names = std::set<std::string>;

Names FilesIn(const std::filesystem::path& dir) {
    Names names;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        if (entry.is_regular_file()) names.insert(entry.path().filename().string());
    }
    return names;
}

std::string Bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void PutBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// The failure points walked for `calls` calls: all of them, or kMaxPoints spread evenly.
std::vector<int32_t> Points(int32_t calls) {
    std::vector<int32_t> points;
    if (calls <= kMaxPoints) {
        for (int32_t nth = 1; nth <= calls; ++nth) points.push_back(nth);
        return points;
    }
    for (int32_t i = 0; i < kMaxPoints; ++i) points.push_back(1 + static_cast<int32_t>(int64_t{i} * (calls - 1) / (kMaxPoints - 1)));
    return points;
}

// Writes fail both ways: a full disk (the part that fits goes out) on even points, an I/O error
// on odd ones.
IoFault FaultFor(IoOp op, int32_t nth) { return op == IoOp::Write && nth % 2 == 0 ? IoFault::DiskFull : IoFault::Error; }

const char* NameOf(IoOp op) {
    switch (op) {
        case IoOp::Open: return "open";
        case IoOp::Read: return "read";
        case IoOp::Write: return "write";
        case IoOp::Close: return "close";
    }
    return "?";
}

constexpr IoOp kOps[] = {IoOp::Open, IoOp::Read, IoOp::Write, IoOp::Close};

// What an open document is, as far as a failed operation must not change it.
struct DocumentState {
    bool open = false;
    std::string workingFile;
    std::vector<int16_t> samples;
    int32_t states = 0;
    int32_t markers = 0;
    std::string title;
    std::string format;

    bool operator==(const DocumentState&) const = default;
};

void PrintTo(const DocumentState& state, std::ostream* out) {
    *out << (state.open ? "open" : "no document") << ", " << state.states << " states, " << state.samples.size()
         << " samples, " << state.markers << " markers, title \"" << state.title << "\", \"" << state.format
         << "\", " << state.workingFile;
}

class FileFailureWalk : public test::ControlFixture {
protected:
    void SetUp() override {
        ControlFixture::SetUp();
        std::filesystem::create_directory(files);
        control->get_FileInfo(fileInfo.put());
        control->get_Markers(markers.put());
    }
    void TearDown() override {
        IoFaults::Disarm();
        ControlFixture::TearDown();
    }

    // A stereo document of two sines with an undoable edit, two markers and a title.
    void MakeDocument() {
        control->New(44100, 2);
        SafeArrayPtr samples(SafeArrayCreateVector(VT_I2, 0, 2 * kFrames));
        for (int32_t i = 0; i < kFrames; ++i) {
            samples.shorts()[2 * i] = static_cast<int16_t>(9000 * std::sin(i * 0.0627));
            samples.shorts()[2 * i + 1] = static_cast<int16_t>(7000 * std::sin(i * 0.0311));
        }
        control->PutSampleArray(samples.get());
        control->Amplify(0.8f);
        Bstr first("first"), second("second"), note("a note");
        markers->Insert(400, 0, first.get(), note.get(), nullptr, 0, 0, 0, 0);
        markers->Insert(2000, 600, second.get(), nullptr, nullptr, 0, 0, 0, 0);
        Bstr title("Walk");
        fileInfo->put_Title(title.get());
        fileInfo->put_SaveExtraInfoEnabled(VARIANT_TRUE);
    }

    void Open(const std::string& path) {
        Bstr name(path);
        control->Open(name.get(), 0);
    }
    void Save(const std::string& path) {
        Bstr name(path);
        control->Save(name.get(), VARIANT_FALSE, 0);
    }

    DocumentState State() {
        DocumentState state;
        state.open = control->HasDocument();
        Bstr title;
        fileInfo->get_Title(title.put());
        state.title = title.utf8();
        if (!state.open) return state;
        const DocState& current = *control->History().Current();
        state.workingFile = current.filePath;
        state.states = control->History().Count();
        state.markers = current.markers.Count();
        state.format = control->Doc().FormatString();
        WaveFile file;
        EXPECT_TRUE(file.Open(current.filePath, WaveMode::Read));
        state.samples.resize(file.DataSize() / 2);
        file.Read(state.samples.data(), file.DataSize());
        return state;
    }

    // The samples a file decodes to (through the components the control uses), or -1 when it
    // does not open.
    int64_t SamplesIn(const std::string& path) {
        Bstr name(path);
        int32_t error = 0;
        int64_t samples = 0;
        auto count = [&](auto& decoder) {
            for (;;) {
                SafeArrayPtr block;
                decoder->ReadBlock(1 << 16, block.put());
                if (block.size() == 0) return;
                samples += block.size();
            }
        };
        if (path.ends_with(".wma")) {
            auto codec = registry.Create<IWmaCodec>(kWmaCodecName);
            codec->OpenForDecoding(name.get(), &error);
            if (error == 0) count(codec);
            codec->CloseFile();
        } else {
            auto file = registry.Create<IVeskAudioFile>(kVeskAudioFileName);
            file->OpenForDecoding(name.get(), 0, 1);
            file->GetLastError(&error);
            if (error == 0) count(file);
            file->CloseFile();
        }
        return error == 0 ? samples : -1;
    }

    int32_t ErrorCount() const { return events->Count(kError); }
    int32_t ErrorCode() const { return events->FirstArg(kError); }

    std::filesystem::path files = scratch.path() / "files";
    ComPtr<IAudioEditorFileInfo> fileInfo;
    ComPtr<IAudioEditorMarkers> markers;
};

// --- Open ------------------------------------------------------------------------------------

struct SourceFile {
    const char* name;
    bool carriesMarkers;
    std::function<void(AudioEditor&)> format;
};

void PrintTo(const SourceFile& source, std::ostream* out) { *out << source.name; }

// A tag or marker read that fails leaves the document without them and fires no Error, and a tag
// or marker write that fails after the sound was encoded still replaces the target: the
// information component answers "nothing done" and Open and Save do not ask why. The walks
// tolerate exactly that outcome (the sound whole, only tags or markers missing) while it is so,
// and say how often they saw it.
constexpr bool kInformationLostSilently = true;

// A read that fails while the sound is decoded ends the blocks early; the component records
// FILEACCESS, but Open reads blocks until none comes and opens what it has.
constexpr bool kReadErrorsEndTheSoundSilently = true;

bool CutShort(const DocumentState& state, const DocumentState& whole) {
    return state.samples.size() < whole.samples.size() &&
           std::equal(state.samples.begin(), state.samples.end(), whole.samples.begin());
}

bool LostInformationOnly(DocumentState state, const DocumentState& whole) {
    const bool lost = state.title.empty() || state.markers < whole.markers;
    state.title = whole.title;
    state.markers = whole.markers;
    return lost && state == whole;
}

class OpenWalk : public FileFailureWalk, public testing::WithParamInterface<SourceFile> {
protected:
    // A WMA source whose working file cannot be made is refused as a format the control cannot
    // take (the documented choice); every other failure is the file's.
    int32_t ExpectedError(IoOp op) const {
        const bool wma = std::string(GetParam().name).ends_with(".wma");
        return wma && (op == IoOp::Open || op == IoOp::Write) && ErrorCodeIsFormat() ? component_error::kFormatNotSupport
                                                                                     : component_error::kFileAccess;
    }
    bool ErrorCodeIsFormat() const { return ErrorCode() == component_error::kFormatNotSupport; }

    // The source is written by the control itself, markers and title included.
    std::string MakeSource() {
        MakeDocument();
        GetParam().format(*control);
        const std::string path = (files / GetParam().name).string();
        Save(path);
        EXPECT_EQ(ErrorCount(), 0);
        control->Close();
        Bstr empty("");
        fileInfo->put_Title(empty.get());
        return path;
    }
};

TEST_P(OpenWalk, EveryFileFailureOpensNothingOrTheWholeFile) {
    const std::string source = MakeSource();
    const Names workingBefore = FilesIn(scratch.path());
    const Names filesBefore = FilesIn(files);
    int32_t informationLost = 0;
    int32_t cutShort = 0;
    for (IoOp op : kOps) {
        IoFaults::Disarm();
        Open(source);
        const int32_t calls = IoFaults::Calls(op);
        const DocumentState whole = State();
        ASSERT_TRUE(whole.open);
        ASSERT_EQ(whole.title, "Walk");
        ASSERT_EQ(whole.markers, GetParam().carriesMarkers ? 2 : 0);
        control->Close();
        for (int32_t nth : Points(calls)) {
            SCOPED_TRACE(testing::Message() << GetParam().name << ": " << NameOf(op) << " " << nth << " of " << calls);
            events->events.clear();
            IoFaults::Arm(op, nth, FaultFor(op, nth));
            Open(source);
            IoFaults::Disarm();
            if (control->HasDocument()) {
                EXPECT_EQ(ErrorCount(), 0) << "recovered";
                DocumentState state = State();
                state.workingFile = whole.workingFile;  // a new name each time
                if (kInformationLostSilently && LostInformationOnly(state, whole)) {
                    ++informationLost;
                } else if (kReadErrorsEndTheSoundSilently && CutShort(state, whole)) {
                    ++cutShort;
                } else {
                    EXPECT_EQ(state, whole);
                }
                control->Close();
            } else if (ErrorCount() == 0) {
                // The control's documented answer when a working file cannot be made (named,
                // created, given its header) for a general open: nothing, silently.
                EXPECT_TRUE(op == IoOp::Open || op == IoOp::Write);
            } else {
                EXPECT_EQ(ErrorCount(), 1);
                EXPECT_EQ(ErrorCode(), ExpectedError(op));
            }
            EXPECT_EQ(FilesIn(scratch.path()), workingBefore) << "no working file left behind";
            EXPECT_EQ(FilesIn(files), filesBefore);
        }
    }
    if (informationLost > 0) {
        std::cout << "[   NOTE   ] " << GetParam().name << ": " << informationLost
                  << " failures opened the sound without its tags or markers and without an Error\n";
    }
    if (cutShort > 0) {
        std::cout << "[   NOTE   ] " << GetParam().name << ": " << cutShort
                  << " failures opened the start of the sound only, without an Error\n";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Formats, OpenWalk,
    testing::Values(SourceFile{"in.wav", true, [](AudioEditor& c) { c.SetFormatPCM(44100, 2, 16); }},
                    SourceFile{"in.flac", false, [](AudioEditor& c) { c.SetFormatPCM(44100, 2, 16); }},
                    SourceFile{"in.mp3", true, [](AudioEditor& c) { c.SetFormatMP3(44100, 128, 2); }},
                    SourceFile{"in.ogg", false, [](AudioEditor& c) { c.SetFormatOggVorbis(44100, 2, 128, 0, 0, -1); }},
                    SourceFile{"in.wma", false, [](AudioEditor& c) { c.SetFormatWMA(6); }}),
    [](const auto& info) { return std::string(info.param.name).substr(3); });

// --- Save ------------------------------------------------------------------------------------

struct TargetFormat {
    const char* label;
    const char* name;
    std::function<void(AudioEditor&)> format;
};

void PrintTo(const TargetFormat& target, std::ostream* out) { *out << target.label << " as " << target.name; }

class SaveWalk : public FileFailureWalk, public testing::WithParamInterface<TargetFormat> {};

TEST_P(SaveWalk, EveryFileFailureKeepsTheDocumentAndTheTarget) {
    MakeDocument();
    GetParam().format(*control);
    const std::string target = (files / GetParam().name).string();
    const std::string old = "an older file of the user's";
    PutBytes(target, old);
    const DocumentState before = State();
    const Names workingBefore = FilesIn(scratch.path());
    const Names filesBefore = FilesIn(files);
    int32_t informationLost = 0;
    int32_t damaged = 0;
    for (IoOp op : kOps) {
        IoFaults::Disarm();
        events->events.clear();
        Save(target);
        const int32_t calls = IoFaults::Calls(op);
        ASSERT_EQ(ErrorCount(), 0);
        const std::string saved = Bytes(target);
        ASSERT_NE(saved, old);
        const int64_t sound = SamplesIn(target);
        ASSERT_GT(sound, 0);
        PutBytes(target, old);
        for (int32_t nth : Points(calls)) {
            SCOPED_TRACE(testing::Message() << GetParam().label << ": " << NameOf(op) << " " << nth << " of " << calls);
            events->events.clear();
            IoFaults::Arm(op, nth, FaultFor(op, nth));
            Save(target);
            IoFaults::Disarm();
            if (ErrorCount() == 0) {
                // Recovered: the whole file (encoders that stamp a random stream number make
                // other bytes of the same length).
                const std::string written = Bytes(target);
                if (kInformationLostSilently && written.size() != saved.size()) {
                    ++informationLost;
                    // A tag writer that failed while it moved the sound to make room leaves it
                    // damaged, and that file still replaces the target.
                    if (SamplesIn(target) != sound) ++damaged;
                } else {
                    EXPECT_EQ(written.size(), saved.size()) << "recovered";
                }
                PutBytes(target, old);
            } else {
                EXPECT_EQ(ErrorCount(), 1);
                EXPECT_EQ(ErrorCode(), component_error::kFileAccess);
                EXPECT_EQ(Bytes(target), old) << "the target keeps its bytes";
            }
            EXPECT_EQ(State(), before);
            EXPECT_EQ(FilesIn(scratch.path()), workingBefore) << "no working file left behind";
            EXPECT_EQ(FilesIn(files), filesBefore) << "no half-written sibling";
        }
    }
    if (informationLost > 0) {
        std::cout << "[   NOTE   ] " << GetParam().label << ": " << informationLost
                  << " failures replaced the target by a file without its tags or markers, without an Error; "
                  << damaged << " of them with the sound damaged\n";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Formats, SaveWalk,
    testing::Values(TargetFormat{"PcmWav", "out.wav", [](AudioEditor& c) { c.SetFormatPCM(44100, 2, 16); }},
                    TargetFormat{"Adpcm", "out.wav", [](AudioEditor& c) { c.SetFormatADPCM(44100, 2); }},
                    TargetFormat{"ALaw", "out.wav", [](AudioEditor& c) { c.SetFormatALAW(44100, 2); }},
                    TargetFormat{"Flac", "out.flac", [](AudioEditor& c) { c.SetFormatPCM(44100, 2, 16); }},
                    TargetFormat{"OggVorbis", "out.ogg",
                                 [](AudioEditor& c) { c.SetFormatOggVorbis(44100, 2, 128, 0, 0, -1); }},
                    TargetFormat{"Mp3", "out.mp3", [](AudioEditor& c) { c.SetFormatMP3(44100, 128, 2); }},
                    TargetFormat{"Mp2", "out.mp2", [](AudioEditor& c) { c.SetFormatMP2(44100, 192, 2); }},
                    TargetFormat{"Wma", "out.wma", [](AudioEditor& c) { c.SetFormatWMA(6); }}),
    [](const auto& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace vesk
