// The SDL recorder through the disk driver: blocks of what the input file holds, the software
// input line, the filters, the levels and the events.
#include <gtest/gtest.h>

#include <algorithm>

#include "AudioTestSupport.h"
#include "components/ComponentErrors.h"
#include "components/sdl/SdlAudioRecord.h"
#include "components/transform/BiquadEffect.h"
#include "platform/automation/ConnectionPoint.h"

namespace vesk {
namespace {

using test::CountEvents;
using test::RecordingSink;

constexpr int kRate = 8000;

class AudioRecordTest : public test::DiskAudioTest {
protected:
    AudioRecordTest() : recorder_(MakeCom<SdlAudioRecord>()), sink_(MakeCom<RecordingSink>()) {
        AdviseSink(static_cast<IConnectionPointContainer*>(recorder_.get()), IID_VeskAudioRecordEvents, sink_.get());
        recorder_->SetRecorderTimerInterval(10);
    }

    int32_t Start(int channels, int32_t blockFrames) {
        recorder_->SetRecordFormat(kRate, channels);
        recorder_->SetRecordBlockFrames(blockFrames);
        recorder_->StartRecording();
        int32_t error = 1;
        recorder_->GetRecorderError(&error);
        return error;
    }

    // Records `input` and returns the first `blocks` blocks, taken as their events come.
    std::vector<std::vector<int16_t>> Record(const std::vector<int16_t>& input, int channels, int32_t blockFrames,
                                             size_t blocks) {
        WriteSamples(Path("in.raw"), input);
        const size_t seen = sink_->Events().size();
        EXPECT_EQ(Start(channels, blockFrames), component_error::kNone);
        std::vector<std::vector<int16_t>> taken;
        test::PumpUntil([&] {
            while (taken.size() < CountEvents(*sink_, record_event::kBlockReady, seen)) {
                SafeArrayPtr block;
                recorder_->GetRecordedBlock(block.put());
                taken.emplace_back(block.shorts().begin(), block.shorts().end());
            }
            return taken.size() >= blocks;
        });
        recorder_->StopRecording();
        taken.resize(std::min(taken.size(), blocks));
        return taken;
    }

    std::vector<int16_t> RecordJoined(const std::vector<int16_t>& input, int channels, int32_t blockFrames) {
        const size_t frames = input.size() / static_cast<size_t>(channels);
        std::vector<int16_t> all;
        for (const auto& block : Record(input, channels, blockFrames, frames / static_cast<size_t>(blockFrames))) {
            all.insert(all.end(), block.begin(), block.end());
        }
        return all;
    }

