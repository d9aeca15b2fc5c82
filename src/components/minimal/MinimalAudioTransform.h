// VeskAudioTransform without signal processing: it stores the sample rate and the smoothing
// settings, and every Apply operation leaves the block as it was. Our own DSP (with SoundTouch
// for Stretch and an FFT library for the FFT filter and the equalizer) replaces it later
// behind the same contract and reports progress through the same connection point.
#pragma once

#include <cstdint>

#include "components/SingleEventSource.h"
#include "components/VeskAudioTransform.h"

namespace vesk {

class MinimalAudioTransform : public RefCounted, public IVeskAudioTransform, public IConnectionPointContainer {
public:
    MinimalAudioTransform() : events_(IID_VeskAudioTransformEvents) {}
    VESK_IUNKNOWN_IMPL(MinimalAudioTransform, IVeskAudioTransform, IConnectionPointContainer)

    // For tests: what the setters stored.
    int32_t FrequencyHz() const { return frequencyHz_; }
    int16_t SmoothStart() const { return smoothStart_; }
    int16_t SmoothEnd() const { return smoothEnd_; }
    int32_t SmoothTimeMs() const { return smoothTimeMs_; }

    HRESULT FindConnectionPoint(const IID& iid, IConnectionPoint** point) override;

    HRESULT SetFrequency(int32_t hz) override;
    HRESULT SetSmoothStart(int16_t on) override;
    HRESULT SetSmoothEnd(int16_t on) override;
    HRESULT SetSmoothTime(int32_t milliseconds) override;
    HRESULT AbortTransform() override;

    HRESULT ApplySilence(SAFEARRAY** block) override;
    HRESULT ApplyReverse(SAFEARRAY** block) override;
    HRESULT ApplyInvert(SAFEARRAY** block) override;
    HRESULT ApplyAmplify(SAFEARRAY** block, float factor) override;
    HRESULT ApplyAddNoise(SAFEARRAY** block, float amplitude, int32_t noiseType) override;
    HRESULT ApplyMixStereoChannels(SAFEARRAY** block, float ampLL, float ampLR, float ampRL, float ampRR) override;
    HRESULT ApplyFade(SAFEARRAY** block, float amplifyStart, float amplifyEnd) override;
    HRESULT ApplyNormalize(SAFEARRAY** block, float normalization, VARIANT_BOOL dcBiasAdjust) override;
    HRESULT ApplyVibrato(SAFEARRAY** block, float sweepDepth, float sweepFrequency, float sweepPhase) override;
    HRESULT ApplyEnvelope(SAFEARRAY** block, SAFEARRAY* dbEnvelope) override;
    HRESULT ApplyCompressor(SAFEARRAY** block, float dbThreshold, float compressionRate, float rmsTime) override;
    HRESULT ApplyExpander(SAFEARRAY** block, float dbThreshold, float expansionRate, float rmsTime) override;
    HRESULT ApplyDelay(SAFEARRAY** block, float delayTime, float mixDepth, float feedbackGain) override;
    HRESULT ApplyPhaser(SAFEARRAY** block, float delayTime, float mixDepth, float feedbackGain) override;
    HRESULT ApplyFlanger(SAFEARRAY** block, float delayRate, float mixDepth, float feedbackGain, float sweepDepth,
                         float sweepRate, float sweepPhase) override;
    HRESULT ApplyReverb(SAFEARRAY** block, float delayTime, float mixDepth, float feedbackGain,
                        float reverberationRate) override;
    HRESULT ApplyStretch(SAFEARRAY** block, float percent) override;
    HRESULT ApplyNotchFilter(SAFEARRAY** block, float hz, float steepness) override;
    HRESULT ApplyFFTFilter(SAFEARRAY** block, SAFEARRAY* bandGains) override;
    HRESULT ApplyHighPassFilter(SAFEARRAY** block, float hz, float steepness) override;
    HRESULT ApplyLowPassFilter(SAFEARRAY** block, float hz, float steepness) override;
    HRESULT ApplyHighShelfFilter(SAFEARRAY** block, float dbGain, float hz, float steepness) override;
    HRESULT ApplyLowShelfFilter(SAFEARRAY** block, float dbGain, float hz, float steepness) override;
    HRESULT ApplyBandPassFilter(SAFEARRAY** block, float hz, float steepness) override;
    HRESULT ApplyEqualizer(SAFEARRAY** block, SAFEARRAY* dbGains, SAFEARRAY* frequencies) override;
    HRESULT ApplyPeakEQFilter(SAFEARRAY** block, float dbGain, float hz, float steepness) override;
    HRESULT ApplyDeleteSilence(SAFEARRAY** block, float dbThreshold, int32_t attackTime, int32_t releaseTime,
                               float rmsTime) override;
    HRESULT ApplyTrimStart(SAFEARRAY** block, float dbTrimLevel, int32_t fadeTime) override;
    HRESULT ApplyTrimEnd(SAFEARRAY** block, float dbTrimLevel, int32_t fadeTime) override;

private:
    SingleEventSource events_;
    int32_t frequencyHz_ = 8000;  // the control's rate before any document
    int16_t smoothStart_ = 0;
    int16_t smoothEnd_ = 0;
    int32_t smoothTimeMs_ = 10;
};

}  // namespace vesk
