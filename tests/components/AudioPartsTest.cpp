// The device-independent parts of the audio components: levels, gains, line arithmetic, the
// play queue and the choice of an ALSA mixer.
#include <gtest/gtest.h>

#include <numeric>
#include <vector>

#include "components/alsa/AlsaCards.h"
#include "components/audio/ChannelGain.h"
#include "components/audio/PlayQueue.h"
#include "components/audio/SoundLevel.h"
#include "components/audio/VolumeBalance.h"

namespace vesk {
namespace {

TEST(SoundLevel, IsTheTruncatedDecibelsOfThePeakAndZeroUpToOneStep) {
    EXPECT_EQ(LevelOfPeak(32768), 90);
    EXPECT_EQ(LevelOfPeak(32767), 90);
    EXPECT_EQ(LevelOfPeak(1000), 60);
    EXPECT_EQ(LevelOfPeak(999), 59);
    EXPECT_EQ(LevelOfPeak(2), 6);
    EXPECT_EQ(LevelOfPeak(1), 0);
    EXPECT_EQ(LevelOfPeak(0), 0);

    PeakMeter meter;
    meter.Measure(std::vector<int16_t>{-32768, 5, 100, -1000}, 2);
    meter.Measure(std::vector<int16_t>{3, 9}, 2);
    EXPECT_EQ(meter.TakeLevels(), (ChannelLevels{90, 60}));
    EXPECT_EQ(meter.TakeLevels(), (ChannelLevels{0, 0}));  // each interval starts from silence
    meter.Measure(std::vector<int16_t>{-1000}, 1);
    EXPECT_EQ(meter.TakeLevels(), (ChannelLevels{60, 60}));
}

TEST(LevelHold, KeepsThePeakForTheHoldTimeOrFollowsEachIntervalWithoutOne) {
    using std::chrono::milliseconds;
    const LevelHold::Clock::time_point t0{};
    LevelHold hold;
    EXPECT_EQ(hold.Apply({80, 70}, t0), (ChannelLevels{80, 70}));
    EXPECT_EQ(hold.Apply({10, 20}, t0 + milliseconds(50)), (ChannelLevels{10, 20}));

    hold.SetHoldMs(200);
    hold.Apply({80, 70}, t0);
    EXPECT_EQ(hold.Apply({10, 75}, t0 + milliseconds(100)), (ChannelLevels{80, 75}));
    EXPECT_EQ(hold.Apply({10, 20}, t0 + milliseconds(200)), (ChannelLevels{10, 75}));
    EXPECT_EQ(hold.Apply({5, 20}, t0 + milliseconds(300)), (ChannelLevels{10, 20}));
}

TEST(ChannelGain, IsLinearWithUnityAtTheTopAndNeverClips) {
    std::vector<int16_t> samples{32767, -32768, 1000, -1000};
    ChannelGain gain;
    gain.Apply(samples, 2);
    EXPECT_EQ(samples, (std::vector<int16_t>{32767, -32768, 1000, -1000}));
    gain.Set(70000, 32768);  // clamped to unity on the left
    EXPECT_EQ(gain.Left(), 65535);
    gain.Apply(samples, 2);
    EXPECT_EQ(samples, (std::vector<int16_t>{32767, -16384, 1000, -500}));
    gain.Set(0, 65535);
    std::vector<int16_t> mono{1000, -1000};
    gain.Apply(mono, 1);  // mono follows the left gain
    EXPECT_EQ(mono, (std::vector<int16_t>{0, 0}));
}

TEST(VolumeBalance, SplitsAndJoinsTheSidesOfALine) {
    EXPECT_EQ(SplitBalance(40000, 0), (SideVolumes{40000, 40000}));
    EXPECT_EQ(SplitBalance(40000, 25), (SideVolumes{30000, 40000}));
    EXPECT_EQ(SplitBalance(40000, -100), (SideVolumes{40000, 0}));
    EXPECT_EQ(SplitBalance(90000, 500), (SideVolumes{0, 65535}));
    for (int balance : {-100, -37, 0, 12, 100}) {
        const SideVolumes sides = SplitBalance(50000, balance);
        EXPECT_EQ(VolumeOfSides(sides), 50000);
        EXPECT_EQ(BalanceOfSides(sides), balance);
    }
    EXPECT_EQ(BalanceOfSides({0, 0}), 0);

    EXPECT_EQ(VolumeToRaw(0, -10, 31), -10);
    EXPECT_EQ(VolumeToRaw(65535, -10, 31), 31);
    EXPECT_EQ(RawToVolume(31, -10, 31), 65535);
    EXPECT_EQ(RawToVolume(VolumeToRaw(32768, 0, 100), 0, 100), RawToVolume(50, 0, 100));
    EXPECT_EQ(VolumeToRaw(1234, 5, 5), 5);  // an element without a range
}

TEST(PlayQueue, BlocksLargerThanTheRingWaitAndCountAsFinishedWhenTaken) {
    PlayQueue queue;
    queue.Reset(2, 8);
    std::vector<int16_t> first(11);  // 5 frames and a half: the half is dropped
    std::iota(first.begin(), first.end(), 1);
    queue.Append(first);
    queue.Append(std::vector<int16_t>{20, 21, 22, 23, 24, 25});
    EXPECT_EQ(queue.Queued(), 16u);

    std::vector<int16_t> played;
    std::vector<int16_t> buffer(5);  // an odd buffer takes whole frames only
    std::vector<int> finished;
    for (int turn = 0; turn < 10 && played.size() < 16; ++turn) {
        const size_t n = queue.Take(buffer);
        played.insert(played.end(), buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(n));
        finished.push_back(queue.TakeFinishedBlocks());
        queue.Refill();
    }
    EXPECT_EQ(played, (std::vector<int16_t>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 20, 21, 22, 23, 24, 25}));
    EXPECT_EQ(std::accumulate(finished.begin(), finished.end(), 0), 2);
    EXPECT_EQ(queue.Taken(), 16u);
}

TEST(AlsaCards, TheDefaultDeviceUsesTheDefaultMixerAndANamedOneTheLongestMatchingCard) {
    const std::vector<AlsaCardName> cards{{0, "HDA Intel PCH"}, {1, "USB"}, {2, "USB Audio"}};
    EXPECT_EQ(MixerDeviceFor("", cards), "default");
    EXPECT_EQ(MixerDeviceFor("HDA Intel PCH, ALC892 Analog", cards), "hw:0");
    EXPECT_EQ(MixerDeviceFor("USB Audio, USB Audio", cards), "hw:2");
    EXPECT_EQ(MixerDeviceFor("Monitor of Built-in Audio", cards), "");
}

}  // namespace
}  // namespace vesk
