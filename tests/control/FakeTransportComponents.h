// A player and a recorder for tests of the control's transport: they keep what the control
// queues and asks, fire their events when a test says so, and hand out the blocks a test gives
// them. Register them under the components' names in a test registry.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "components/SingleEventSource.h"
#include "components/VeskAudioPlayer.h"
#include "components/VeskAudioRecord.h"
#include "platform/automation/OutParam.h"

namespace vesk::test {

// The line and device operations both fakes share: one selectable line with a volume.
template <class Interface>
class FakeLines : public Interface {
public:
    int32_t lineVolume = 30000;
    VARIANT_BOOL lineSelected = VARIANT_TRUE;
    int16_t lineCount = 1;

    HRESULT GetLineName(BSTR* name) override { return WriteOutText(name, "line"); }
    HRESULT GetLineAdvancedCount(int16_t* count) override { return WriteOut<int16_t>(count, 0); }
    HRESULT GetLineAdvancedName(int16_t, BSTR* name) override { return WriteOutText(name, ""); }
    HRESULT GetLineAdvancedValue(int16_t, VARIANT*) override { return S_OK; }
    HRESULT SetLineAdvancedValue(int16_t, VARIANT) override { return S_OK; }
    HRESULT GetLineBalance(int16_t* balance) override { return WriteOut<int16_t>(balance, 0); }
    HRESULT SetLineBalance(int16_t) override { return S_OK; }
    HRESULT GetLineVolume(int32_t* volume) override { return WriteOut(volume, lineVolume); }
    HRESULT SetLineVolume(int32_t volume) override {
        lineVolume = volume;
        return S_OK;
    }
    HRESULT GetLineSelected(VARIANT_BOOL* selected) override { return WriteOut(selected, lineSelected); }
    HRESULT SetLineSelected(VARIANT_BOOL selected) override {
        lineSelected = selected;
        return S_OK;
    }
};

class FakePlayer : public RefCounted, public FakeLines<IVeskAudioPlayer>, public IConnectionPointContainer {
public:
    FakePlayer() : events(IID_VeskAudioPlayerEvents) {}
    VESK_IUNKNOWN_IMPL(FakePlayer, IVeskAudioPlayer, IConnectionPointContainer)

    SingleEventSource events;
    int32_t error = 0;  // what StartPlayback reports
    std::vector<std::string> calls;
    std::vector<std::vector<int16_t>> queued;

    HRESULT FindConnectionPoint(const IID& iid, IConnectionPoint** point) override { return events.Find(iid, point); }
    HRESULT SetPlayFormat(int32_t hz, int32_t channels) override {
        calls.push_back("SetPlayFormat " + std::to_string(hz) + " " + std::to_string(channels));
        return S_OK;
    }
    HRESULT SetPlayChannels(int16_t which) override {
        calls.push_back("SetPlayChannels " + std::to_string(which));
        return S_OK;
    }
    HRESULT StartPlayback() override {
        calls.push_back("StartPlayback");
        return S_OK;
    }
    HRESULT QueueBlock(SAFEARRAY* block) override {
        const auto samples = SafeArraySpan<int16_t>(block, VT_I2);
        queued.emplace_back(samples.begin(), samples.end());
        return S_OK;
    }
    HRESULT StopPlayback() override {
        calls.push_back("StopPlayback");
        return S_OK;
    }
    HRESULT GetPlayerError(int32_t* code) override { return WriteOut(code, error); }
    HRESULT GetCurrentPlayArray(int32_t count, SAFEARRAY** block) override {
        *block = SafeArrayCreateVector(VT_I2, 0, static_cast<uint32_t>(count));
        return S_OK;
    }
    HRESULT SetPlayerTimerInterval(int16_t) override { return S_OK; }
    HRESULT SetPlayerLevelHold(int32_t) override { return S_OK; }
    HRESULT GetPlayDeviceCount(int16_t* count) override { return WriteOut<int16_t>(count, 1); }
    HRESULT GetPlayDeviceNum(int16_t* index) override { return WriteOut<int16_t>(index, 0); }
    HRESULT SetPlayDeviceNum(int16_t) override { return S_OK; }
    HRESULT GetPlayDeviceName(BSTR* name) override { return WriteOutText(name, "fake output"); }
    HRESULT GetPlayVolume(int32_t* volume) override { return WriteOut(volume, 65535); }
    HRESULT SetPlayVolume(int32_t) override { return S_OK; }
    HRESULT GetOutputLineCount(int16_t* count) override { return WriteOut(count, lineCount); }
    HRESULT GetOutputLineNum(int16_t* index) override { return WriteOut<int16_t>(index, 0); }
    HRESULT SelectOutputLine(int16_t) override { return S_OK; }

