// The player and the recorder through a real sound server: a chirp played to a PulseAudio
// null sink comes back from the sink's monitor. The CTest fixture (pulse-server.sh) starts the
// daemon; the environment of the test points SDL at it.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <sstream>

#include "AudioTestSupport.h"
#include "components/ComponentErrors.h"
#include "components/sdl/SdlAudioPlayer.h"
#include "components/sdl/SdlAudioRecord.h"
#include "platform/automation/ConnectionPoint.h"

namespace vesk {
namespace {

using test::CountEvents;
using test::RecordingSink;

constexpr int kRate = 44100;
constexpr int kBlockFrames = 4410;  // a tenth of a second

// Why the fixture could not start the server, or "" when it runs.
std::string ServerMissing() {
    const char* dir = std::getenv("XDG_RUNTIME_DIR");
    if (!dir) return "no XDG_RUNTIME_DIR: run through ctest, whose fixture starts the server";
    std::ifstream why(std::filesystem::path(dir) / "unavailable");
    if (why) {
        std::stringstream text;
        text << why.rdbuf();
        return "PulseAudio could not start: " + text.str();
    }
    return std::filesystem::exists(std::filesystem::path(dir) / "pulse" / "native") ? "" : "no PulseAudio socket";
}

// Chooses the device called `name`; false when the component does not list it.
template <class Count, class Choose, class Name>
bool ChooseByName(const std::string& name, Count count, Choose choose, Name currentName) {
    int16_t devices = 0;
    count(&devices);
    for (int16_t i = 1; i < devices; ++i) {
        choose(i);
        Bstr listed;
        currentName(listed.put());
        if (listed.utf8() == name) return true;
    }
    return false;
}

std::vector<int16_t> Chirp(size_t frames, double fromHz, double toHz, double amplitude) {
    std::vector<int16_t> samples;
    const double seconds = static_cast<double>(frames) / kRate;
    for (size_t i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double phase = 2 * std::numbers::pi * (fromHz * t + (toHz - fromHz) * t * t / (2 * seconds));
        const auto value = static_cast<int16_t>(std::lround(amplitude * std::sin(phase)));
        samples.push_back(value);
        samples.push_back(value);
    }
    return samples;
}

// The normalised cross-correlation of `probe` with `signal` at `lag`.
double Correlation(const std::vector<int16_t>& probe, const std::vector<int16_t>& signal, size_t lag) {
    double both = 0, probeEnergy = 0, signalEnergy = 0;
    for (size_t i = 0; i < probe.size(); ++i) {
        both += static_cast<double>(probe[i]) * signal[lag + i];
        probeEnergy += static_cast<double>(probe[i]) * probe[i];
        signalEnergy += static_cast<double>(signal[lag + i]) * signal[lag + i];
    }
    return signalEnergy > 0 ? both / std::sqrt(probeEnergy * signalEnergy) : 0.0;
}

TEST(PulseAudioLoopback, AChirpPlayedToANullSinkComesBackFromItsMonitor) {
    if (const std::string missing = ServerMissing(); !missing.empty()) GTEST_SKIP() << missing;

    auto player = MakeCom<SdlAudioPlayer>();
    auto recorder = MakeCom<SdlAudioRecord>();
    auto played = MakeCom<RecordingSink>();
    auto captured = MakeCom<RecordingSink>();
    AdviseSink(static_cast<IConnectionPointContainer*>(player.get()), IID_VeskAudioPlayerEvents, played.get());
    AdviseSink(static_cast<IConnectionPointContainer*>(recorder.get()), IID_VeskAudioRecordEvents, captured.get());
    ASSERT_TRUE(ChooseByName(
        "VeskLoopback", [&](int16_t* n) { player->GetPlayDeviceCount(n); },
        [&](int16_t i) { player->SetPlayDeviceNum(i); }, [&](BSTR* s) { player->GetPlayDeviceName(s); }));
    ASSERT_TRUE(ChooseByName(
        "Monitor of VeskLoopback", [&](int16_t* n) { recorder->GetRecordDeviceCount(n); },
        [&](int16_t i) { recorder->SetRecordDeviceNum(i); }, [&](BSTR* s) { recorder->GetRecordDeviceName(s); }));

    recorder->SetRecordFormat(kRate, 2);
    recorder->SetRecordBlockFrames(kBlockFrames);
    recorder->StartRecording();
    int32_t error = -1;
    recorder->GetRecorderError(&error);
    ASSERT_EQ(error, component_error::kNone);
    std::vector<int16_t> capture;
    auto takeBlocks = [&] {
        while (capture.size() / (2 * kBlockFrames) < CountEvents(*captured, record_event::kBlockReady)) {
            SafeArrayPtr block;
            recorder->GetRecordedBlock(block.put());
            capture.insert(capture.end(), block.shorts().begin(), block.shorts().end());
        }
    };
    auto blocksAtLeast = [&](size_t blocks) {
        return test::PumpUntil([&] {
            takeBlocks();
            return capture.size() / (2 * kBlockFrames) >= blocks;
        });
    };
    ASSERT_TRUE(blocksAtLeast(2));  // the monitor runs

    const std::vector<int16_t> chirp = Chirp(kRate * 3 / 10, 300, 6000, 12000);
    player->SetPlayFormat(kRate, 2);
    player->StartPlayback();
    player->GetPlayerError(&error);
    ASSERT_EQ(error, component_error::kNone);
    for (size_t at = 0; at < chirp.size(); at += 2 * kBlockFrames) {
        const size_t end = std::min(chirp.size(), at + 2 * kBlockFrames);
        player->QueueBlock(test::MakeBlock({chirp.begin() + static_cast<std::ptrdiff_t>(at),
                                            chirp.begin() + static_cast<std::ptrdiff_t>(end)})
                               .get());
    }
    ASSERT_TRUE(test::PumpUntil([&] {
        takeBlocks();
        return CountEvents(*played, player_event::kPlaybackEnded) > 0;
    }));
    EXPECT_EQ(CountEvents(*played, player_event::kBlockDone), 3u);
    player->StopPlayback();
    ASSERT_TRUE(blocksAtLeast(capture.size() / (2 * kBlockFrames) + 5));  // the tail, past the latency
    recorder->StopRecording();

    // Where the chirp begins: near the first loud sample, found exactly by correlation.
    const std::vector<int16_t> probe = test::Lane(chirp, 2, 0);
    const std::vector<int16_t> left = test::Lane(capture, 2, 0);
    ASSERT_GT(left.size(), probe.size());
    size_t onset = 0;
    while (onset < left.size() && std::abs(left[onset]) < 2000) ++onset;
    ASSERT_LT(onset, left.size()) << "nothing came back";
    const size_t first = onset > 2000 ? onset - 2000 : 0;
    const size_t last = std::min(onset + 2000, left.size() - probe.size());
    double best = 0;
    for (size_t lag = first; lag <= last; ++lag) best = std::max(best, Correlation(probe, left, lag));
    EXPECT_GT(best, 0.95);
}

}  // namespace
}  // namespace vesk
