// VeskAudioPlayer on SDL2 audio. StartPlayback opens the chosen device (SDL's list, 0 = the
// default) for 16-bit frames of the play format; QueueBlock copies blocks into a lock-free
// queue that the device's callback drains; a notifier thread posts the events to the thread
// that created the player (see PlaybackSession). The device starts sounding when that thread
// next pumps its messages: by then the control has queued the blocks it feeds at the start of
// playback, so the sound begins with them and without a gap.
//
// Output volume (GetPlayVolume/SetPlayVolume) is a software gain on the samples sent to the
// device: 0 .. 65535, linear, 65535 = unity (the default). There is no boost above unity, so
// the volume never clips. SetPlayChannels(1/2) mutes the other side of a stereo block; the
// levels and GetCurrentPlayArray follow what is sent to the device, after volume and muting.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>

#include "components/SingleEventSource.h"
#include "components/VeskAudioPlayer.h"
#include "components/audio/ChannelGain.h"
#include "components/audio/EventPoster.h"
#include "components/audio/MixerLineMembers.h"
#include "components/audio/SoundLevel.h"
#include "components/sdl/PlaybackSession.h"
#include "components/sdl/SdlDeviceChoice.h"

namespace vesk {

class SdlAudioPlayer : public RefCounted,
                       public MixerLineMembers<IVeskAudioPlayer>,
                       public IConnectionPointContainer {
public:
    SdlAudioPlayer();
    ~SdlAudioPlayer();
    VESK_IUNKNOWN_IMPL(SdlAudioPlayer, IVeskAudioPlayer, IConnectionPointContainer)

    // For measurements: when the device's callback first took samples in this playback.
    std::optional<std::chrono::steady_clock::time_point> FirstBufferTime() const;

    HRESULT FindConnectionPoint(const IID& iid, IConnectionPoint** point) override;

    HRESULT SetPlayFormat(int32_t hz, int32_t channels) override;
    HRESULT SetPlayChannels(int16_t which) override;
    HRESULT StartPlayback() override;
    HRESULT QueueBlock(SAFEARRAY* block) override;
    HRESULT StopPlayback() override;
    HRESULT GetPlayerError(int32_t* errorCode) override;
    HRESULT GetCurrentPlayArray(int32_t count, SAFEARRAY** block) override;
    HRESULT SetPlayerTimerInterval(int16_t milliseconds) override;
    HRESULT SetPlayerLevelHold(int32_t milliseconds) override;

    HRESULT GetPlayDeviceCount(int16_t* count) override;
    HRESULT GetPlayDeviceNum(int16_t* index) override;
    HRESULT SetPlayDeviceNum(int16_t index) override;
    HRESULT GetPlayDeviceName(BSTR* name) override;
    HRESULT GetPlayVolume(int32_t* volume) override;
    HRESULT SetPlayVolume(int32_t volume) override;

    HRESULT GetOutputLineCount(int16_t* count) override { return LineCount(count); }
    HRESULT GetOutputLineNum(int16_t* index) override { return LineNum(index); }
    HRESULT SelectOutputLine(int16_t index) override { return ChooseLine(index); }

private:
    MixerLines& Lines() override;
    void UpdateGain();

    SingleEventSource events_;
    EventPoster poster_;
    SdlDeviceChoice devices_{false};
    std::unique_ptr<MixerLines> lines_;
    ChannelGain gain_;
    LevelHold hold_;
    std::atomic<int32_t> timerMs_{50};
    int32_t hz_ = 44100;
    int32_t channels_ = 2;
    int16_t which_ = 3;  // both sides
    int32_t volume_ = ChannelGain::kUnity;
    int32_t lastError_ = 0;
    // Last: it borrows the members above and goes before them.
    std::unique_ptr<PlaybackSession> session_;
};

}  // namespace vesk
