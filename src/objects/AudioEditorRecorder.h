// Recording options. The voice-gate (Accu*) and automatic-gain (AGC*) settings are stored
// here; the input filters live in the record component and are forwarded to it.
//
// Levels cross the interface in dB below full scale (negative) and are stored as
// value + 90.309 (the dB range of 16-bit samples) truncated, so that the stored value is a
// positive level on the same scale as the meters.
#pragma once

#include <memory>

#include "components/VeskAudioRecord.h"
#include "interaction/TransportSettings.h"
#include "objects/typelib/Bindings.h"
#include "objects/EditorHost.h"
#include "platform/automation/DispatchImpl.h"

namespace vesk {

class AudioEditorRecorder : public RefCounted, public DispatchImpl<IAudioEditorRecorder> {
public:
    static constexpr double kFullScaleDb = 90.30873362283398;
    static int32_t StoreLevel(int32_t decibels);
    static int32_t ReadLevel(int32_t stored);

    AudioEditorRecorder() = default;
    VESK_IUNKNOWN_IMPL(AudioEditorRecorder, IAudioEditorRecorder, IDispatch)

    void SetHost(EditorHost* host) { host_ = host; }
    void SetRecordComponent(IVeskAudioRecord* recorder) { recorder_ = ComPtr<IVeskAudioRecord>(recorder); }
    // The settings recording reads (shared with the transport).
    std::shared_ptr<const RecorderSettings> Settings() const { return settings_; }

    HRESULT get_AccuAttackTime(int32_t* value) override;
    HRESULT put_AccuAttackTime(int32_t value) override;
    HRESULT get_AccuAttackLevel(int32_t* value) override;
    HRESULT put_AccuAttackLevel(int32_t value) override;
    HRESULT get_AccuReleaseTime(int32_t* value) override;
    HRESULT put_AccuReleaseTime(int32_t value) override;
    HRESULT get_AccuReleaseLevel(int32_t* value) override;
    HRESULT put_AccuReleaseLevel(int32_t value) override;
    HRESULT get_AccuEnabled(VARIANT_BOOL* value) override;
    HRESULT put_AccuEnabled(VARIANT_BOOL value) override;
    HRESULT get_NotchFilterEnabled(VARIANT_BOOL* value) override;
    HRESULT put_NotchFilterEnabled(VARIANT_BOOL value) override;
    HRESULT get_HighPassFilterEnabled(VARIANT_BOOL* value) override;
    HRESULT put_HighPassFilterEnabled(VARIANT_BOOL value) override;
    HRESULT get_LowPassFilterEnabled(VARIANT_BOOL* value) override;
    HRESULT put_LowPassFilterEnabled(VARIANT_BOOL value) override;
    HRESULT get_HighPassFilterFrequency(float* value) override;
    HRESULT put_HighPassFilterFrequency(float value) override;
    HRESULT get_LowPassFilterFrequency(float* value) override;
    HRESULT put_LowPassFilterFrequency(float value) override;
    HRESULT get_NotchFilterFrequency(float* value) override;
    HRESULT put_NotchFilterFrequency(float value) override;
    HRESULT get_AGCLowLevel(int32_t* value) override;
    HRESULT put_AGCLowLevel(int32_t value) override;
    HRESULT get_AGCHighLevel(int32_t* value) override;
    HRESULT put_AGCHighLevel(int32_t value) override;
    HRESULT get_AGCRate(float* value) override;
    HRESULT put_AGCRate(float value) override;
    HRESULT get_AGCEnabled(VARIANT_BOOL* value) override;
    HRESULT put_AGCEnabled(VARIANT_BOOL value) override;

private:
    template <class T>
    HRESULT PutAccu(T& field, T value);
    // Forwards to the record component when there is one (an answer of 0 otherwise).
    template <class T, class Getter>
    HRESULT Forward(T* value, Getter getter);

    EditorHost* host_ = nullptr;
    ComPtr<IVeskAudioRecord> recorder_;
    std::shared_ptr<RecorderSettings> settings_ = std::make_shared<RecorderSettings>();
};

}  // namespace vesk
