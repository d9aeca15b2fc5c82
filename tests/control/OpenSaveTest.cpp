// Open and Save through the components: the decoding loop and its overview, the length check,
// cancelling, errors, the saved range and the markers written with it, and the routing by
// extension.
#include <fstream>

#include "ControlTestSupport.h"
#include "FakeFileComponent.h"
#include "components/ComponentNames.h"
#include "components/VeskAudioInformation.h"

namespace vesk {
namespace {

class OpenSaveTest : public testing::Test {
protected:
    void SetUp() override {
        RegisterAudioEditorClasses(registry);
        registry.Register(std::string(kVeskAudioFileName), [this](const IID& iid, void** object) {
            return fake->QueryInterface(iid, object);
        });
        info = registry.Create<IVeskAudioInformation>(kVeskAudioInformationName);
        registry.Register(std::string(kVeskAudioInformationName), [this](const IID& iid, void** object) {
            return info->QueryInterface(iid, object);
        });
        registry.Unregister(std::string(kWmaCodecName));
        registry.Unregister(std::string(kCdReaderName));
        control = CreateAudioEditor(ControlServices{&registry, &messages});
        ASSERT_TRUE(control);
        AdviseSink(static_cast<IAudioEditor*>(control.get()), IID_IAudioEditorEvents,
                   static_cast<IDispatch*>(events.get()));
        Bstr dir(scratch.WithSlash());
        control->put_TempDirectory(dir.get());
        control->InPlaceActivate(&site);
        control->Paint(*site.Window(), ClientRect{0, 0, 800, 300});
    }
    void TearDown() override {
        control->InPlaceDeactivate();
        control.reset();
    }

    void Open(const std::string& name) {
        Bstr path(name);
        control->Open(path.get(), 0);
    }
    void Save(const std::string& name, bool selected) {
        Bstr path(name);
        control->Save(path.get(), selected ? VARIANT_TRUE : VARIANT_FALSE, 0);
    }
    // Programs the fake to deliver `frames` stereo frames (a ramp) in one-second blocks.
    void Deliver(int32_t frames, int32_t announced) {
        fake->announcedFrames = announced;
        fake->blocks.clear();
        for (int32_t done = 0; done < frames;) {
            int32_t n = std::min(frames - done, 44100);
            std::vector<int16_t> block(2 * n);
            for (int32_t i = 0; i < 2 * n; ++i) block[i] = static_cast<int16_t>((done * 2 + i) % 30000);
            fake->blocks.push_back(std::move(block));
            done += n;
        }
    }
    int32_t TotalSamples() {
        ComPtr<IAudioEditorPosition> position;
        control->get_Position(position.put());
        int32_t total = -1;
        position->get_TotalSamples(&total);
        return total;
    }

