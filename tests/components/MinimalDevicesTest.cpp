#include <gtest/gtest.h>

#include "components/ComponentErrors.h"
#include "components/minimal/MinimalAudioPlayer.h"
#include "components/minimal/MinimalAudioRecord.h"

namespace vesk {
namespace {

TEST(MinimalAudioPlayer, HasNoDeviceAndReportsOutDriverOnStart) {
    auto player = MakeCom<MinimalAudioPlayer>();
    int16_t count = -1;
    Bstr name("stale");
    player->GetPlayDeviceCount(&count);
    player->GetPlayDeviceName(name.put());
    EXPECT_EQ(count, 0);
    EXPECT_EQ(name.utf8(), "");

    int32_t error = 0;
    player->GetPlayerError(&error);
    EXPECT_EQ(error, component_error::kNone);
    player->StartPlayback();
    player->GetPlayerError(&error);
    EXPECT_EQ(error, component_error::kOutDriver);
}

TEST(MinimalAudioPlayer, StoresTransportSettingsAndVolume) {
    auto player = MakeCom<MinimalAudioPlayer>();
    player->SetPlayFormat(22050, 1);
    player->SetPlayChannels(2);
    player->SetPlayerTimerInterval(40);
    player->SetPlayerLevelHold(0);
    player->SetPlayVolume(1234);
    player->SetPlayDeviceNum(3);
    EXPECT_EQ(player->PlayFrequencyHz(), 22050);
    EXPECT_EQ(player->PlayChannelCount(), 1);
    EXPECT_EQ(player->PlayChannels(), 2);
    EXPECT_EQ(player->TimerIntervalMs(), 40);
    int32_t volume = 0;
    int16_t device = 0;
    player->GetPlayVolume(&volume);
    player->GetPlayDeviceNum(&device);
    EXPECT_EQ(volume, 1234);
    EXPECT_EQ(device, 3);
}

TEST(MinimalAudioPlayer, LatestPlayedSamplesAreEmpty) {
    auto player = MakeCom<MinimalAudioPlayer>();
    SafeArrayPtr block;
    ASSERT_EQ(player->GetCurrentPlayArray(4000, block.put()), S_OK);
    ASSERT_NE(block.get(), nullptr);
    EXPECT_EQ(block.size(), 0u);
}

// The line members are shared by both devices; each keeps its own values.
template <class Device>
void ExpectLinesStoreTheirSettings(Device& device) {
    device.SetLineVolume(500);
    device.SetLineBalance(-40);
    device.SetLineSelected(VARIANT_TRUE);
    device.SetLineAdvancedValue(2, Variant::I4(77));
    int32_t volume = 0;
    int16_t balance = 0, advancedCount = -1;
    VARIANT_BOOL selected = VARIANT_FALSE;
    Variant advanced, unset;
    device.GetLineVolume(&volume);
    device.GetLineBalance(&balance);
    device.GetLineSelected(&selected);
    device.GetLineAdvancedCount(&advancedCount);
    device.GetLineAdvancedValue(2, &advanced);
    device.GetLineAdvancedValue(3, &unset);
    EXPECT_EQ(volume, 500);
    EXPECT_EQ(balance, -40);
    EXPECT_EQ(selected, VARIANT_TRUE);
    EXPECT_EQ(advancedCount, 0);
    EXPECT_EQ(advanced.ToInt(), 77);
    EXPECT_EQ(unset.vt, VT_EMPTY);
}

TEST(MinimalDeviceLines, PlayerAndRecorderStoreLineSettings) {
    auto player = MakeCom<MinimalAudioPlayer>();
    auto recorder = MakeCom<MinimalAudioRecord>();
    ExpectLinesStoreTheirSettings<IVeskAudioPlayer>(*player);
    ExpectLinesStoreTheirSettings<IVeskAudioRecord>(*recorder);

    player->SelectOutputLine(1);
    recorder->SelectInputLine(4);
    int16_t playerLine = 0, recorderLine = 0, lines = -1;
    player->GetOutputLineNum(&playerLine);
    recorder->GetInputLineNum(&recorderLine);
    recorder->GetInputLineCount(&lines);
    EXPECT_EQ(playerLine, 1);
    EXPECT_EQ(recorderLine, 4);
    EXPECT_EQ(lines, 0);
}

TEST(MinimalAudioRecord, HasNoDeviceAndReportsInpDriverOnStart) {
    auto recorder = MakeCom<MinimalAudioRecord>();
    int16_t count = -1;
    recorder->GetRecordDeviceCount(&count);
    EXPECT_EQ(count, 0);
    recorder->StartRecording();
    int32_t error = 0;
    recorder->GetRecorderError(&error);
    EXPECT_EQ(error, component_error::kInpDriver);

    SafeArrayPtr block;
    ASSERT_EQ(recorder->GetRecordedBlock(block.put()), S_OK);
    EXPECT_EQ(block.size(), 0u);
}

TEST(MinimalAudioRecord, StoresFormatFiltersAndTimer) {
    auto recorder = MakeCom<MinimalAudioRecord>();
    recorder->SetRecordFormat(8000, 1);
    recorder->SetRecordBlockFrames(4000);
    recorder->SetRecorderTimerInterval(100);
    recorder->SetHighPassFilterEnabled(VARIANT_TRUE);
    recorder->SetNotchFilterFrequency(60.0f);
    EXPECT_EQ(recorder->RecordFrequencyHz(), 8000);
    EXPECT_EQ(recorder->RecordChannelCount(), 1);
    EXPECT_EQ(recorder->BlockFrames(), 4000);
    EXPECT_EQ(recorder->TimerIntervalMs(), 100);
    VARIANT_BOOL highPass = 0, lowPass = -1;
    float notch = 0;
    recorder->GetHighPassFilterEnabled(&highPass);
    recorder->GetLowPassFilterEnabled(&lowPass);
    recorder->GetNotchFilterFrequency(&notch);
    EXPECT_EQ(highPass, VARIANT_TRUE);
    EXPECT_EQ(lowPass, VARIANT_FALSE);
    EXPECT_FLOAT_EQ(notch, 60.0f);
}

TEST(MinimalAudioRecord, FramesToMillisecondsUsesTheRecordRate) {
    auto recorder = MakeCom<MinimalAudioRecord>();
    recorder->SetRecordFormat(8000, 2);
    int32_t ms = 0;
    recorder->FramesToMilliseconds(4000, &ms);
    EXPECT_EQ(ms, 500);
    recorder->SetRecordFormat(96000, 2);
    recorder->FramesToMilliseconds(2000000000, &ms);  // would overflow in 32 bits
    EXPECT_EQ(ms, 20833333);
    recorder->SetRecordFormat(0, 2);
    recorder->FramesToMilliseconds(100, &ms);
    EXPECT_EQ(ms, 0);
}

}  // namespace
}  // namespace vesk
