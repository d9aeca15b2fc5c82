// VeskAudioRecord on SDL2 audio. StartRecording opens the chosen input device (SDL's list,
// 0 = the default) for 16-bit frames of the record format and starts capturing at once; the
// callback only queues what it captured, and a notifier thread applies the input line's
// software gain and the input filters, measures the levels, cuts blocks of
// SetRecordBlockFrames frames and posts them with the events to the thread that created the
// recorder (see CaptureSession). GetRecordedBlock hands the oldest block over.
//
// The notch, high-pass and low-pass filters are second-order sections per channel; a change
// of a switch or a frequency applies from the next block on. Their levels and
// GetCurrentRecordArray show the sound as it is recorded: after gain and filters.
#pragma once

#include <atomic>
#include <cstdint>
#include <deque>
#include <memory>
#include <vector>

#include "components/SingleEventSource.h"
#include "components/VeskAudioRecord.h"
#include "components/audio/CaptureStream.h"
#include "components/audio/ChannelGain.h"
#include "components/audio/EventPoster.h"
#include "components/audio/MixerLineMembers.h"
#include "components/sdl/CaptureSession.h"
#include "components/sdl/SdlDeviceChoice.h"

namespace vesk {

class SdlAudioRecord : public RefCounted,
                       public MixerLineMembers<IVeskAudioRecord>,
                       public IConnectionPointContainer {
public:
    SdlAudioRecord();
    ~SdlAudioRecord();
    VESK_IUNKNOWN_IMPL(SdlAudioRecord, IVeskAudioRecord, IConnectionPointContainer)

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

    HRESULT GetInputLineCount(int16_t* count) override { return LineCount(count); }
    HRESULT GetInputLineNum(int16_t* index) override { return LineNum(index); }
    HRESULT SelectInputLine(int16_t index) override { return ChooseLine(index); }

private:
    // Largest block accepted: a minute at the highest rate.
    static constexpr int32_t kMaxBlockFrames = 384000 * 60;

    MixerLines& Lines() override;
    template <class T>
    HRESULT SetFilter(T FilterSettings::*field, T value);
    void KeepBlock(std::vector<int16_t>&& block);

    SingleEventSource events_;
    EventPoster poster_;
    SdlDeviceChoice devices_{true};
    ChannelGain gain_;  // the software input line's
    std::unique_ptr<MixerLines> lines_;
    FilterSettings filters_;
    FilterSettingsBox filterBox_;  // the copy the notifier reads
    std::atomic<int32_t> timerMs_{50};
    int32_t hz_ = 44100;
    int32_t channels_ = 2;
    int32_t blockFrames_ = 22050;  // half a second at the default rate
    int32_t lastError_ = 0;
    std::deque<std::vector<int16_t>> blocks_;  // captured, not yet taken
    // Last: it borrows the members above and goes before them.
    std::unique_ptr<CaptureSession> session_;
};

}  // namespace vesk
