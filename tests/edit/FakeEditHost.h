// An EditHost for tests of the edit code: a history in a scratch directory, the format and
// settings as plain fields, and a log of the events and reactions in call order.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "document/WaveFile.h"
#include "edit/EditHost.h"
#include "platform/io/TempFile.h"
#include "support/TempDirGuard.h"

namespace vesk::test {

class FakeEditHost : public EditHost {
public:
    int32_t frequency = 44100;
    int32_t channels = 2;
    int16_t status = 0;
    int32_t lastError = 0;
    int32_t fileBufferMs = 10001;
    bool operated[2] = {true, true};
    bool smooth = false;
    IVeskAudioTransform* transform = nullptr;
    std::function<ComPtr<IVeskAudioFile>()> fileFactory;
    std::function<void(int16_t)> onBlock;  // runs after each BlockOperation is logged
    std::vector<std::string> log;          // "Block 33", "End", "Error -12", "Overview", ...
    ScratchDir scratch;

    // Pushes a state whose working file holds `samples` at the host's format.
    void Document(const std::vector<int16_t>& samples) {
        DocState state;
        state.filePath = UniqueTempFileName(scratch.WithSlash(), "vsk");
        WaveFile file;
        ASSERT_TRUE(file.Create(state.filePath, frequency, static_cast<uint16_t>(channels)));
        if (!samples.empty()) {
            ASSERT_TRUE(file.Write(samples.data(), static_cast<uint32_t>(samples.size() * 2)));
        }
        ASSERT_TRUE(file.Close());
        state.frequency = frequency;
        state.channels = static_cast<int16_t>(channels);
        state.totalBytes = static_cast<int32_t>(samples.size() * 2);
        state.endView[0] = state.totalBytes;
        history.Push(state);
    }
    // Selects bytes [start, end) at the current level (selected = false: a cursor at start).
    void Select(int32_t start, int32_t end, bool selected = true) {
        DocState& s = *history.Current();
        s.startSelect[s.zoomLevel] = start;
        s.endSelect[s.zoomLevel] = end;
        s.selected = selected ? 1 : 0;
    }
    // The samples of the current working file.
    std::vector<int16_t> Samples() {
        WaveFile file;
        EXPECT_TRUE(file.Open(history.Current()->filePath, WaveMode::Read));
        std::vector<int16_t> samples(file.DataSize() / 2);
        if (!samples.empty()) file.Read(samples.data(), file.DataSize());
        file.Close();
        return samples;
    }
    int Count(const std::string& prefix) const {
        int n = 0;
        for (const auto& entry : log) n += entry.rfind(prefix, 0) == 0;
        return n;
    }
    // Files in the scratch directory (working files and the clipboard file).
    size_t FileCount() const {
        size_t n = 0;
        for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(scratch.path())) ++n;
        return n;
    }

    HistoryStore& History() override { return history; }
    int32_t Frequency() const override { return frequency; }
    int32_t Channels() const override { return channels; }
    void SetFormat(int32_t hz, int32_t ch) override {
        frequency = hz;
        channels = ch;
    }
    int16_t Status() const override { return status; }
    void SetStatus(int16_t value) override { status = value; }
    int32_t LastErrorNum() const override { return lastError; }
    void SetLastErrorNum(int32_t code) override { lastError = code; }
    int32_t FileBufferSize() const override { return fileBufferMs; }
    std::string NewWorkingFileName() override { return UniqueTempFileName(scratch.WithSlash(), "vsk"); }
    std::string ClipboardFileName() const override { return scratch.File("clip.wav"); }
    bool IsOperated(int channel) override { return operated[channel]; }
    int OperationCount() override { return channels == 1 ? (operated[0] ? 1 : 0) : operated[0] + operated[1]; }
    bool SmoothEnabled() const override { return smooth; }
    IVeskAudioTransform* Transform() override { return transform; }
    ComPtr<IVeskAudioFile> CreateFileComponent() override { return fileFactory ? fileFactory() : nullptr; }
    void FireBlockOperation(int16_t percent) override {
        log.push_back("Block " + std::to_string(percent));
        if (onBlock) onBlock(percent);
    }
    void FireEndOperation() override { log.push_back("End"); }
    void FireError(int32_t code) override { log.push_back("Error " + std::to_string(code)); }
    void BuildOverview() override { log.push_back("Overview"); }
    bool RecomputeView(int32_t start, int32_t end) override {
        log.push_back("View " + std::to_string(start) + " " + std::to_string(end));
        return true;
    }
    void Redraw() override { log.push_back("Redraw"); }
    void RefreshMarkers() override { log.push_back("Markers"); }
    void RefreshChannels() override { log.push_back("Channels"); }

    HistoryStore history;
};

// A ramp of n samples (values 1..n modulo 30000), easy to recognise after a move.
inline std::vector<int16_t> Ramp(size_t n) {
    std::vector<int16_t> samples(n);
    for (size_t i = 0; i < n; ++i) samples[i] = static_cast<int16_t>((i + 1) % 30000);
    return samples;
}

}  // namespace vesk::test
