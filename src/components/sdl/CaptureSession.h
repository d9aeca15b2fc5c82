// One recording, from StartRecording to StopRecording: the open input device, the ring its
// callback fills, the processing on the notifier (CaptureProcessor) and the recorder's events
// on the control's thread:
//   2 once the first buffer has been captured,
//   1 for every block of the set size, which travels with the message and waits in the
//     recorder for GetRecordedBlock,
//   3 every TimerInterval ms: frames captured since the start, left and right level.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "components/audio/CaptureStream.h"
#include "components/audio/ChannelGain.h"
#include "components/audio/EventPoster.h"
#include "components/audio/NotifierThread.h"
#include "components/audio/SoundLevel.h"
#include "components/sdl/SdlAudioDevice.h"
#include "platform/concurrent/LatestValues.h"
#include "platform/concurrent/SpscRing.h"

namespace vesk {

class SingleEventSource;

class CaptureSession final : private SdlAudioDevice::Callback, private NotifierThread::Client {
public:
    struct Setup {
        int rateHz;
        int channels;
        size_t blockFrames;
        std::string device;  // "" = the default device
        uint64_t session;    // the poster's session of this recording
    };
    // What the session borrows from the recorder, which outlives it.
    struct Recorder {
        const ChannelGain& gain;
        const FilterSettingsBox& filters;
        const std::atomic<int32_t>& intervalMs;
        const EventPoster& poster;
        const SingleEventSource& events;
        // On the control's thread: keeps a finished block for GetRecordedBlock.
        std::function<void(std::vector<int16_t>&&)> keepBlock;
    };

    // Opens the device, starts capturing and the notifier; null when it cannot be opened.
    static std::unique_ptr<CaptureSession> Open(const Setup& setup, const Recorder& recorder);
    ~CaptureSession() override;

    std::vector<int16_t> Latest(size_t count) const;

private:
    CaptureSession(const Setup& setup, const Recorder& recorder);

    void OnBuffer(std::span<int16_t> samples) override { stream_.Capture(samples); }
    void Poll(bool positionDue) override;
    void Post(std::function<void()> action) const;

    const Setup setup_;
    const Recorder recorder_;
    SpscRing<int16_t> ring_;
    PeakMeter meter_;
    LatestValues<int16_t> latest_;
    CaptureStream stream_;
    CaptureProcessor processor_;
    std::unique_ptr<SdlAudioDevice> device_;
    NotifierThread notifier_;
    bool startPosted_ = false;  // notifier only
};

}  // namespace vesk
