// VeskAudioPlayer without an output device: no devices are listed, StartPlayback reports
// OUTDRIVER, queued blocks are dropped, and every setting (format, channels, timer, device
// number, volumes, lines) is stored and read back. The SDL2 audio back-end replaces it later
// behind the same contract and fires the events through the same connection point.
#pragma once

#include <cstdint>

#include "components/SingleEventSource.h"
#include "components/VeskAudioPlayer.h"
#include "components/minimal/StoredMixerLines.h"

namespace vesk {

class MinimalAudioPlayer : public RefCounted,
                           public StoredMixerLines<IVeskAudioPlayer>,
                           public IConnectionPointContainer {
public:
    MinimalAudioPlayer() : events_(IID_VeskAudioPlayerEvents) {}
    VESK_IUNKNOWN_IMPL(MinimalAudioPlayer, IVeskAudioPlayer, IConnectionPointContainer)

    // For tests: what the setters stored.
    int32_t PlayFrequencyHz() const { return playHz_; }
    int32_t PlayChannelCount() const { return playChannelCount_; }
    int16_t PlayChannels() const { return playWhich_; }
    int16_t TimerIntervalMs() const { return timerMs_; }
    int32_t LevelHoldMs() const { return levelHoldMs_; }

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

    HRESULT GetOutputLineCount(int16_t* count) override;
    HRESULT GetOutputLineNum(int16_t* index) override;
    HRESULT SelectOutputLine(int16_t index) override;

private:
    SingleEventSource events_;
    int32_t lastError_ = 0;
    int32_t playHz_ = 44100;
    int32_t playChannelCount_ = 2;
    int16_t playWhich_ = 3;  // both channels
    int16_t timerMs_ = 50;
    int32_t levelHoldMs_ = 0;
    int16_t deviceNum_ = 0;
    int32_t volume_ = 65535;
};

}  // namespace vesk