    ComPtr<SdlAudioRecord> recorder_;
    ComPtr<RecordingSink> sink_;
};

TEST_F(AudioRecordTest, DeliversTheCapturedSoundInBlocksOfTheSetSize) {
    const std::vector<int16_t> input = test::Signal(12000, 2);
    const auto blocks = Record(input, 2, 1000, 12);
    ASSERT_EQ(blocks.size(), 12u);
    std::vector<int16_t> all;
    for (const auto& block : blocks) {
        EXPECT_EQ(block.size(), 2000u);
        all.insert(all.end(), block.begin(), block.end());
    }
    EXPECT_EQ(all, input);

    EXPECT_EQ(sink_->Events().front().id, record_event::kStarted);
    const auto positions = test::ArgsOf(*sink_, record_event::kPosition);
    ASSERT_GE(positions.size(), 2u);
    for (size_t i = 1; i < positions.size(); ++i) EXPECT_GE(positions[i][0], positions[i - 1][0]);
    EXPECT_GT(positions.back()[0], positions.front()[0]);

    // Stopping dropped what was not taken; nothing more arrives.
    SafeArrayPtr left;
    recorder_->GetRecordedBlock(left.put());
    EXPECT_EQ(left.size(), 0u);
    const size_t events = sink_->Events().size();
    test::PumpUntil([] { return true; });
    EXPECT_EQ(sink_->Events().size(), events);
}

TEST_F(AudioRecordTest, TheSoftwareInputLineScalesAndSilences) {
    int16_t count = 0;
    recorder_->GetInputLineCount(&count);
    ASSERT_EQ(count, 1);
    Bstr name;
    recorder_->GetLineName(name.put());
    EXPECT_EQ(name.utf8(), "Input gain");
    VARIANT_BOOL selected = VARIANT_FALSE;
    recorder_->GetLineSelected(&selected);
    EXPECT_EQ(selected, VARIANT_TRUE);

    recorder_->SetLineVolume(32768);  // about a half
    const std::vector<int16_t> input = test::Signal(4000, 1);
    const std::vector<int16_t> half = RecordJoined(input, 1, 1000);
    ASSERT_EQ(half.size(), input.size());
    for (size_t i = 0; i < input.size(); ++i) ASSERT_NEAR(half[i], input[i] / 2.0, 1.0) << i;

    recorder_->SetLineSelected(VARIANT_FALSE);
    const std::vector<int16_t> off = RecordJoined(input, 1, 1000);
    EXPECT_EQ(off, std::vector<int16_t>(input.size(), 0));

    // The automatic gain walks one past the last line: there it finds nothing.
    recorder_->SelectInputLine(1);
    int32_t volume = -1;
    recorder_->SetLineVolume(100);
    recorder_->GetLineVolume(&volume);
    recorder_->GetLineSelected(&selected);
    EXPECT_EQ(volume, 0);
    EXPECT_EQ(selected, VARIANT_FALSE);
    recorder_->SelectInputLine(0);
    recorder_->GetLineVolume(&volume);
    EXPECT_EQ(volume, 32768);
}

TEST_F(AudioRecordTest, FiltersRemoveToneOutsideTheirBandAndKeepTheirStateAcrossBlocks) {
    const std::vector<int16_t> high = test::Tone(8000, 2, kRate, 3000, 10000);
    const std::vector<int16_t> low = test::Tone(8000, 2, kRate, 200, 10000);
    const size_t settled = 2000;  // samples, after the filters' start

    recorder_->SetLowPassFilterFrequency(800);
    recorder_->SetLowPassFilterEnabled(VARIANT_TRUE);
    const std::vector<int16_t> lowPassed = RecordJoined(high, 2, 500);
    EXPECT_LT(test::Rms(lowPassed, settled), 0.1 * test::Rms(high, settled));
    EXPECT_GT(test::Rms(RecordJoined(low, 2, 500), settled), 0.9 * test::Rms(low, settled));

    // The same section run over the whole sound at once: blocks change nothing.
    BiquadEffect reference(DesignLowPass(kRate, 800, 0.7071067811865476));
    std::vector<int16_t> left = test::Lane(high, 2, 0);
    reference.Process(left, 0, left.size());
    EXPECT_EQ(test::Lane(lowPassed, 2, 0), left);
    EXPECT_EQ(test::Lane(lowPassed, 2, 1), left);

    recorder_->SetLowPassFilterEnabled(VARIANT_FALSE);
    recorder_->SetHighPassFilterFrequency(1000);
    recorder_->SetHighPassFilterEnabled(VARIANT_TRUE);
    EXPECT_LT(test::Rms(RecordJoined(low, 2, 500), settled), 0.1 * test::Rms(low, settled));

    recorder_->SetHighPassFilterEnabled(VARIANT_FALSE);
    recorder_->SetNotchFilterEnabled(VARIANT_TRUE);  // at 50 Hz
    const std::vector<int16_t> hum = test::Tone(8000, 1, kRate, 50, 10000);
    EXPECT_LT(test::Rms(RecordJoined(hum, 1, 500), 4000), 0.05 * test::Rms(hum, 4000));
    EXPECT_EQ(RecordJoined(test::Signal(2000, 1), 1, 500).size(), 2000u);
}

int32_t LoudestLevel(const RecordingSink& sink, size_t side) {
    int32_t loudest = -1;
    for (const auto& args : test::ArgsOf(sink, record_event::kPosition)) loudest = std::max(loudest, args[side]);
    return loudest;
}

TEST_F(AudioRecordTest, LevelsAreThePeaksInDecibels) {
    std::vector<int16_t> input(16000, 0);
    for (size_t i = 0; i < input.size(); i += 2) {
        input[i] = static_cast<int16_t>(i % 40 < 20 ? 32767 : -32768);
        input[i + 1] = static_cast<int16_t>(i % 6 == 0 ? -1000 : 999);
    }
    Record(input, 2, 1000, 8);
    EXPECT_EQ(LoudestLevel(*sink_, 1), 90);
    EXPECT_EQ(LoudestLevel(*sink_, 2), 60);
}

TEST_F(AudioRecordTest, LatestSamplesAreARunOfTheCapturedSound) {
    SetDriverDelay(5);  // slow enough to ask while the input still runs
    const std::vector<int16_t> input = test::Signal(16000, 2);
    WriteSamples(Path("in.raw"), input);
    ASSERT_EQ(Start(2, 1000), component_error::kNone);
    ASSERT_TRUE(test::PumpUntil([&] { return CountEvents(*sink_, record_event::kBlockReady) > 0; }));
    SafeArrayPtr latest;
    recorder_->GetCurrentRecordArray(301, latest.put());
    const std::vector<int16_t> run(latest.shorts().begin(), latest.shorts().end());
    ASSERT_EQ(run.size(), 300u);
    const auto at = std::search(input.begin(), input.end(), run.begin(), run.end());
    EXPECT_TRUE(at != input.end() || run == std::vector<int16_t>(300, 0));
    EXPECT_EQ((at - input.begin()) % 2, 0);
}

TEST_F(AudioRecordTest, AMissingInputLeavesTheRecorderStoppedWithInpDriver) {
    CaptureFrom(Path("missing.raw"));
    EXPECT_EQ(Start(2, 1000), component_error::kInpDriver);
    test::PumpUntil([] { return true; });
    EXPECT_TRUE(sink_->Events().empty());
    SafeArrayPtr block;
    recorder_->GetRecordedBlock(block.put());
    EXPECT_EQ(block.size(), 0u);
    recorder_->StopRecording();
}

TEST_F(AudioRecordTest, WithoutAnAudioDriverThereAreNoDevices) {
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    auto recorder = MakeCom<SdlAudioRecord>();
    int16_t count = -1;
    Bstr name("stale");
    recorder->GetRecordDeviceCount(&count);
    recorder->GetRecordDeviceName(name.put());
    EXPECT_EQ(count, 0);
    EXPECT_EQ(name.utf8(), "");
    recorder->StartRecording();
    int32_t error = 0;
    recorder->GetRecorderError(&error);
    EXPECT_EQ(error, component_error::kInpDriver);
}

TEST_F(AudioRecordTest, FramesToMillisecondsUsesTheRecordRate) {
    recorder_->SetRecordFormat(8000, 2);
    int32_t ms = 0;
    recorder_->FramesToMilliseconds(4000, &ms);
    EXPECT_EQ(ms, 500);
    recorder_->SetRecordFormat(96000, 2);
    recorder_->FramesToMilliseconds(2000000000, &ms);  // would overflow in 32 bits
    EXPECT_EQ(ms, 20833333);
}

}  // namespace
}  // namespace vesk
