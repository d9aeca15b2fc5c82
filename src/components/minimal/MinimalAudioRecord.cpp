#include "components/minimal/MinimalAudioRecord.h"

#include "components/ComponentErrors.h"
#include "platform/automation/OutParam.h"

namespace vesk {
HRESULT MinimalAudioRecord::FindConnectionPoint(const IID& iid, IConnectionPoint** point) {
    return events_.Find(iid, point);
}

// --- Transport ------------------------------------------------------------------------------

HRESULT MinimalAudioRecord::SetRecordFormat(int32_t hz, int32_t channels) {
    recordHz_ = hz;
    recordChannels_ = channels;
    return S_OK;
}

HRESULT MinimalAudioRecord::SetRecordBlockFrames(int32_t frames) { return StoreValue(blockFrames_, frames); }

HRESULT MinimalAudioRecord::StartRecording() { return StoreValue(lastError_, component_error::kInpDriver); }

// Nothing is ever captured: blocks and the latest samples are empty.
HRESULT MinimalAudioRecord::GetRecordedBlock(SAFEARRAY** block) { return WriteOutEmptyBlock(block); }
HRESULT MinimalAudioRecord::StopRecording() { return S_OK; }
HRESULT MinimalAudioRecord::GetRecorderError(int32_t* errorCode) { return WriteOut(errorCode, lastError_); }
HRESULT MinimalAudioRecord::GetCurrentRecordArray(int32_t, SAFEARRAY** block) { return WriteOutEmptyBlock(block); }

// Truncating, in 64 bits so that long recordings at high rates do not overflow.
HRESULT MinimalAudioRecord::FramesToMilliseconds(int32_t frames, int32_t* milliseconds) {
    const int64_t ms = recordHz_ > 0 ? static_cast<int64_t>(frames) * 1000 / recordHz_ : 0;
    return WriteOut(milliseconds, static_cast<int32_t>(ms));
}

HRESULT MinimalAudioRecord::SetRecorderTimerInterval(int16_t milliseconds) {
    return StoreValue(timerMs_, milliseconds);
}

// --- Filters ----------------------------------------------------------------------------------

HRESULT MinimalAudioRecord::GetNotchFilterEnabled(VARIANT_BOOL* on) { return WriteOut(on, filters_.notchOn); }
HRESULT MinimalAudioRecord::SetNotchFilterEnabled(VARIANT_BOOL on) { return StoreValue(filters_.notchOn, on); }
HRESULT MinimalAudioRecord::GetHighPassFilterEnabled(VARIANT_BOOL* on) { return WriteOut(on, filters_.highPassOn); }
HRESULT MinimalAudioRecord::SetHighPassFilterEnabled(VARIANT_BOOL on) { return StoreValue(filters_.highPassOn, on); }
HRESULT MinimalAudioRecord::GetLowPassFilterEnabled(VARIANT_BOOL* on) { return WriteOut(on, filters_.lowPassOn); }
HRESULT MinimalAudioRecord::SetLowPassFilterEnabled(VARIANT_BOOL on) { return StoreValue(filters_.lowPassOn, on); }
HRESULT MinimalAudioRecord::GetNotchFilterFrequency(float* hz) { return WriteOut(hz, filters_.notchHz); }
HRESULT MinimalAudioRecord::SetNotchFilterFrequency(float hz) { return StoreValue(filters_.notchHz, hz); }
HRESULT MinimalAudioRecord::GetHighPassFilterFrequency(float* hz) { return WriteOut(hz, filters_.highPassHz); }
HRESULT MinimalAudioRecord::SetHighPassFilterFrequency(float hz) { return StoreValue(filters_.highPassHz, hz); }
HRESULT MinimalAudioRecord::GetLowPassFilterFrequency(float* hz) { return WriteOut(hz, filters_.lowPassHz); }
HRESULT MinimalAudioRecord::SetLowPassFilterFrequency(float hz) { return StoreValue(filters_.lowPassHz, hz); }

// --- Devices and lines: none exist; the shared line members live in StoredMixerLines ---------

HRESULT MinimalAudioRecord::GetRecordDeviceCount(int16_t* count) { return WriteOut(count, 0); }
HRESULT MinimalAudioRecord::GetRecordDeviceNum(int16_t* index) { return WriteOut(index, deviceNum_); }
HRESULT MinimalAudioRecord::SetRecordDeviceNum(int16_t index) { return StoreValue(deviceNum_, index); }
HRESULT MinimalAudioRecord::GetRecordDeviceName(BSTR* name) { return WriteOutText(name, ""); }
HRESULT MinimalAudioRecord::GetInputLineCount(int16_t* count) { return WriteOut(count, 0); }
HRESULT MinimalAudioRecord::GetInputLineNum(int16_t* index) { return WriteOut(index, CurrentLine()); }
HRESULT MinimalAudioRecord::SelectInputLine(int16_t index) { return ChooseLine(index); }

}  // namespace vesk
