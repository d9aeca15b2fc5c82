// The SDL player through the disk driver: what reaches the device file, and the events.
#include <gtest/gtest.h>

#include <algorithm>

#include "AudioTestSupport.h"
#include "components/ComponentErrors.h"
#include "components/sdl/SdlAudioPlayer.h"
#include "platform/automation/ConnectionPoint.h"

namespace vesk {
namespace {

using test::CountEvents;
using test::RecordingSink;

constexpr int kRate = 8000;

class AudioPlayerTest : public test::DiskAudioTest {
protected:
    AudioPlayerTest() : player_(MakeCom<SdlAudioPlayer>()), sink_(MakeCom<RecordingSink>()) {
        AdviseSink(static_cast<IConnectionPointContainer*>(player_.get()), IID_VeskAudioPlayerEvents, sink_.get());
        player_->SetPlayerTimerInterval(10);
    }

    int32_t Start(int channels) {
        player_->SetPlayFormat(kRate, channels);
        player_->StartPlayback();
        int32_t error = 1;
        player_->GetPlayerError(&error);
        return error;
    }

    // Starts, queues the blocks as the control does (all before it returns to its message
    // loop) and pumps until the player reports the end.
    void Play(const std::vector<std::vector<int16_t>>& blocks, int channels) {
        const size_t seen = sink_->Events().size();
        ASSERT_EQ(Start(channels), component_error::kNone);
        for (const auto& block : blocks) player_->QueueBlock(test::MakeBlock(block).get());
        ASSERT_TRUE(test::PumpUntil([&] { return CountEvents(*sink_, player_event::kPlaybackEnded, seen) > 0; }));
    }

    std::vector<int16_t> Played(int channels) {
        player_->StopPlayback();
        return test::WithoutSilentFrames(ReadSamples(Path("out.raw")), channels);
    }

