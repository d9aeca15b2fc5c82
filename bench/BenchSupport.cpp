#include "BenchSupport.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "control/Registration.h"
#include "document/WaveFile.h"
#include "platform/io/PathUtil.h"
#include "platform/io/TempFile.h"

namespace vesk::bench {

double MedianSeconds(int runs, const std::function<void()>& work) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        auto start = std::chrono::steady_clock::now();
        work();
        times.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

double MedianCommandSeconds(int runs, const std::string& command) {
    return MedianSeconds(runs, [&] {
        if (std::system((command + " > /dev/null 2>&1").c_str()) != 0) {
            std::fprintf(stderr, "peer command failed: %s\n", command.c_str());
            std::exit(1);
        }
    });
}

bool CommandExists(const std::string& name) {
    return std::system(("command -v " + name + " > /dev/null 2>&1").c_str()) == 0;
}

Scratch::Scratch() {
    std::string pattern = (std::filesystem::temp_directory_path() / "vesk-bench-XXXXXX").string();
    dir_ = std::string(mkdtemp(pattern.data())) + "/";
}

Scratch::~Scratch() {
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
}

ComPtr<AudioEditor> MakeControl(const std::string& dir) {
    static bool registered = false;
    if (!registered) {
        RegisterAudioEditorClasses(ClassRegistry::Default());
        registered = true;
    }
    auto control = CreateAudioEditor();
    Bstr directory(dir);
    control->put_TempDirectory(directory.get());
    return control;
}

std::string PushTestSignal(AudioEditor& control, int seconds) {
    const int rate = 44100;
    DocState state;
    state.filePath = UniqueTempFileName(SplitPath(control.History().Current()->filePath).directory, "vsk");
    WaveFile file;
    file.Create(state.filePath, rate, 2);
    std::vector<int16_t> block(rate * 2);
    uint32_t noise = 12345;
    for (int s = 0; s < seconds; ++s) {
        for (int i = 0; i < rate; ++i) {
            double t = s + static_cast<double>(i) / rate;
            double swell = 0.5 + 0.5 * std::sin(2 * M_PI * t / 60);
            noise = noise * 1664525 + 1013904223;
            block[2 * i] = static_cast<int16_t>(20000 * swell * std::sin(2 * M_PI * 440 * t) + (noise >> 24) - 128);
            block[2 * i + 1] = static_cast<int16_t>(8000 * std::sin(2 * M_PI * 220 * t));
        }
        file.Write(block.data(), static_cast<uint32_t>(block.size() * 2));
    }
    file.Close();
    state.frequency = rate;
    state.channels = 2;
    state.totalBytes = seconds * rate * 4;
    state.endView[0] = state.totalBytes;
    control.History().Push(state);
    return state.filePath;
}

void PrintRow(const std::string& what, double seconds, const std::string& peer, double peerSeconds) {
    if (peer.empty()) {
        std::printf("| %-52s | %9.2f ms |\n", what.c_str(), seconds * 1000);
        return;
    }
    std::printf("| %-52s | %9.2f ms | %-40s | %9.2f ms | %6.2f |\n", what.c_str(), seconds * 1000, peer.c_str(),
                peerSeconds * 1000, seconds / peerSeconds);
}

}  // namespace vesk::bench
