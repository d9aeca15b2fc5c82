// A document for tests of the edit code: a real Document whose working files live in a scratch
// directory, with an event sink and a display that log what they are asked in call order.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "components/ComponentNames.h"
#include "document/Document.h"
#include "document/WaveFile.h"
#include "platform/io/TempFile.h"
#include "support/TempDirGuard.h"

namespace vesk::test {

class EditTestDocument : private EventSink, private DocumentDisplay {
public:
    ScratchDir scratch;
    Document document;
    std::function<void(int16_t)> onBlock;  // runs after each BlockOperation is logged
    std::vector<std::string> log;          // "Block 33", "End", "Error -12", "Overview", ...

    EditTestDocument() {
        document.Attach(this, this);
        document.SetTempDirectory(scratch.WithSlash());
        document.SetTempFileName(scratch.File("clip.wav"));
        document.SetFormat(44100, 2);
        document.Components().registry = &registry_;
    }
    ~EditTestDocument() override {
        document.History().Clear();
        document.Attach(nullptr, nullptr);
    }

    // The format of the next Fill.
    void SetFormat(int32_t frequency, int32_t channels) { document.SetFormat(frequency, channels); }
    // Pushes a state whose working file holds `samples` at the document's format.
    void Fill(const std::vector<int16_t>& samples) {
        DocState state;
        state.filePath = document.NewWorkingFileName();
        WaveFile file;
        ASSERT_TRUE(file.Create(state.filePath, document.Frequency(), static_cast<uint16_t>(document.Channels())));
        if (!samples.empty()) {
            ASSERT_TRUE(file.Write(samples.data(), static_cast<uint32_t>(samples.size() * 2)));
        }
        ASSERT_TRUE(file.Close());
        state.frequency = document.Frequency();
        state.channels = static_cast<int16_t>(document.Channels());
        state.totalBytes = static_cast<int32_t>(samples.size() * 2);
        state.endView[0] = state.totalBytes;
        document.History().Push(state);
    }
    HistoryStore& History() { return document.History(); }
    // Selects bytes [start, end) at the current level (selected = false: a cursor at start).
    void Select(int32_t start, int32_t end, bool selected = true) {
        DocState& s = *document.Current();
        s.startSelect[s.zoomLevel] = start;
        s.endSelect[s.zoomLevel] = end;
        s.selected = selected ? 1 : 0;
    }
    // The samples of the current working file.
    std::vector<int16_t> Samples() {
        WaveFile file;
        EXPECT_TRUE(file.Open(document.Current()->filePath, WaveMode::Read));
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
    // PasteFromFile and MixFromFile create their file component by name: this one.
    void UseFileComponent(std::function<ComPtr<IVeskAudioFile>()> factory) {
        registry_.Register(std::string(kVeskAudioFileName), [factory](const IID& iid, void** object) -> HRESULT {
            ComPtr<IVeskAudioFile> file = factory();
            return file ? file->QueryInterface(iid, object) : REGDB_E_CLASSNOTREG;
        });
    }
    // Stop, as a host calls it from an event handler.
    void Cancel() { document.SetStatus(Status::Idle); }

private:
    void BlockOperation(int16_t percent) override {
        log.push_back("Block " + std::to_string(percent));
        if (onBlock) onBlock(percent);
    }
    void EndOperation() override { log.push_back("End"); }
    void Error(int32_t code) override { log.push_back("Error " + std::to_string(code)); }
    void BuildOverview() override { log.push_back("Overview"); }
    bool RecomputeView(int32_t start, int32_t end) override {
        log.push_back("View " + std::to_string(start) + " " + std::to_string(end));
        return true;
    }
    void Redraw() override { log.push_back("Redraw"); }
    void MarkersChanged() override { log.push_back("Markers"); }
    void FormatChanged() override { log.push_back("Channels"); }

    ClassRegistry registry_;
};

// A ramp of n samples (values 1..n modulo 30000), easy to recognise after a move.
inline std::vector<int16_t> Ramp(size_t n) {
    std::vector<int16_t> samples(n);
    for (size_t i = 0; i < n; ++i) samples[i] = static_cast<int16_t>((i + 1) % 30000);
    return samples;
}

}  // namespace vesk::test
