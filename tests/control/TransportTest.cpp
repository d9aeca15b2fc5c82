// Playback and recording through the control with a player and a recorder that do what a test
// says: the ranges of the three play types, the blocks read from the working file, the position
// and the events, pausing, looping, the channel choice, recording over or into the sound at the
// cursor, the voice gate, the automatic gain, and devices that fail.
#include <fstream>

#include "ControlTestSupport.h"
#include "FakeTransportComponents.h"
#include "components/ComponentNames.h"
#include "platform/window/WindowMessages.h"

namespace vesk {
namespace {

constexpr int32_t kRate = 8000;
constexpr int32_t kFrames = 2 * kRate;  // two seconds of stereo
constexpr int32_t kBlockFrames = 800;   // BufferSize 100 ms

std::vector<int16_t> Ramp(int32_t frames) {
    std::vector<int16_t> samples(static_cast<size_t>(frames) * 2);
    for (size_t i = 0; i < samples.size(); ++i) samples[i] = static_cast<int16_t>(i % 30000);
    return samples;
}

std::vector<int16_t> Frames(const std::vector<int16_t>& samples, int32_t from, int32_t to) {
    return {samples.begin() + 2 * from, samples.begin() + 2 * to};
}

class TransportTest : public test::ControlFixture {
protected:
    void RegisterFakes() override {
        registry.Register(std::string(kVeskAudioPlayerName),
                          [this](const IID& iid, void** object) { return player->QueryInterface(iid, object); });
        registry.Register(std::string(kVeskAudioRecordName),
                          [this](const IID& iid, void** object) { return recorder->QueryInterface(iid, object); });
    }
    void SetUp() override {
        ControlFixture::SetUp();
        control->New(kRate, 2);
        PushState(sound, kRate, 2);
        control->Refresh();
        Device(&IAudioEditor::get_DeviceOutput)->put_BufferSize(100);
        Device(&IAudioEditor::get_DeviceInput)->put_BufferSize(1000);
    }

    ComPtr<IAudioEditorDevice> Device(HRESULT (IAudioEditor::*get)(IAudioEditorDevice**)) {
        ComPtr<IAudioEditorDevice> device;
        (control.get()->*get)(device.put());
        return device;
    }
    ComPtr<IAudioEditorPosition> Position() {
        ComPtr<IAudioEditorPosition> position;
        control->get_Position(position.put());
        return position;
    }
    ComPtr<IAudioEditorRecorder> RecorderSettings() {
        ComPtr<IAudioEditorRecorder> settings;
        control->get_Recorder(settings.put());
        return settings;
    }
    void Select(int32_t from, int32_t to) {
        auto position = Position();
        position->put_Selected(from != to ? VARIANT_TRUE : VARIANT_FALSE);
        position->put_StartSelect(from);
        position->put_EndSelect(to);
    }
    int16_t Status() {
        int16_t status = -1;
        control->get_Status(&status);
        return status;
    }
    // Every queued block sounds, one notification each, until the player is given no more.
    void PlayOut() {
        for (size_t done = 0; done < player->queued.size() && Status() == 1; ++done) {
            player->events.Fire(player_event::kBlockDone);
        }
    }
    std::vector<int16_t> Working() {
        WaveFile file;
        EXPECT_TRUE(file.Open(control->History().Current()->filePath, WaveMode::Read));
        std::vector<int16_t> samples(file.DataSize() / 2);
        if (!samples.empty()) file.Read(samples.data(), file.DataSize());
        file.Close();
        return samples;
    }

