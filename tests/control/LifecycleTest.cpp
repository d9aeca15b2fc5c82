// The control's life: defaults, start-up order and its failure messages, New and Close with
// their working files, property clamps, undo and redo over the history, GetCurrentArray when
// idle, and destruction deleting every working file.
#include <sys/stat.h>

#include <algorithm>
#include <fstream>

#include "ControlTestSupport.h"
#include "platform/io/IoFaults.h"
#include "platform/io/TempFile.h"

namespace vesk {
namespace {

using test::ControlFixture;

int32_t ReadInt(HRESULT (AudioEditor::*getter)(int32_t*), AudioEditor& control) {
    int32_t value = -12345;
    EXPECT_EQ((control.*getter)(&value), S_OK);
    return value;
}

TEST(ControlDefaults, FreshControlReportsItsDefaults) {
    ClassRegistry registry;
    RegisterAudioEditorClasses(registry);
    SilentMessageBox messages;
    auto control = CreateAudioEditor({&registry, &messages});
    ASSERT_TRUE(control);
    EXPECT_EQ(ReadInt(&AudioEditor::get_FileBufferSize, *control), 10001);
    EXPECT_EQ(ReadInt(&AudioEditor::get_UndoRedoCount, *control), 999);
    EXPECT_EQ(ReadInt(&AudioEditor::get_LastErrorNum, *control), 0);
    int16_t status = -1;
    control->get_Status(&status);
    EXPECT_EQ(status, 0);
    Bstr dir, clip;
    control->get_TempDirectory(dir.put());
    control->get_TempFileName(clip.put());
    EXPECT_EQ(dir.utf8(), SystemTempDirectory());
    EXPECT_EQ(clip.utf8(), SystemTempDirectory() + "VeskClipBoard.wav");
    VARIANT_BOOL smooth = 0;
    control->get_SmoothEnabled(&smooth);
    EXPECT_EQ(smooth, 1);
    EXPECT_EQ(ReadInt(&AudioEditor::get_SmoothTime, *control), 10);
    EXPECT_EQ(messages.Count(), 0);
}

// Every class the start-up creates, in its order, with the message its absence gives.
const std::pair<const char*, const char*> kStartupClasses[] = {
    {"AudioEditorScale", "AudioEditorScale is not registered."},
    {"AudioEditorColors", "AudioEditorColors is not registered."},
    {"AudioEditorDevice", "AudioEditorDevice is not registered."},
    {"AudioEditorFileInfo", "AudioEditorFileInfo is not registered."},
    {"AudioEditorPosition", "AudioEditorPosition is not registered."},
    {"AudioEditorChannels", "AudioEditorChannels is not registered."},
    {"AudioEditorMarkers", "AudioEditorMarkers is not registered."},
    {"AudioEditorRecorder", "AudioEditorRecorder is not registered."},
    {"VeskAudioInformation", "VeskAudioInformation is not registered."},
    {"VeskAudioPlayer", "VeskAudioPlayer is not registered."},
    {"VeskAudioRecord", "VeskAudioRecord is not registered."},
    {"VeskAudioFile", "VeskAudioFile is not registered."},
    {"AudioEditorLameMp3Encoder", "AudioEditorLameMp3Encoder is not registered."},
    {"VeskAudioTransform", "VeskAudioTransform is not registered."},
};

TEST(ControlStartup, CreatesItsPartsInOrder) {
    ClassRegistry registry;
    RegisterAudioEditorClasses(registry);
    std::vector<std::string> created;
    ClassRegistry recording = registry;
    for (const auto& [name, message] : kStartupClasses) {
        recording.Register(name, [&, name = std::string(name)](const IID& iid, void** object) {
            created.push_back(name);
            return registry.CreateInstance(name, iid, object);
        });
    }
    SilentMessageBox messages;
    ASSERT_TRUE(CreateAudioEditor({&recording, &messages}));
    std::vector<std::string> expected = {"AudioEditorScale", "AudioEditorScale"};
    for (size_t i = 1; i < std::size(kStartupClasses); ++i) {
        expected.push_back(kStartupClasses[i].first);
        if (expected.back() == "AudioEditorDevice") expected.push_back("AudioEditorDevice");
    }
    EXPECT_EQ(created, expected);
    EXPECT_EQ(messages.Count(), 0);  // a complete start-up shows nothing
}

TEST(ControlStartup, AMissingClassStopsCreationWithItsMessage) {
    for (const auto& [name, message] : kStartupClasses) {
        ClassRegistry registry;
        RegisterAudioEditorClasses(registry);
        registry.Unregister(name);
        SilentMessageBox messages;
        EXPECT_FALSE(CreateAudioEditor({&registry, &messages})) << name;
        EXPECT_EQ(messages.Count(), 1) << name;
        EXPECT_EQ(messages.LastText(), message);
        EXPECT_EQ(messages.LastCaption(), "VeskAudioEditor");
        EXPECT_EQ(messages.LastIcon(), MessageIcon::StopSign);
    }
}

TEST(ControlStartup, ProgIdsCreateTheControlAndReportAFailedStartUp) {
    ClassRegistry registry;
    RegisterAudioEditorClasses(registry);
    for (const char* progId : {"VeskAudioEditor.AudioEditor", "VeskAudioEditor.AudioEditor.1"}) {
        ComPtr<IAudioEditor> editor = registry.Create<IAudioEditor>(progId);
        EXPECT_TRUE(editor) << progId;
    }
    registry.Unregister("VeskAudioTransform");
    ComPtr<IDispatch> none;
    SilentMessageBox messages;
    EXPECT_EQ(registry.CreateInstance("VeskAudioEditor.AudioEditor", IDispatch::kIid, none.put_void()),
              REGDB_E_CLASSNOTREG);
    EXPECT_FALSE(none);
}

class LifecycleTest : public ControlFixture {};

TEST_F(LifecycleTest, NewMakesAHeaderOnlyWorkingFileAndFiresOneEndOperation) {
    control->New(44100, 2);
    EXPECT_EQ(events->Count(kEndOperation), 1);
    EXPECT_EQ(control->Doc().FormatString(), "PCM 44100 Hz; 16 bit; stereo");
    std::string path = TempDirectory();
    EXPECT_EQ(path.rfind(scratch.WithSlash() + "vsk", 0), 0u) << path;
    EXPECT_EQ(path.substr(path.size() - 4), ".tmp");
    EXPECT_EQ(std::filesystem::file_size(path), 58u);
    struct stat info {};
    ASSERT_EQ(stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);

    ComPtr<IAudioEditorPosition> position;
    control->get_Position(position.put());
    int32_t total = -1;
    position->get_TotalSamples(&total);
    EXPECT_EQ(total, 0);

    control->Close();
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_EQ(TempDirectory(), scratch.WithSlash());
    EXPECT_EQ(control->Doc().FormatString(), "");
    EXPECT_EQ(events->Count(kEndOperation), 1);  // Close fires nothing
}

TEST_F(LifecycleTest, NewWhileOpenDeletesTheOldDocumentsFiles) {
    control->New(8000, 1);
    std::string first = TempDirectory();
    PushState({1, 2, 3, 4}, 8000, 1);
    std::string second = TempDirectory();
    control->New(22050, 1);
    EXPECT_FALSE(std::filesystem::exists(first));
    EXPECT_FALSE(std::filesystem::exists(second));
    EXPECT_EQ(control->Doc().FormatString(), "PCM 22050 Hz; 16 bit; mono");
    EXPECT_EQ(control->History().Count(), 1);
}

TEST_F(LifecycleTest, NewRefusesFormatsNoWorkingFileCanHold) {
    control->New(44100, 2);
    std::string path = TempDirectory();
    control->New(44100, 3);
    EXPECT_EQ(ReadInt(&AudioEditor::get_LastErrorNum, *control), -20);
    EXPECT_EQ(TempDirectory(), path);  // the open document is untouched
    EXPECT_EQ(events->Count(kEndOperation), 1);
}

TEST_F(LifecycleTest, NewWhoseWorkingFileCannotBeMadeOpensNothing) {
    control->New(44100, 2);
    // The name service fails first, then the header write: neither leaves a document or a file.
    for (IoOp failing : {IoOp::Open, IoOp::Write}) {
        IoFaults::Arm(failing, 1);
        control->New(44100, 2);
        IoFaults::Disarm();
        EXPECT_FALSE(control->HasDocument());
        EXPECT_EQ(ReadInt(&AudioEditor::get_LastErrorNum, *control), 0);
        EXPECT_TRUE(test::WorkingFilesIn(scratch.path()).empty());
    }
    EXPECT_EQ(events->Count(kEndOperation), 1);
}

TEST_F(LifecycleTest, PropertiesClampAndFilter) {
    control->put_FileBufferSize(50);
    EXPECT_EQ(ReadInt(&AudioEditor::get_FileBufferSize, *control), 100);
    control->put_FileBufferSize(10000000);
    EXPECT_EQ(ReadInt(&AudioEditor::get_FileBufferSize, *control), 600000);
    control->put_UndoRedoCount(0);
    EXPECT_EQ(ReadInt(&AudioEditor::get_UndoRedoCount, *control), 1);
    control->put_UndoRedoCount(20000);
    EXPECT_EQ(ReadInt(&AudioEditor::get_UndoRedoCount, *control), 10000);

    Bstr wav("/data/clip.WAV"), tmp("/data/clip.tmp"), bare("/data/clip");
    control->put_TempFileName(wav.get());
    control->put_TempFileName(tmp.get());
    control->put_TempFileName(bare.get());
    Bstr clip;
    control->get_TempFileName(clip.put());
    EXPECT_EQ(clip.utf8(), "/data/clip.WAV");

    std::filesystem::create_directory(scratch.path() / "sub");
    Bstr withSlash(scratch.File("sub") + "/"), withoutSlash(scratch.File("sub")), missing("/no/such/dir/");
    control->put_TempDirectory(withSlash.get());
    EXPECT_EQ(TempDirectory(), scratch.File("sub") + "/");
    control->put_TempDirectory(withoutSlash.get());  // "sub" is taken as a file name
    EXPECT_EQ(TempDirectory(), scratch.WithSlash());
    std::string cwd = std::filesystem::current_path();
    control->put_TempDirectory(missing.get());
    EXPECT_EQ(TempDirectory(), scratch.WithSlash());
    EXPECT_EQ(std::filesystem::current_path(), cwd);  // the process's directory is restored
}

TEST_F(LifecycleTest, UndoAndRedoMoveThroughTheHistory) {
    VARIANT_BOOL undo = -1, redo = -1;
    control->Undo();  // no document: nothing
    control->New(44100, 2);
    control->get_UndoEnabled(&undo);
    control->get_RedoEnabled(&redo);
    EXPECT_EQ(undo, 0);
    EXPECT_EQ(redo, 0);
    std::string first = TempDirectory();

    PushState({1, 2, 3, 4});
    std::string second = TempDirectory();
    control->get_UndoEnabled(&undo);
    EXPECT_EQ(undo, 1);
    control->Undo();
    EXPECT_EQ(TempDirectory(), first);
    control->get_RedoEnabled(&redo);
    EXPECT_EQ(redo, 1);
    control->Redo();
    EXPECT_EQ(TempDirectory(), second);

    control->Undo();
    PushState({5, 6});  // a new edit after undo drops the undone state and its file
    EXPECT_FALSE(std::filesystem::exists(second));
    control->get_RedoEnabled(&redo);
    EXPECT_EQ(redo, 0);
}

TEST_F(LifecycleTest, UndoBringsBackTheStatesFormat) {
    control->New(22050, 1);
    PushState({1, 2, 3, 4}, 44100, 2);
    control->Redo();  // nothing newer
    control->Undo();
    EXPECT_EQ(control->Doc().Frequency(), 22050);
    EXPECT_EQ(control->Doc().Channels(), 1);
    ComPtr<IAudioEditorChannel> channels;
    control->get_Channels(channels.put());
    int16_t count = 0;
    channels->get_Count(&count);
    EXPECT_EQ(count, 1);
}

TEST_F(LifecycleTest, ShallowHistoryDropsTheOldestStatesFiles) {
    control->put_UndoRedoCount(1);
    control->New(44100, 2);
    std::string first = TempDirectory();
    PushState({1, 2});
    std::string second = TempDirectory();
    PushState({3, 4});
    PushState({5, 6});
    EXPECT_EQ(control->History().Count(), 2);
    EXPECT_FALSE(std::filesystem::exists(first));
    EXPECT_FALSE(std::filesystem::exists(second));
}

TEST_F(LifecycleTest, GetCurrentArrayReadsFromTheCursor) {
    SafeArrayPtr none;
    control->GetCurrentArray(10, none.put());
    EXPECT_EQ(none.get(), nullptr);  // no sound loaded

    control->New(44100, 2);
    PushState({10, -10, 20, -20, 30, -30, 40, -40});
    ComPtr<IAudioEditorPosition> position;
    control->get_Position(position.put());
    position->put_StartSelect(1);

    SafeArrayPtr two;
    control->GetCurrentArray(2, two.put());
    ASSERT_TRUE(two.get());
    EXPECT_EQ(std::vector<int16_t>(two.shorts().begin(), two.shorts().end()),
              (std::vector<int16_t>{20, -20, 30, -30}));

    SafeArrayPtr tail;
    control->GetCurrentArray(100, tail.put());  // the file ends first: only what was read
    ASSERT_TRUE(tail.get());
    EXPECT_EQ(tail.size(), 6u);
    int16_t status = -1;
    control->get_Status(&status);
    EXPECT_EQ(status, 0);
}

TEST_F(LifecycleTest, ReleasingTheControlDeletesEveryWorkingFile) {
    control->New(44100, 2);
    PushState({1, 2});
    PushState({3, 4});
    control->Undo();
    control.reset();
    EXPECT_TRUE(test::WorkingFilesIn(scratch.path()).empty());
}

}  // namespace
}  // namespace vesk
