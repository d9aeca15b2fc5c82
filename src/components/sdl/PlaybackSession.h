// One playback, from StartPlayback to StopPlayback: the open output device, the queue and the
// stream its callback renders, and the notifier that turns the stream's progress into the
// player's events on the control's thread:
//   2 once the first buffer has gone to the device,
//   1 for every queued block the callback has finished, in order,
//   3 every TimerInterval ms: frames sounded since the start, left and right level,
//   5 once the queue has run dry after the last queued sample went out (or the device was
//     lost) — never while blocks are still queued.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "components/SingleEventSource.h"
#include "components/audio/ChannelGain.h"
#include "components/audio/EventPoster.h"
#include "components/audio/NotifierThread.h"
#include "components/audio/PlayQueue.h"
#include "components/audio/PlaybackStream.h"
#include "components/audio/SoundLevel.h"
#include "components/sdl/SdlAudioDevice.h"
#include "platform/concurrent/LatestValues.h"

namespace vesk {

class PlaybackSession final : private SdlAudioDevice::Callback, private NotifierThread::Client {
public:
    using Clock = std::chrono::steady_clock;

    struct Setup {
        int rateHz;
        int channels;
        std::string device;  // "" = the default device
        uint64_t session;    // the poster's session of this playback
    };
    // What the session borrows from the player, which outlives it.
    struct Player {
        const ChannelGain& gain;
        LevelHold& hold;
        const std::atomic<int32_t>& intervalMs;
        const EventPoster& poster;
        const SingleEventSource& events;
    };

    // Opens the device (paused) and starts the notifier; null when the device cannot be opened.
    static std::unique_ptr<PlaybackSession> Open(const Setup& setup, const Player& player);
    // Stops the notifier and closes the device.
    ~PlaybackSession() override;

    // Starts the device's callback.
    void Resume() { device_->Resume(); }
    void Queue(std::span<const int16_t> block) { queue_.Append(block); }
    std::vector<int16_t> Latest(size_t count) const;
    bool Started() const { return stream_.Started(); }
    Clock::time_point FirstBufferTime() const { return stream_.FirstBufferTime(); }

private:
    PlaybackSession(const Setup& setup, const Player& player);

    void OnBuffer(std::span<int16_t> samples) override { stream_.Render(samples); }
    void Poll(bool positionDue) override;
    void Post(std::function<void(const SingleEventSource&)> fire) const;

    const Setup setup_;
    const Player player_;
    PlayQueue queue_;
    PeakMeter meter_;
    LatestValues<int16_t> latest_;
    PlaybackStream stream_;
    std::unique_ptr<SdlAudioDevice> device_;
    NotifierThread notifier_;
    // Notifier-only state.
    bool startPosted_ = false;
    bool endPosted_ = false;
    uint64_t endPostedAt_ = 0;  // queued samples when 5 was posted
};

}  // namespace vesk