    test::ScratchDir scratch;
    ClassRegistry registry;
    SilentMessageBox messages;
    ComPtr<test::FakeFileComponent> fake = MakeCom<test::FakeFileComponent>();
    ComPtr<IVeskAudioInformation> info;
    ComPtr<AudioEditor> control;
    ComPtr<test::EventRecorder> events = MakeCom<test::EventRecorder>();
    HeadlessSite site{800, 300};
};

TEST_F(OpenSaveTest, ARefusedFileGivesOneErrorThenEndOperationAndNoDocument) {
    fake->error = -12;
    Open(scratch.File("text.mp3"));
    ASSERT_EQ(events->events.size(), 2u);
    EXPECT_EQ(events->events[0].id, kError);
    EXPECT_EQ(events->events[0].args[0].lVal, -12);
    EXPECT_EQ(events->events[1].id, kEndOperation);
    EXPECT_FALSE(control->HasDocument());
    EXPECT_EQ(TotalSamples(), 0);
    EXPECT_TRUE(test::WorkingFilesIn(scratch.path()).empty());
}

TEST_F(OpenSaveTest, DecodedBlocksBecomeTheOnlyState) {
    Deliver(100000, 100000);
    Open(scratch.File("song.wav"));
    ASSERT_TRUE(control->HasDocument());
    EXPECT_EQ(TotalSamples(), 100000);
    EXPECT_EQ(control->History().Count(), 1);
    EXPECT_EQ(control->Doc().FormatString(), "Fake decoder");
    EXPECT_TRUE(control->Doc().IsIdle());
    EXPECT_EQ(events->Count(kEndOperation), 1);
    EXPECT_EQ(events->Count(kBlockOperation), 4);  // three blocks and the closing 100
    int16_t lastPercent = -1;
    for (const auto& event : events->events) {
        if (event.id == kBlockOperation) lastPercent = event.args.at(0).iVal;
    }
    EXPECT_EQ(lastPercent, 100);
    SafeArrayPtr start;
    control->GetCurrentArray(2, start.put());
    EXPECT_EQ(std::vector<int16_t>(start.shorts().begin(), start.shorts().end()),
              (std::vector<int16_t>{0, 1, 2, 3}));
}

TEST_F(OpenSaveTest, TheOverviewIsFilledWhileDecodingFromTwoUnitsOn) {
    // 2,999,999 mono samples: one unit, no overview.
    fake->channels = 1;
    fake->announcedFrames = 2999999;
    fake->blocks.assign(1, std::vector<int16_t>(2999999, 7));
    Open(scratch.File("a.wav"));
    EXPECT_FALSE(control->View().Data().Document().ready);

    fake->announcedFrames = 3000001;
    fake->blocks.assign(1, std::vector<int16_t>(3000001, 7));
    Open(scratch.File("b.wav"));
    const Overview& overview = control->View().Data().Document();
    ASSERT_TRUE(overview.ready);
    EXPECT_EQ(overview.length, 2 * control->View().Geometry().Area().width);
    EXPECT_EQ(overview.max[0][0], 7);
    EXPECT_TRUE(overview.min[1].empty());  // mono
}

TEST_F(OpenSaveTest, ALengthFarFromTheAnnouncedOneRebuildsTheOverview) {
    // Stereo, 3.2 M samples announced: an overview is made while decoding. 2 % more data than
    // announced rebuilds it after the open (one more EndOperation); 0.5 % more does not.
    const int32_t announced = 1600000;
    Deliver(announced * 102 / 100, announced);
    Open(scratch.File("long.wav"));
    EXPECT_EQ(events->Count(kEndOperation), 2);
    events->events.clear();
    Deliver(announced * 1005 / 1000, announced);
    Open(scratch.File("long.wav"));
    EXPECT_EQ(events->Count(kEndOperation), 1);
}

class Canceller : public test::EventRecorder {
public:
    AudioEditor* control = nullptr;
    int cancelAfter = 1;
    HRESULT Invoke(DISPID id, const IID& iid, LCID lcid, uint16_t flags, DISPPARAMS* params, VARIANT* result,
                   EXCEPINFO* info, uint32_t* error) override {
        if (id == kBlockOperation && --cancelAfter == 0) control->Stop();
        return EventRecorder::Invoke(id, iid, lcid, flags, params, result, info, error);
    }
};

TEST_F(OpenSaveTest, CancellingAnOpenKeepsWhatWasDecoded) {
    auto canceller = MakeCom<Canceller>();
    canceller->control = control.get();
    AdviseSink(static_cast<IAudioEditor*>(control.get()), IID_IAudioEditorEvents,
               static_cast<IDispatch*>(canceller.get()));
    Deliver(44100 * 3, 44100 * 3);
    Open(scratch.File("song.wav"));
    ASSERT_TRUE(control->HasDocument());
    EXPECT_EQ(TotalSamples(), 44100);  // the first block only
    EXPECT_TRUE(control->Doc().IsIdle());
}

TEST_F(OpenSaveTest, CancellingASaveStopsWritingButKeepsTheDocument) {
    Deliver(44100 * 3, 44100 * 3);
    Open(scratch.File("song.wav"));
    auto canceller = MakeCom<Canceller>();
    canceller->control = control.get();
    AdviseSink(static_cast<IAudioEditor*>(control.get()), IID_IAudioEditorEvents,
               static_cast<IDispatch*>(canceller.get()));
    Save(scratch.File("out.wav"), false);
    // The status is tested after each block is handed over, so the block after the first
    // progress event still goes out; the third does not.
    EXPECT_EQ(fake->written.size(), 2u * 2 * 44100);
    EXPECT_EQ(fake->calls.back(), "CloseFile");
    EXPECT_EQ(TotalSamples(), 44100 * 3);
    EXPECT_TRUE(control->Doc().IsIdle());
}

TEST_F(OpenSaveTest, OpeningAgainDeletesTheOldWorkingFiles) {
    Deliver(1000, 1000);
    Open(scratch.File("one.wav"));
    Bstr first;
    control->get_TempDirectory(first.put());
    Open(scratch.File("two.wav"));
    EXPECT_FALSE(std::filesystem::exists(first.utf8()));
    EXPECT_EQ(test::WorkingFilesIn(scratch.path()).size(), 1u);
}

TEST_F(OpenSaveTest, SaveWritesTheWholeSoundOrExactlyTheSelection) {
    Deliver(5000, 5000);
    Open(scratch.File("in.wav"));
    Save(scratch.File("out.wav"), false);
    EXPECT_EQ(fake->written.size(), 10000u);
    EXPECT_EQ(fake->calls.back(), "CloseFile");

    ComPtr<IAudioEditorPosition> position;
    control->get_Position(position.put());
    position->put_Selected(VARIANT_TRUE);
    position->put_StartSelect(1200);
    position->put_EndSelect(2200);
    fake->written.clear();
    Save(scratch.File("part.wav"), true);
    ASSERT_EQ(fake->written.size(), 2000u);  // 1000 stereo frames
    EXPECT_EQ(fake->written[0], 2400);       // starting at frame 1200 of the ramp
    EXPECT_EQ(control->History().Count(), 1);  // the document is untouched
}

TEST_F(OpenSaveTest, SaveErrorsFireAndCdNamesWriteNothing) {
    Deliver(1000, 1000);
    Open(scratch.File("in.wav"));
    events->events.clear();
    fake->encodeError = -18;
    Save(scratch.File("nowhere/out.wav"), false);
    ASSERT_EQ(events->Count(kError), 1);
    EXPECT_EQ(events->events[0].args[0].lVal, -18);
    EXPECT_TRUE(fake->written.empty());

    events->events.clear();
    fake->calls.clear();
    Save(scratch.File("Track01.CDA"), false);
    EXPECT_TRUE(fake->calls.empty());
    EXPECT_EQ(events->Count(kError), 0);
    EXPECT_EQ(events->Count(kEndOperation), 1);
}

// A full disk shows up as a failed write or a failed close: the error reaches the host, the file
// the user had stays as it was, and nothing half-written is left beside it.
TEST_F(OpenSaveTest, AFailedWriteOrCloseLeavesTheTargetAsItWas) {
    Deliver(44100 * 3, 44100 * 3);
    Open(scratch.File("in.wav"));
    const std::string target = scratch.File("out.wav");
    for (const bool failClose : {false, true}) {
        SCOPED_TRACE(failClose ? "close" : "write");
        std::ofstream(target) << "the user's file";
        fake->writeError = failClose ? 0 : -18;
        fake->writesBeforeError = 1;
        fake->closeError = failClose ? -18 : 0;
        info->AddMarkerInfo(1, 0, nullptr, nullptr, nullptr, 0, 0, 0, 0);
        events->events.clear();
        Save(target, false);
        ASSERT_EQ(events->Count(kError), 1);
        EXPECT_EQ(events->FirstArg(kError), -18);
        EXPECT_EQ(events->Count(kEndOperation), 1);
        std::ifstream in(target);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "the user's file");
        for (const auto& entry : std::filesystem::directory_iterator(scratch.path())) {
            const std::string name = entry.path().filename().string();
            EXPECT_TRUE(name == "out.wav" || test::WorkingFilesIn(scratch.path()).count(name)) << name;
        }
        int32_t held = 0;
        info->GetMarkerInfoCount(&held);
        EXPECT_EQ(held, 1) << "no markers were written for a file that failed";
        info->RemoveMarkerInfo();
    }
}

TEST_F(OpenSaveTest, MarkersOfTheSavedRangeAreMovedAndCut) {
    Deliver(5000, 5000);
    Open(scratch.File("in.wav"));
    ComPtr<IAudioEditorMarkers> markers;
    control->get_Markers(markers.put());
    Bstr before("before"), inside("inside"), after("after");
    markers->Insert(990, 30, before.get(), nullptr, nullptr, 0, 0, 0, 0);   // starts 10 frames early
    markers->Insert(1500, 0, inside.get(), nullptr, nullptr, 7, 0, 0, 0);
    markers->Insert(1990, 50, after.get(), nullptr, nullptr, 0, 0, 0, 0);  // reaches past the end
    ComPtr<IAudioEditorPosition> position;
    control->get_Position(position.put());
    position->put_Selected(VARIANT_TRUE);
    position->put_StartSelect(1000);
    position->put_EndSelect(2000);
    fake->outputFrequency = 22050;  // half the rate: positions and lengths halve
    Save(scratch.File("part.wav"), true);

    int32_t count = 0;
    info->GetMarkerInfoCount(&count);
    ASSERT_EQ(count, 3);
    auto read = [&](int32_t n) {
        info->SelectMarkerInfo(n);
        int32_t p = -1, l = -1;
        info->GetMarkerPosition(&p);
        info->GetMarkerLength(&l);
        return std::pair(p, l);
    };
    EXPECT_EQ(read(1), std::pair(0, 15));
    EXPECT_EQ(read(2), std::pair(250, 0));
    EXPECT_EQ(read(3), std::pair(495, 5));

    ComPtr<IAudioEditorFileInfo> fileInfo;
    control->get_FileInfo(fileInfo.put());
    fileInfo->put_SaveExtraInfoEnabled(0);
    info->RemoveMarkerInfo();
    Save(scratch.File("plain.wav"), true);
    info->GetMarkerInfoCount(&count);
    EXPECT_EQ(count, 2);  // untouched: nothing was written this time
}

TEST_F(OpenSaveTest, WmaAndCdNamesNeedTheirComponents) {
    events->events.clear();
    Open(scratch.File("music.WMA"));  // no WMA codec registered: nothing happens, no error
    Open(scratch.File("cdrom/Track05.cda"));
    EXPECT_FALSE(control->HasDocument());
    EXPECT_EQ(events->Count(kError), 0);
    for (const std::string& call : fake->calls) EXPECT_EQ(call.find("OpenForDecoding"), std::string::npos) << call;
}

TEST_F(OpenSaveTest, FormatSettingsComeFromTheComponent) {
    control->SetFormatPCM(44100, 2, 16);
    EXPECT_EQ(control->Doc().FormatString(), "PCM 44100 2 16");
    control->SetFormatFromMenu();
    EXPECT_EQ(control->Doc().FormatString(), "PCM 44100 2 16");
    control->SetFormatWMA(3);  // no codec: nothing changes
    EXPECT_EQ(control->Doc().FormatString(), "PCM 44100 2 16");
}

}  // namespace
}  // namespace vesk
