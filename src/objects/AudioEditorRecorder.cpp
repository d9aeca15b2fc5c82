#include "objects/AudioEditorRecorder.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "platform/automation/OutParam.h"

namespace vesk {

// In double and limited to the long range: a level near either end of it must not overflow when
// the full-scale offset is added or taken away.
int32_t AudioEditorRecorder::StoreLevel(int32_t decibels) {
    return static_cast<int32_t>(std::clamp(decibels + kFullScaleDb, double{INT32_MIN}, double{INT32_MAX}));
}

int32_t AudioEditorRecorder::ReadLevel(int32_t stored) {
    return static_cast<int32_t>(std::clamp(-std::trunc(kFullScaleDb - stored), double{INT32_MIN}, double{INT32_MAX}));
}

template <class T>
HRESULT AudioEditorRecorder::PutAccu(T& field, T value) {
    field = value;
    if (host_) host_->RecorderSettingsChanged();
    return S_OK;
}

template <class T, class Getter>
HRESULT AudioEditorRecorder::Forward(T* value, Getter getter) {
    if (!value) return E_POINTER;
    *value = T{};
    if (recorder_) (recorder_.get()->*getter)(value);
    return S_OK;
}

HRESULT AudioEditorRecorder::get_AccuAttackTime(int32_t* value) { return WriteOut(value, settings_->accuAttackTime); }
HRESULT AudioEditorRecorder::put_AccuAttackTime(int32_t value) { return PutAccu(settings_->accuAttackTime, value); }
HRESULT AudioEditorRecorder::get_AccuAttackLevel(int32_t* value) {
    return WriteOut(value, ReadLevel(settings_->accuAttackLevel));
}
HRESULT AudioEditorRecorder::put_AccuAttackLevel(int32_t value) {
    return PutAccu(settings_->accuAttackLevel, StoreLevel(value));
}
HRESULT AudioEditorRecorder::get_AccuReleaseTime(int32_t* value) { return WriteOut(value, settings_->accuReleaseTime); }
HRESULT AudioEditorRecorder::put_AccuReleaseTime(int32_t value) { return PutAccu(settings_->accuReleaseTime, value); }
HRESULT AudioEditorRecorder::get_AccuReleaseLevel(int32_t* value) {
    return WriteOut(value, ReadLevel(settings_->accuReleaseLevel));
}
HRESULT AudioEditorRecorder::put_AccuReleaseLevel(int32_t value) {
    return PutAccu(settings_->accuReleaseLevel, StoreLevel(value));
}
HRESULT AudioEditorRecorder::get_AccuEnabled(VARIANT_BOOL* value) { return WriteOut(value, settings_->accuEnabled); }
HRESULT AudioEditorRecorder::put_AccuEnabled(VARIANT_BOOL value) { return PutAccu(settings_->accuEnabled, value); }

HRESULT AudioEditorRecorder::get_NotchFilterEnabled(VARIANT_BOOL* value) {
    return Forward(value, &IVeskAudioRecord::GetNotchFilterEnabled);
}
HRESULT AudioEditorRecorder::put_NotchFilterEnabled(VARIANT_BOOL value) {
    if (recorder_) recorder_->SetNotchFilterEnabled(value);
    return S_OK;
}
HRESULT AudioEditorRecorder::get_HighPassFilterEnabled(VARIANT_BOOL* value) {
    return Forward(value, &IVeskAudioRecord::GetHighPassFilterEnabled);
}
HRESULT AudioEditorRecorder::put_HighPassFilterEnabled(VARIANT_BOOL value) {
    if (recorder_) recorder_->SetHighPassFilterEnabled(value);
    return S_OK;
}
HRESULT AudioEditorRecorder::get_LowPassFilterEnabled(VARIANT_BOOL* value) {
    return Forward(value, &IVeskAudioRecord::GetLowPassFilterEnabled);
}
HRESULT AudioEditorRecorder::put_LowPassFilterEnabled(VARIANT_BOOL value) {
    if (recorder_) recorder_->SetLowPassFilterEnabled(value);
    return S_OK;
}
HRESULT AudioEditorRecorder::get_HighPassFilterFrequency(float* value) {
    return Forward(value, &IVeskAudioRecord::GetHighPassFilterFrequency);
}
HRESULT AudioEditorRecorder::put_HighPassFilterFrequency(float value) {
    if (recorder_) recorder_->SetHighPassFilterFrequency(value);
    return S_OK;
}
HRESULT AudioEditorRecorder::get_LowPassFilterFrequency(float* value) {
    return Forward(value, &IVeskAudioRecord::GetLowPassFilterFrequency);
}
HRESULT AudioEditorRecorder::put_LowPassFilterFrequency(float value) {
    if (recorder_) recorder_->SetLowPassFilterFrequency(value);
    return S_OK;
}
HRESULT AudioEditorRecorder::get_NotchFilterFrequency(float* value) {
    return Forward(value, &IVeskAudioRecord::GetNotchFilterFrequency);
}
HRESULT AudioEditorRecorder::put_NotchFilterFrequency(float value) {
    if (recorder_) recorder_->SetNotchFilterFrequency(value);
    return S_OK;
}

HRESULT AudioEditorRecorder::get_AGCLowLevel(int32_t* value) { return WriteOut(value, ReadLevel(settings_->agcLowLevel)); }
HRESULT AudioEditorRecorder::put_AGCLowLevel(int32_t value) {
    settings_->agcLowLevel = StoreLevel(value);
    return S_OK;
}
HRESULT AudioEditorRecorder::get_AGCHighLevel(int32_t* value) {
    return WriteOut(value, ReadLevel(settings_->agcHighLevel));
}
HRESULT AudioEditorRecorder::put_AGCHighLevel(int32_t value) {
    settings_->agcHighLevel = StoreLevel(value);
    return S_OK;
}
HRESULT AudioEditorRecorder::get_AGCRate(float* value) { return WriteOut(value, settings_->agcRate); }
HRESULT AudioEditorRecorder::put_AGCRate(float value) {
    settings_->agcRate = value;
    return S_OK;
}
HRESULT AudioEditorRecorder::get_AGCEnabled(VARIANT_BOOL* value) { return WriteOut(value, settings_->agcEnabled); }
HRESULT AudioEditorRecorder::put_AGCEnabled(VARIANT_BOOL value) {
    settings_->agcEnabled = value;
    return S_OK;
}

}  // namespace vesk
