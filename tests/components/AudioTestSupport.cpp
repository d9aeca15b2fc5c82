#include "AudioTestSupport.h"

#include <stdlib.h>

#include <chrono>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <thread>

#include "platform/automation/MessageQueue.h"

namespace vesk::test {

DiskAudioTest::DiskAudioTest() {
    std::string pattern = (std::filesystem::temp_directory_path() / "vesk-audio-XXXXXX").string();
    directory_ = mkdtemp(pattern.data()) ? pattern : std::string();
    setenv("SDL_AUDIODRIVER", "disk", 1);
    SetDriverDelay(1);
    PlayInto(Path("out.raw"));
    CaptureFrom(Path("in.raw"));
}

DiskAudioTest::~DiskAudioTest() {
    std::filesystem::remove_all(directory_);
    for (const char* name : {"SDL_AUDIODRIVER", "SDL_DISKAUDIODELAY", "SDL_DISKAUDIOFILE", "SDL_DISKAUDIOFILEIN"}) {
        unsetenv(name);
    }
}

void DiskAudioTest::SetDriverDelay(int milliseconds) {
    setenv("SDL_DISKAUDIODELAY", std::to_string(milliseconds).c_str(), 1);
}

void DiskAudioTest::PlayInto(const std::string& path) const { setenv("SDL_DISKAUDIOFILE", path.c_str(), 1); }
void DiskAudioTest::CaptureFrom(const std::string& path) const { setenv("SDL_DISKAUDIOFILEIN", path.c_str(), 1); }

void DiskAudioTest::WriteSamples(const std::string& path, const std::vector<int16_t>& samples) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(samples.data()), static_cast<std::streamsize>(samples.size() * 2));
}

std::vector<int16_t> DiskAudioTest::ReadSamples(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<int16_t> samples(bytes.size() / 2);
    std::memcpy(samples.data(), bytes.data(), samples.size() * 2);
    return samples;
}

bool PumpUntil(const std::function<bool()>& done) {
    for (int turn = 0; turn < 20000; ++turn) {
        MessageQueue::ForCurrentThread().PumpWaitingMessages();
        if (done()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return false;
}

SafeArrayPtr MakeBlock(const std::vector<int16_t>& samples) {
    SafeArrayPtr block(SafeArrayCreateVector(VT_I2, 0, static_cast<uint32_t>(samples.size())));
    std::copy(samples.begin(), samples.end(), block.shorts().begin());
    return block;
}

std::vector<int16_t> Signal(size_t frames, int channels, int seed) {
    std::vector<int16_t> samples;
    for (size_t i = 0; i < frames; ++i) {
        samples.push_back(static_cast<int16_t>(1 + (i * 37 + static_cast<size_t>(seed)) % 20000));
        if (channels == 2) samples.push_back(static_cast<int16_t>(-1 - static_cast<int>((i * 53 + 11) % 20000)));
    }
    return samples;
}

std::vector<int16_t> Tone(size_t frames, int channels, double rateHz, double hz, double amplitude) {
    std::vector<int16_t> samples;
    for (size_t i = 0; i < frames; ++i) {
        const double value = amplitude * std::sin(2.0 * std::numbers::pi * hz * static_cast<double>(i) / rateHz);
        for (int c = 0; c < channels; ++c) samples.push_back(static_cast<int16_t>(std::lround(value)));
    }
    return samples;
}

std::vector<int16_t> WithoutSilentFrames(const std::vector<int16_t>& samples, int channels) {
    std::vector<int16_t> kept;
    for (size_t i = 0; i + static_cast<size_t>(channels) <= samples.size(); i += static_cast<size_t>(channels)) {
        bool silent = true;
        for (int c = 0; c < channels; ++c) silent = silent && samples[i + static_cast<size_t>(c)] == 0;
        if (!silent) kept.insert(kept.end(), samples.begin() + static_cast<std::ptrdiff_t>(i),
                                 samples.begin() + static_cast<std::ptrdiff_t>(i) + channels);
    }
    return kept;
}

std::vector<int16_t> Lane(const std::vector<int16_t>& samples, int channels, int channel) {
    std::vector<int16_t> lane;
    for (size_t i = static_cast<size_t>(channel); i < samples.size(); i += static_cast<size_t>(channels)) {
        lane.push_back(samples[i]);
    }
    return lane;
}

double Rms(const std::vector<int16_t>& samples, size_t from) {
    double sum = 0;
    for (size_t i = from; i < samples.size(); ++i) sum += static_cast<double>(samples[i]) * samples[i];
    return samples.size() > from ? std::sqrt(sum / static_cast<double>(samples.size() - from)) : 0.0;
}

size_t CountEvents(const RecordingSink& sink, DISPID id, size_t from) {
    size_t count = 0;
    for (size_t i = from; i < sink.Events().size(); ++i) count += sink.Events()[i].id == id ? 1 : 0;
    return count;
}

std::vector<std::vector<int32_t>> ArgsOf(const RecordingSink& sink, DISPID id) {
    std::vector<std::vector<int32_t>> args;
    for (const RecordedEvent& event : sink.Events()) {
        if (event.id == id) args.push_back(event.args);
    }
    return args;
}

}  // namespace vesk::test