    // All samples queued so far, in order.
    std::vector<int16_t> Played() const {
        std::vector<int16_t> all;
        for (const auto& block : queued) all.insert(all.end(), block.begin(), block.end());
        return all;
    }
};

class FakeRecorder : public RefCounted, public FakeLines<IVeskAudioRecord>, public IConnectionPointContainer {
public:
    FakeRecorder() : events(IID_VeskAudioRecordEvents) {}
    VESK_IUNKNOWN_IMPL(FakeRecorder, IVeskAudioRecord, IConnectionPointContainer)

    SingleEventSource events;
    int32_t error = 0;  // what StartRecording reports
    int32_t blockFrames = 0;
    std::vector<std::string> calls;
    std::deque<std::vector<int16_t>> blocks;  // what GetRecordedBlock hands out next

    // The recorder captured `samples`: it announces the block.
    void Capture(std::vector<int16_t> samples) {
        blocks.push_back(std::move(samples));
        events.Fire(record_event::kBlockReady);
    }

    HRESULT FindConnectionPoint(const IID& iid, IConnectionPoint** point) override { return events.Find(iid, point); }
    HRESULT SetRecordFormat(int32_t hz, int32_t channels) override {
        calls.push_back("SetRecordFormat " + std::to_string(hz) + " " + std::to_string(channels));
        return S_OK;
    }
    HRESULT SetRecordBlockFrames(int32_t frames) override {
        blockFrames = frames;
        return S_OK;
    }
    HRESULT StartRecording() override {
        calls.push_back("StartRecording");
        return S_OK;
    }
    HRESULT GetRecordedBlock(SAFEARRAY** block) override {
        std::vector<int16_t> next;
        if (!blocks.empty()) {
            next = std::move(blocks.front());
            blocks.pop_front();
        }
        *block = SafeArrayCreateVector(VT_I2, 0, static_cast<uint32_t>(next.size()));
        std::copy(next.begin(), next.end(), SafeArraySpan<int16_t>(*block, VT_I2).begin());
        return S_OK;
    }
    HRESULT StopRecording() override {
        calls.push_back("StopRecording");
        return S_OK;
    }
    HRESULT GetRecorderError(int32_t* code) override { return WriteOut(code, error); }
    HRESULT GetCurrentRecordArray(int32_t count, SAFEARRAY** block) override {
        *block = SafeArrayCreateVector(VT_I2, 0, static_cast<uint32_t>(count));
        return S_OK;
    }
    HRESULT FramesToMilliseconds(int32_t frames, int32_t* ms) override { return WriteOut(ms, frames / 8); }
    HRESULT SetRecorderTimerInterval(int16_t) override { return S_OK; }
    HRESULT GetNotchFilterEnabled(VARIANT_BOOL* on) override { return WriteOut<VARIANT_BOOL>(on, 0); }
    HRESULT SetNotchFilterEnabled(VARIANT_BOOL) override { return S_OK; }
    HRESULT GetHighPassFilterEnabled(VARIANT_BOOL* on) override { return WriteOut<VARIANT_BOOL>(on, 0); }
    HRESULT SetHighPassFilterEnabled(VARIANT_BOOL) override { return S_OK; }
    HRESULT GetLowPassFilterEnabled(VARIANT_BOOL* on) override { return WriteOut<VARIANT_BOOL>(on, 0); }
    HRESULT SetLowPassFilterEnabled(VARIANT_BOOL) override { return S_OK; }
    HRESULT GetNotchFilterFrequency(float* hz) override { return WriteOut(hz, 50.0f); }
    HRESULT SetNotchFilterFrequency(float) override { return S_OK; }
    HRESULT GetHighPassFilterFrequency(float* hz) override { return WriteOut(hz, 50.0f); }
    HRESULT SetHighPassFilterFrequency(float) override { return S_OK; }
    HRESULT GetLowPassFilterFrequency(float* hz) override { return WriteOut(hz, 5000.0f); }
    HRESULT SetLowPassFilterFrequency(float) override { return S_OK; }
    HRESULT GetRecordDeviceCount(int16_t* count) override { return WriteOut<int16_t>(count, 1); }
    HRESULT GetRecordDeviceNum(int16_t* index) override { return WriteOut<int16_t>(index, 0); }
    HRESULT SetRecordDeviceNum(int16_t) override { return S_OK; }
    HRESULT GetRecordDeviceName(BSTR* name) override { return WriteOutText(name, "fake input"); }
    HRESULT GetInputLineCount(int16_t* count) override { return WriteOut(count, lineCount); }
    HRESULT GetInputLineNum(int16_t* index) override { return WriteOut<int16_t>(index, 0); }
    HRESULT SelectInputLine(int16_t) override { return S_OK; }
};

}  // namespace vesk::test
