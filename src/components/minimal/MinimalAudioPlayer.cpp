#include "components/minimal/MinimalAudioPlayer.h"

#include "components/ComponentErrors.h"
#include "platform/automation/OutParam.h"

namespace vesk {

HRESULT MinimalAudioPlayer::FindConnectionPoint(const IID& iid, IConnectionPoint** point) {
    return events_.Find(iid, point);
}

// --- Transport ------------------------------------------------------------------------------

HRESULT MinimalAudioPlayer::SetPlayFormat(int32_t hz, int32_t channels) {
    playHz_ = hz;
    playChannelCount_ = channels;
    return S_OK;
}

HRESULT MinimalAudioPlayer::SetPlayChannels(int16_t which) { return StoreValue(playWhich_, which); }

HRESULT MinimalAudioPlayer::StartPlayback() { return StoreValue(lastError_, component_error::kOutDriver); }

HRESULT MinimalAudioPlayer::QueueBlock(SAFEARRAY*) { return S_OK; }
HRESULT MinimalAudioPlayer::StopPlayback() { return S_OK; }
HRESULT MinimalAudioPlayer::GetPlayerError(int32_t* errorCode) { return WriteOut(errorCode, lastError_); }
// Nothing has been sent to a device, so the latest samples are none.
HRESULT MinimalAudioPlayer::GetCurrentPlayArray(int32_t, SAFEARRAY** block) { return WriteOutEmptyBlock(block); }

HRESULT MinimalAudioPlayer::SetPlayerTimerInterval(int16_t milliseconds) { return StoreValue(timerMs_, milliseconds); }

HRESULT MinimalAudioPlayer::SetPlayerLevelHold(int32_t milliseconds) { return StoreValue(levelHoldMs_, milliseconds); }

// --- Devices: none exist ----------------------------------------------------------------------

HRESULT MinimalAudioPlayer::GetPlayDeviceCount(int16_t* count) { return WriteOut(count, 0); }
HRESULT MinimalAudioPlayer::GetPlayDeviceNum(int16_t* index) { return WriteOut(index, deviceNum_); }

HRESULT MinimalAudioPlayer::SetPlayDeviceNum(int16_t index) { return StoreValue(deviceNum_, index); }

HRESULT MinimalAudioPlayer::GetPlayDeviceName(BSTR* name) { return WriteOutText(name, ""); }
HRESULT MinimalAudioPlayer::GetPlayVolume(int32_t* volume) { return WriteOut(volume, volume_); }

HRESULT MinimalAudioPlayer::SetPlayVolume(int32_t volume) { return StoreValue(volume_, volume); }

// --- Lines: none exist; the shared line members live in StoredMixerLines ------------------

HRESULT MinimalAudioPlayer::GetOutputLineCount(int16_t* count) { return WriteOut(count, 0); }
HRESULT MinimalAudioPlayer::GetOutputLineNum(int16_t* index) { return WriteOut(index, CurrentLine()); }
HRESULT MinimalAudioPlayer::SelectOutputLine(int16_t index) { return ChooseLine(index); }

}  // namespace vesk
