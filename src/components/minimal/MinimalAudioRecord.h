// VeskAudioRecord without an input device: no devices are listed, StartRecording reports
// INPDRIVER, no block is ever captured, and every setting (format, block size, timer, filters,
// device number, lines) is stored and read back. The SDL2 audio back-end replaces it later
// behind the same contract and fires the events through the same connection point.
#pragma once

#include <cstdint>

#include "components/SingleEventSource.h"
#include "components/VeskAudioRecord.h"
#include "components/minimal/StoredMixerLines.h"

namespace vesk {

class MinimalAudioRecord : public RefCounted,
                           public StoredMixerLines<IVeskAudioRecord>,
                           public IConnectionPointContainer {
public:
    MinimalAudioRecord() : events_(IID_VeskAudioRecordEvents) {}
    VESK_IUNKNOWN_IMPL(MinimalAudioRecord, IVeskAudioRecord, IConnectionPointContainer)

    // For tests: what the setters stored.
    int32_t RecordFrequencyHz() const { return recordHz_; }
    int32_t RecordChannelCount() const { return recordChannels_; }
    int32_t BlockFrames() const { return blockFrames_; }
    int16_t TimerIntervalMs() const { return timerMs_; }

    HRESULT FindConnectionPoint(const IID& iid, IConnectionPoint** point) override;

    HRESULT SetRecordFormat(int32_t hz, int32_t channels) override;
    HRESULT SetRecordBlockFrames(int32_t frames) override;
    HRESULT StartRecording() override;
    HRESULT GetRecordedBlock(SAFEARRAY** block) override;
    HRESULT StopRecording() override;
    HRESULT GetRecorderError(int32_t* errorCode) override;
    HRESULT GetCurrentRecordArray(int32_t count, SAFEARRAY** block) override;
    HRESULT FramesToMilliseconds(int32_t frames, int32_t* milliseconds) override;
    HRESULT SetRecorderTimerInterval(int16_t milliseconds) override;

    HRESULT GetNotchFilterEnabled(VARIANT_BOOL* on) override;
    HRESULT SetNotchFilterEnabled(VARIANT_BOOL on) override;
    HRESULT GetHighPassFilterEnabled(VARIANT_BOOL* on) override;
    HRESULT SetHighPassFilterEnabled(VARIANT_BOOL on) override;
    HRESULT GetLowPassFilterEnabled(VARIANT_BOOL* on) override;
    HRESULT SetLowPassFilterEnabled(VARIANT_BOOL on) override;
    HRESULT GetNotchFilterFrequency(float* hz) override;
    HRESULT SetNotchFilterFrequency(float hz) override;
    HRESULT GetHighPassFilterFrequency(float* hz) override;
    HRESULT SetHighPassFilterFrequency(float hz) override;
    HRESULT GetLowPassFilterFrequency(float* hz) override;
    HRESULT SetLowPassFilterFrequency(float hz) override;

    HRESULT GetRecordDeviceCount(int16_t* count) override;
    HRESULT GetRecordDeviceNum(int16_t* index) override;
    HRESULT SetRecordDeviceNum(int16_t index) override;
    HRESULT GetRecordDeviceName(BSTR* name) override;

    HRESULT GetInputLineCount(int16_t* count) override;
    HRESULT GetInputLineNum(int16_t* index) override;
    HRESULT SelectInputLine(int16_t index) override;

private:
    // The input filters as a host set them (they would run on the captured sound).
    struct Filters {
        VARIANT_BOOL notchOn = VARIANT_FALSE;
        VARIANT_BOOL highPassOn = VARIANT_FALSE;
        VARIANT_BOOL lowPassOn = VARIANT_FALSE;
        float notchHz = 50.0f;  // mains hum
        float highPassHz = 100.0f;
        float lowPassHz = 8000.0f;
    };

    SingleEventSource events_;
    Filters filters_;
    int32_t lastError_ = 0;
    int32_t recordHz_ = 44100;
    int32_t recordChannels_ = 2;
    int32_t blockFrames_ = 22050;  // half a second at the default rate
    int16_t timerMs_ = 50;
    int16_t deviceNum_ = 0;
};

}  // namespace vesk
