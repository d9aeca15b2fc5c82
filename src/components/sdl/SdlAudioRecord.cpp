#include "components/sdl/SdlAudioRecord.h"

#include <algorithm>

#include "components/ComponentErrors.h"
#include "components/audio/SampleBlocks.h"
#include "components/sdl/AudioFormatLimits.h"
#include "components/sdl/DeviceLines.h"
#include "platform/automation/OutParam.h"

namespace vesk {

SdlAudioRecord::SdlAudioRecord() : events_(IID_VeskAudioRecordEvents) {}

SdlAudioRecord::~SdlAudioRecord() { StopRecording(); }

HRESULT SdlAudioRecord::FindConnectionPoint(const IID& iid, IConnectionPoint** point) {
    return events_.Find(iid, point);
}

// --- Transport ------------------------------------------------------------------------------

HRESULT SdlAudioRecord::SetRecordFormat(int32_t hz, int32_t channels) {
    hz_ = hz;
    channels_ = channels;
    return S_OK;
}

HRESULT SdlAudioRecord::SetRecordBlockFrames(int32_t frames) {
    blockFrames_ = std::clamp(frames, 1, kMaxBlockFrames);
    return S_OK;
}

HRESULT SdlAudioRecord::StartRecording() {
    StopRecording();
    lastError_ = component_error::kInpDriver;
    if (!IsAcceptedAudioFormat(hz_, channels_) || !devices_.Available()) return S_OK;
    Lines();  // the software line's gain is in force from the first block
    const CaptureSession::Setup setup{hz_, channels_, static_cast<size_t>(blockFrames_), devices_.OpenName(),
                                      poster_.NewSession()};
    session_ = CaptureSession::Open(
        setup, {gain_, filterBox_, timerMs_, poster_, events_, [this](std::vector<int16_t>&& block) {
                    KeepBlock(std::move(block));
                }});
    if (session_) lastError_ = component_error::kNone;
    return S_OK;
}

void SdlAudioRecord::KeepBlock(std::vector<int16_t>&& block) { blocks_.push_back(std::move(block)); }

HRESULT SdlAudioRecord::GetRecordedBlock(SAFEARRAY** block) {
    if (blocks_.empty()) return WriteOutEmptyBlock(block);
    const HRESULT hr = WriteOutSamples(block, blocks_.front());
    blocks_.pop_front();
    return hr;
}

HRESULT SdlAudioRecord::StopRecording() {
    poster_.NewSession();
    session_.reset();
    blocks_.clear();
    return S_OK;
}

HRESULT SdlAudioRecord::GetRecorderError(int32_t* errorCode) { return WriteOut(errorCode, lastError_); }

HRESULT SdlAudioRecord::GetCurrentRecordArray(int32_t count, SAFEARRAY** block) {
    if (!session_ || count <= 0) return WriteOutEmptyBlock(block);
    return WriteOutSamples(block, session_->Latest(static_cast<size_t>(count)));
}

// Truncating, in 64 bits so that long recordings at high rates do not overflow.
HRESULT SdlAudioRecord::FramesToMilliseconds(int32_t frames, int32_t* milliseconds) {
    const int64_t ms = hz_ > 0 ? static_cast<int64_t>(frames) * 1000 / hz_ : 0;
    return WriteOut(milliseconds, static_cast<int32_t>(ms));
}

HRESULT SdlAudioRecord::SetRecorderTimerInterval(int16_t milliseconds) {
    timerMs_.store(milliseconds, std::memory_order_relaxed);
    return S_OK;
}

// --- Filters --------------------------------------------------------------------------------

template <class T>
HRESULT SdlAudioRecord::SetFilter(T FilterSettings::*field, T value) {
    filters_.*field = value;
    filterBox_.Set(filters_);
    return S_OK;
}

namespace {
VARIANT_BOOL AsBool(bool on) { return on ? VARIANT_TRUE : VARIANT_FALSE; }
}  // namespace

HRESULT SdlAudioRecord::GetNotchFilterEnabled(VARIANT_BOOL* on) { return WriteOut(on, AsBool(filters_.notchOn)); }
HRESULT SdlAudioRecord::SetNotchFilterEnabled(VARIANT_BOOL on) {
    return SetFilter(&FilterSettings::notchOn, on != VARIANT_FALSE);
}
HRESULT SdlAudioRecord::GetHighPassFilterEnabled(VARIANT_BOOL* on) {
    return WriteOut(on, AsBool(filters_.highPassOn));
}
HRESULT SdlAudioRecord::SetHighPassFilterEnabled(VARIANT_BOOL on) {
    return SetFilter(&FilterSettings::highPassOn, on != VARIANT_FALSE);
}
HRESULT SdlAudioRecord::GetLowPassFilterEnabled(VARIANT_BOOL* on) { return WriteOut(on, AsBool(filters_.lowPassOn)); }
HRESULT SdlAudioRecord::SetLowPassFilterEnabled(VARIANT_BOOL on) {
    return SetFilter(&FilterSettings::lowPassOn, on != VARIANT_FALSE);
}
HRESULT SdlAudioRecord::GetNotchFilterFrequency(float* hz) { return WriteOut(hz, filters_.notchHz); }
HRESULT SdlAudioRecord::SetNotchFilterFrequency(float hz) { return SetFilter(&FilterSettings::notchHz, hz); }
HRESULT SdlAudioRecord::GetHighPassFilterFrequency(float* hz) { return WriteOut(hz, filters_.highPassHz); }
HRESULT SdlAudioRecord::SetHighPassFilterFrequency(float hz) { return SetFilter(&FilterSettings::highPassHz, hz); }
HRESULT SdlAudioRecord::GetLowPassFilterFrequency(float* hz) { return WriteOut(hz, filters_.lowPassHz); }
HRESULT SdlAudioRecord::SetLowPassFilterFrequency(float hz) { return SetFilter(&FilterSettings::lowPassHz, hz); }

// --- Devices and lines ----------------------------------------------------------------------

HRESULT SdlAudioRecord::GetRecordDeviceCount(int16_t* count) { return WriteOut(count, devices_.Count()); }
HRESULT SdlAudioRecord::GetRecordDeviceNum(int16_t* index) { return WriteOut(index, devices_.Num()); }

HRESULT SdlAudioRecord::SetRecordDeviceNum(int16_t index) {
    devices_.Choose(index);
    lines_.reset();
    ResetLine();
    return S_OK;
}

HRESULT SdlAudioRecord::GetRecordDeviceName(BSTR* name) { return WriteOutText(name, devices_.Name()); }

MixerLines& SdlAudioRecord::Lines() {
    if (!lines_) lines_ = MakeInputLines(devices_, gain_);
    return *lines_;
}

}  // namespace vesk