    ComPtr<test::FakePlayer> player = MakeCom<test::FakePlayer>();
    ComPtr<test::FakeRecorder> recorder = MakeCom<test::FakeRecorder>();
    std::vector<int16_t> sound = Ramp(kFrames);
};

TEST_F(TransportTest, EachPlayTypePlaysItsRangeOfTheWorkingFile) {
    Select(2000, 6000);
    control->Play(1);  // NORMALPLAY: the selection
    EXPECT_EQ(Status(), 1);
    EXPECT_EQ(player->queued.size(), 4u);  // BufferCount blocks at once
    PlayOut();
    EXPECT_EQ(player->Played(), Frames(sound, 2000, 6000));
    EXPECT_EQ(player->queued.front().size(), 2u * kBlockFrames);

    control->Stop();
    player->queued.clear();
    control->Play(2);  // PLAYTOEND: from the cursor to the end of the sound
    PlayOut();
    EXPECT_EQ(player->Played(), Frames(sound, 2000, kFrames));

    control->Stop();
    player->queued.clear();
    Select(3000, 3000);
    control->Play(1);  // NORMALPLAY without a selection: to the end of the view
    PlayOut();
    EXPECT_EQ(player->Played(), Frames(sound, 3000, kFrames));
}

TEST_F(TransportTest, PositionNotificationsMoveThePlayPositionAndFireMeterAndChangePlayPosition) {
    Select(2000, 6000);
    control->Play(1);
    events->events.clear();
    player->events.Fire(player_event::kPosition, {800, 45, 60});
    int32_t position = 0;
    Position()->get_CurrentPosition(&position);
    EXPECT_EQ(position, 2800);
    ASSERT_EQ(events->Count(kMeter), 1);
    EXPECT_EQ(events->events.back().id, kMeter);
    EXPECT_EQ(events->Count(kChangePlayPosition), 1);

    // Past the end of a NORMALPLAY range: the control stops, with EndPlay and Meter(0, 0).
    events->events.clear();
    player->events.Fire(player_event::kPosition, {4001, 0, 0});
    EXPECT_EQ(Status(), 0);
    EXPECT_EQ(events->Count(kEndPlay), 1);
    EXPECT_EQ(events->Count(kMeter), 1);
    EXPECT_EQ(events->FirstArg(kMeter), 0);
}

TEST_F(TransportTest, ALoopedRangeStartsOverWithEndPlayAtEachTurn) {
    Select(0, 1000);
    control->Play(3);
    for (int i = 0; i < 6; ++i) player->events.Fire(player_event::kBlockDone);
    // The range over and over: a block to its end, then from its start again.
    const std::vector<int16_t> range = Frames(sound, 0, 1000);
    const std::vector<int16_t> played = player->Played();
    ASSERT_GT(played.size(), 3 * range.size());
    for (size_t i = 0; i < played.size(); ++i) ASSERT_EQ(played[i], range[i % range.size()]) << i;

    // When the position passes the end, playback starts over at the cursor: EndPlay each turn.
    events->events.clear();
    player->queued.clear();
    player->events.Fire(player_event::kPosition, {1001, 0, 0});
    EXPECT_EQ(Status(), 1);
    EXPECT_EQ(events->Count(kEndPlay), 1);
    EXPECT_EQ(player->queued.front(), Frames(sound, 0, kBlockFrames));
    player->events.Fire(player_event::kPlaybackEnded);  // the queue ran dry: again
    EXPECT_EQ(Status(), 1);
    EXPECT_EQ(events->Count(kEndPlay), 2);
}

TEST_F(TransportTest, PauseAndContinueResumeWhereThePositionWas) {
    Select(0, 0);
    control->Play(2);
    player->events.Fire(player_event::kPosition, {1600, 0, 0});
    control->Pause();
    EXPECT_EQ(Status(), 5);
    EXPECT_EQ(player->calls.back(), "StopPlayback");
    player->queued.clear();
    control->Continue();
    EXPECT_EQ(Status(), 1);
    ASSERT_EQ(player->queued.size(), 3u);  // three blocks after Continue
    EXPECT_EQ(player->queued.front(), Frames(sound, 1600, 1600 + kBlockFrames));
    control->Pause();
    control->Pause();  // not playing: nothing
    EXPECT_EQ(Status(), 5);
    control->Stop();
    EXPECT_EQ(Status(), 0);
    control->Continue();  // not paused: nothing
    EXPECT_EQ(Status(), 0);
}

TEST_F(TransportTest, TheChannelsInOperationChooseWhatSounds) {
    ComPtr<IAudioEditorChannel> channels;
    control->get_Channels(channels.put());
    channels->put_Num(1);
    channels->put_Operation(0);
    control->Play(2);
    EXPECT_NE(std::find(player->calls.begin(), player->calls.end(), "SetPlayChannels 2"), player->calls.end());
    control->Stop();
    channels->put_Operation(1);
    player->calls.clear();
    control->Play(2);
    EXPECT_NE(std::find(player->calls.begin(), player->calls.end(), "SetPlayChannels 3"), player->calls.end());
}

TEST_F(TransportTest, DevicesThatFailLeaveEverythingAsItWas) {
    const int32_t states = control->History().Count();
    player->error = -14;
    events->events.clear();
    control->Play(2);
    EXPECT_EQ(Status(), 0);
    EXPECT_TRUE(player->queued.empty());
    EXPECT_EQ(events->FirstArg(kError), -14);

    recorder->error = -15;
    events->events.clear();
    control->Record(1);
    EXPECT_EQ(Status(), 0);
    EXPECT_EQ(events->FirstArg(kError), -15);
    EXPECT_EQ(control->History().Count(), states);
    EXPECT_EQ(Working(), sound);

    // Stop while idle asks every component to stop and fires nothing.
    events->events.clear();
    player->calls.clear();
    recorder->calls.clear();
    control->Stop();
    EXPECT_EQ(player->calls, std::vector<std::string>{"StopPlayback"});
    EXPECT_EQ(recorder->calls, std::vector<std::string>{"StopRecording"});
    EXPECT_TRUE(events->events.empty());
}

TEST_F(TransportTest, RecordingOverwritesFromTheCursorAndIsOneUndoableStep) {
    const std::string before = control->History().Current()->filePath;
    Select(12000, 12000);
    control->Record(1);  // RECORD_CLEAR
    ASSERT_EQ(Status(), 2);
    EXPECT_EQ(recorder->blockFrames, kRate);  // DeviceInput.BufferSize 1000 ms
    const std::vector<int16_t> captured(2 * kRate, 1234);
    recorder->Capture(captured);  // one second from frame 12000: past the end of the sound
    control->Stop();
    EXPECT_EQ(Status(), 0);
    std::vector<int16_t> expected = Frames(sound, 0, 12000);
    expected.insert(expected.end(), captured.begin(), captured.end());
    EXPECT_EQ(Working(), expected);
    VARIANT_BOOL selected = -1;
    Position()->get_Selected(&selected);
    EXPECT_EQ(selected, 0);
    int32_t total = 0;
    Position()->get_TotalSamples(&total);
    EXPECT_EQ(total, 20000);

    control->Undo();
    EXPECT_EQ(control->History().Current()->filePath, before);
    EXPECT_EQ(Working(), sound);
}

TEST_F(TransportTest, MixingAddsToTheSoundWithSaturation) {
    Select(0, 0);
    control->Record(2);  // RECORD_MIX
    std::vector<int16_t> captured(2 * kRate, 30000);
    recorder->Capture(captured);
    control->Stop();
    const std::vector<int16_t> mixed = Working();
    ASSERT_EQ(mixed.size(), sound.size());
    for (size_t i = 0; i < captured.size(); ++i) {
        ASSERT_EQ(mixed[i], std::clamp(sound[i] + 30000, -32768, 32767)) << i;
    }
    EXPECT_EQ(Frames(mixed, kRate, kFrames), Frames(sound, kRate, kFrames));
}

TEST_F(TransportTest, TheVoiceGateOpensOnlyAfterTheAttackTime) {
    auto settings = RecorderSettings();
    settings->put_AccuEnabled(VARIANT_TRUE);
    settings->put_AccuAttackTime(100);  // two notifications of 50 ms
    settings->put_AccuAttackLevel(-40);
    Select(0, 0);
    control->Record(1);
    recorder->events.Fire(record_event::kPosition, {400, 60, 60});  // loud, once
    recorder->Capture(std::vector<int16_t>(2 * kRate, 7));
    EXPECT_EQ(Working(), sound);  // the gate is still closed: dropped
    recorder->events.Fire(record_event::kPosition, {800, 60, 60});  // loud, twice: open
    recorder->Capture(std::vector<int16_t>(2 * kRate, 7));
    control->Stop();
    EXPECT_EQ(Frames(Working(), 0, kRate), std::vector<int16_t>(2 * kRate, 7));
}

TEST_F(TransportTest, TheAutomaticGainStepsTheSelectedLineAndReportsIt) {
    auto settings = RecorderSettings();
    settings->put_AGCEnabled(VARIANT_TRUE);
    settings->put_AGCRate(10);
    control->Record(1);
    events->events.clear();
    recorder->events.Fire(record_event::kPosition, {400, 88, 88});  // above -10 dB
    EXPECT_EQ(recorder->lineVolume, 27000);
    EXPECT_EQ(events->FirstArg(kGainChange), 27000);
    recorder->events.Fire(record_event::kPosition, {800, 20, 20});  // below -30 dB
    EXPECT_EQ(recorder->lineVolume, 29700);
    recorder->lineSelected = 0;
    recorder->events.Fire(record_event::kPosition, {1200, 88, 88});
    EXPECT_EQ(recorder->lineVolume, 29700);  // a line that is not a source is left alone
    control->Stop();
}

TEST_F(TransportTest, RecordingIntoAnOpenedFileLeavesTheFileAsItWas) {
    const std::string file = scratch.File("take.wav");
    ASSERT_TRUE(std::filesystem::copy_file(control->History().Current()->filePath, file));
    auto bytes = [&] {
        std::ifstream in(file, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    const std::string original = bytes();
    Bstr name(file);
    control->Open(name.get(), 0);
    ASSERT_TRUE(control->HasDocument());
    control->Record(1);
    recorder->Capture(std::vector<int16_t>(2 * kRate, -5));
    control->Stop();
    EXPECT_EQ(bytes(), original);
}

TEST_F(TransportTest, APressInTheWaveformWhilePlayingPlaysOnFromThere) {
    HeadlessSite site(800, 300);
    control->InPlaceActivate(&site);
    control->Paint(*site.Window(), ClientRect{0, 0, 800, 300});
    Select(0, 0);
    control->Play(2);
    player->queued.clear();
    intptr_t result = -1;
    bool passOn = false;
    // Column 373 of the 746 of an 800-pixel window: the middle of the sound.
    control->WindowMessage(WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(2 + 373, 140), &result, &passOn);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(Status(), 1);
    ASSERT_FALSE(player->queued.empty());
    EXPECT_EQ(player->queued.front(), Frames(sound, kFrames / 2, kFrames / 2 + kBlockFrames));
    control->InPlaceDeactivate();
}

TEST_F(TransportTest, RecordVisualizationTypeIsOneOrTwo) {
    int16_t type = 0;
    control->get_RecordVisualizationType(&type);
    EXPECT_EQ(type, 2);
    control->put_RecordVisualizationType(0);
    control->get_RecordVisualizationType(&type);
    EXPECT_EQ(type, 1);
    control->put_RecordVisualizationType(7);
    control->get_RecordVisualizationType(&type);
    EXPECT_EQ(type, 2);
}

}  // namespace
}  // namespace vesk