    ComPtr<SdlAudioPlayer> player_;
    ComPtr<RecordingSink> sink_;
};

std::vector<int16_t> Joined(const std::vector<std::vector<int16_t>>& blocks) {
    std::vector<int16_t> all;
    for (const auto& block : blocks) all.insert(all.end(), block.begin(), block.end());
    return all;
}

std::vector<std::vector<int16_t>> Blocks(size_t count, size_t frames, int channels) {
    std::vector<std::vector<int16_t>> blocks;
    for (size_t i = 0; i < count; ++i) blocks.push_back(test::Signal(frames, channels, static_cast<int>(i * 1000)));
    return blocks;
}

TEST_F(AudioPlayerTest, PlaysTheQueuedSamplesInOrderAndAnnouncesEachBlockThenTheEnd) {
    const auto blocks = Blocks(12, 3000, 2);
    Play(blocks, 2);
    EXPECT_EQ(Played(2), Joined(blocks));

    // Every block once, all of them before the end, which comes once; the started event first.
    std::vector<DISPID> order;
    for (const auto& event : sink_->Events()) {
        if (event.id != player_event::kPosition) order.push_back(event.id);
    }
    std::vector<DISPID> expected{player_event::kStarted};
    expected.insert(expected.end(), blocks.size(), player_event::kBlockDone);
    expected.push_back(player_event::kPlaybackEnded);
    EXPECT_EQ(order, expected);

    // Positions grow and never pass what was queued.
    const auto positions = test::ArgsOf(*sink_, player_event::kPosition);
    ASSERT_GE(positions.size(), 2u);
    for (size_t i = 0; i < positions.size(); ++i) {
        ASSERT_EQ(positions[i].size(), 3u);
        EXPECT_LE(positions[i][0], 12 * 3000);
        if (i > 0) {
            EXPECT_GE(positions[i][0], positions[i - 1][0]);
        }
    }
    EXPECT_GT(positions.back()[0], positions.front()[0]);
}

TEST_F(AudioPlayerTest, NothingQueuedEndsAtOnceAndStopIsHarmlessTwice) {
    ASSERT_EQ(Start(1), component_error::kNone);
    ASSERT_TRUE(test::PumpUntil([&] { return CountEvents(*sink_, player_event::kPlaybackEnded) > 0; }));
    EXPECT_EQ(CountEvents(*sink_, player_event::kBlockDone), 0u);
    player_->StopPlayback();
    player_->StopPlayback();
    EXPECT_TRUE(Played(1).empty());
}

TEST_F(AudioPlayerTest, OnlyTheChosenSideSounds) {
    const auto blocks = Blocks(3, 2000, 2);
    player_->SetPlayChannels(2);
    Play(blocks, 2);
    const std::vector<int16_t> played = Played(2);
    const std::vector<int16_t> queued = Joined(blocks);
    ASSERT_EQ(played.size(), queued.size());
    EXPECT_EQ(test::Lane(played, 2, 0), std::vector<int16_t>(queued.size() / 2, 0));
    EXPECT_EQ(test::Lane(played, 2, 1), test::Lane(queued, 2, 1));
}

TEST_F(AudioPlayerTest, VolumeScalesLinearlyWithUnityAtTheTop) {
    player_->SetPlayVolume(70000);
    int32_t volume = 0;
    player_->GetPlayVolume(&volume);
    EXPECT_EQ(volume, 65535);

    player_->SetPlayVolume(16384);  // a quarter
    const auto blocks = Blocks(2, 2000, 2);
    Play(blocks, 2);
    const std::vector<int16_t> played = Played(2);
    const std::vector<int16_t> queued = Joined(blocks);
    ASSERT_EQ(played.size(), queued.size());
    for (size_t i = 0; i < queued.size(); ++i) ASSERT_NEAR(played[i], queued[i] / 4.0, 1.0) << i;
}

// The levels of the position events: the loudest of a playback is the level of its peak.
int32_t LoudestLevel(const RecordingSink& sink, size_t side, size_t fromEvent = 0) {
    int32_t loudest = -1;
    for (size_t i = fromEvent; i < sink.Events().size(); ++i) {
        const auto& event = sink.Events()[i];
        if (event.id == player_event::kPosition) loudest = std::max(loudest, event.args[side]);
    }
    return loudest;
}

TEST_F(AudioPlayerTest, LevelsAreThePeaksInDecibelsAboveOneStep) {
    std::vector<int16_t> square;
    for (int i = 0; i < 16000; ++i) square.push_back(i % 40 < 20 ? 32767 : -32767);
    Play({square}, 1);  // mono: both sides
    EXPECT_EQ(LoudestLevel(*sink_, 1), 90);
    EXPECT_EQ(LoudestLevel(*sink_, 2), 90);

    player_->StopPlayback();
    const size_t seen = sink_->Events().size();
    std::vector<int16_t> quiet(32000, 0);
    for (size_t i = 0; i < quiet.size(); i += 2) quiet[i] = static_cast<int16_t>(i % 3 == 0 ? 1000 : -700);
    Play({quiet}, 2);  // the right side is silent
    EXPECT_EQ(LoudestLevel(*sink_, 1, seen), 60);
    EXPECT_EQ(LoudestLevel(*sink_, 2, seen), 0);
}

TEST_F(AudioPlayerTest, LatestSamplesAreTheLastSentInWholeFrames) {
    const auto blocks = Blocks(2, 1000, 2);
    Play(blocks, 2);
    const std::vector<int16_t> queued = Joined(blocks);
    SafeArrayPtr latest;
    ASSERT_EQ(player_->GetCurrentPlayArray(101, latest.put()), S_OK);
    const std::vector<int16_t> expected(queued.end() - 100, queued.end());
    EXPECT_EQ(std::vector<int16_t>(latest.shorts().begin(), latest.shorts().end()), expected);
    player_->StopPlayback();
    ASSERT_EQ(player_->GetCurrentPlayArray(100, latest.put()), S_OK);
    EXPECT_EQ(latest.size(), 0u);
}

TEST_F(AudioPlayerTest, AnUnusableDeviceLeavesThePlayerStoppedWithOutDriver) {
    PlayInto(Path("no-such-folder/out.raw"));
    EXPECT_EQ(Start(2), component_error::kOutDriver);
    player_->QueueBlock(test::MakeBlock(test::Signal(100, 2)).get());
    SafeArrayPtr latest;
    player_->GetCurrentPlayArray(100, latest.put());
    EXPECT_EQ(latest.size(), 0u);
    test::PumpUntil([] { return true; });
    EXPECT_TRUE(sink_->Events().empty());

    PlayInto(Path("out.raw"));
    EXPECT_EQ(Start(2), component_error::kNone);  // the error is the last start's
    player_->SetPlayFormat(kRate, 3);
    player_->StartPlayback();
    int32_t error = 0;
    player_->GetPlayerError(&error);
    EXPECT_EQ(error, component_error::kOutDriver);
}

TEST_F(AudioPlayerTest, DevicesAreTheDefaultThenSdlsListAndAGoneChoiceIsTheDefault) {
    int16_t count = 0, num = -1;
    player_->GetPlayDeviceCount(&count);
    EXPECT_EQ(count, 2);  // the default and the disk driver's one device
    player_->SetPlayDeviceNum(1);
    player_->GetPlayDeviceNum(&num);
    EXPECT_EQ(num, 1);
    Bstr name;
    player_->GetPlayDeviceName(name.put());
    EXPECT_EQ(name.utf8(), "System audio output device");
    EXPECT_EQ(Start(2), component_error::kNone);

    player_->SetPlayDeviceNum(7);
    player_->GetPlayDeviceNum(&num);
    EXPECT_EQ(num, 0);
    int16_t lines = -1;
    player_->GetOutputLineCount(&lines);
    EXPECT_EQ(lines, 0);  // no mixer behind a file
}

TEST_F(AudioPlayerTest, TwoPlayersInOneProcessPlayTheirOwnSound) {
    auto other = MakeCom<SdlAudioPlayer>();
    auto otherSink = MakeCom<RecordingSink>();
    AdviseSink(static_cast<IConnectionPointContainer*>(other.get()), IID_VeskAudioPlayerEvents, otherSink.get());
    const auto mine = Blocks(3, 2000, 2);
    const auto theirs = Blocks(2, 2500, 1);

    ASSERT_EQ(Start(2), component_error::kNone);
    PlayInto(Path("other.raw"));
    other->SetPlayFormat(kRate, 1);
    other->StartPlayback();
    for (const auto& block : mine) player_->QueueBlock(test::MakeBlock(block).get());
    for (const auto& block : theirs) other->QueueBlock(test::MakeBlock(block).get());
    ASSERT_TRUE(test::PumpUntil([&] {
        return CountEvents(*sink_, player_event::kPlaybackEnded) > 0 &&
               CountEvents(*otherSink, player_event::kPlaybackEnded) > 0;
    }));
    other->StopPlayback();
    other.reset();  // the subsystem stays with the first player
    EXPECT_EQ(CountEvents(*otherSink, player_event::kBlockDone), 2u);
    EXPECT_EQ(test::WithoutSilentFrames(ReadSamples(Path("other.raw")), 1), Joined(theirs));
    EXPECT_EQ(Played(2), Joined(mine));
}

}  // namespace
}  // namespace vesk
