#include "components/sdl/SdlAudioPlayer.h"

#include "components/ComponentErrors.h"
#include "components/sdl/AudioFormatLimits.h"
#include "components/sdl/DeviceLines.h"
#include "components/audio/SampleBlocks.h"
#include "platform/automation/OutParam.h"

namespace vesk {

SdlAudioPlayer::SdlAudioPlayer() : events_(IID_VeskAudioPlayerEvents) {}

SdlAudioPlayer::~SdlAudioPlayer() { StopPlayback(); }

HRESULT SdlAudioPlayer::FindConnectionPoint(const IID& iid, IConnectionPoint** point) {
    return events_.Find(iid, point);
}

std::optional<std::chrono::steady_clock::time_point> SdlAudioPlayer::FirstBufferTime() const {
    if (!session_ || !session_->Started()) return std::nullopt;
    return session_->FirstBufferTime();
}

// --- Transport ------------------------------------------------------------------------------

// The format of the next StartPlayback (the control stops, sets the format, then starts).
HRESULT SdlAudioPlayer::SetPlayFormat(int32_t hz, int32_t channels) {
    hz_ = hz;
    channels_ = channels;
    UpdateGain();
    return S_OK;
}

HRESULT SdlAudioPlayer::SetPlayChannels(int16_t which) {
    which_ = which;
    UpdateGain();
    return S_OK;
}

// Volume on both sides of a stereo block unless one is muted; a mono block is never muted.
void SdlAudioPlayer::UpdateGain() {
    const bool stereo = channels_ == 2;
    const bool left = !stereo || which_ != 2;
    const bool right = !stereo || which_ != 1;
    gain_.Set(left ? volume_ : 0, right ? volume_ : 0);
}

HRESULT SdlAudioPlayer::StartPlayback() {
    StopPlayback();
    lastError_ = component_error::kOutDriver;
    if (!IsAcceptedAudioFormat(hz_, channels_) || !devices_.Available()) return S_OK;
    const PlaybackSession::Setup setup{hz_, channels_, devices_.OpenName(), poster_.NewSession()};
    session_ = PlaybackSession::Open(setup, {gain_, hold_, timerMs_, poster_, events_});
    if (!session_) return S_OK;
    lastError_ = component_error::kNone;
    poster_.Post(setup.session, [session = session_.get()] { session->Resume(); });
    return S_OK;
}

HRESULT SdlAudioPlayer::QueueBlock(SAFEARRAY* block) {
    if (session_) session_->Queue(SamplesOf(block));
    return S_OK;
}

HRESULT SdlAudioPlayer::StopPlayback() {
    poster_.NewSession();
    session_.reset();
    return S_OK;
}

HRESULT SdlAudioPlayer::GetPlayerError(int32_t* errorCode) { return WriteOut(errorCode, lastError_); }

HRESULT SdlAudioPlayer::GetCurrentPlayArray(int32_t count, SAFEARRAY** block) {
    if (!session_ || count <= 0) return WriteOutEmptyBlock(block);
    return WriteOutSamples(block, session_->Latest(static_cast<size_t>(count)));
}

HRESULT SdlAudioPlayer::SetPlayerTimerInterval(int16_t milliseconds) {
    timerMs_.store(milliseconds, std::memory_order_relaxed);
    return S_OK;
}

HRESULT SdlAudioPlayer::SetPlayerLevelHold(int32_t milliseconds) {
    hold_.SetHoldMs(milliseconds);
    return S_OK;
}

// --- Devices and volume ---------------------------------------------------------------------

HRESULT SdlAudioPlayer::GetPlayDeviceCount(int16_t* count) { return WriteOut(count, devices_.Count()); }
HRESULT SdlAudioPlayer::GetPlayDeviceNum(int16_t* index) { return WriteOut(index, devices_.Num()); }

HRESULT SdlAudioPlayer::SetPlayDeviceNum(int16_t index) {
    devices_.Choose(index);
    lines_.reset();
    ResetLine();
    return S_OK;
}

HRESULT SdlAudioPlayer::GetPlayDeviceName(BSTR* name) { return WriteOutText(name, devices_.Name()); }
HRESULT SdlAudioPlayer::GetPlayVolume(int32_t* volume) { return WriteOut(volume, volume_); }

HRESULT SdlAudioPlayer::SetPlayVolume(int32_t volume) {
    volume_ = ChannelGain::ClampGain(volume);
    UpdateGain();
    return S_OK;
}

MixerLines& SdlAudioPlayer::Lines() {
    if (!lines_) lines_ = MakeOutputLines(devices_);
    return *lines_;
}

}  // namespace vesk
