// VeskAudioTransform with real signal processing: one small effect class per Apply operation,
// run over the caller's block with progress events, abort between chunks, and the optional
// crossfade at the edges of the range (SetSmoothStart / SetSmoothEnd / SetSmoothTime).
//
// Parameters arrive unchecked from the host. Any NaN parameter (or NaN in a parameter array,
// or an array of the wrong type) makes the operation refuse: E_INVALIDARG, block unchanged.
// Every other value is clamped to the effect's range (docs/effects.md), so no input can crash
// the component or put an invalid sample in the block; results saturate at -32768..32767.
//
// Abort: AbortTransform during an operation (from a progress handler) stops it after the
// current chunk with S_FALSE. Effects that keep the length then leave the block partly
// processed (the caller discards it); effects that change the length leave it unchanged.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "components/SingleEventSource.h"
#include "components/VeskAudioTransform.h"
#include "components/transform/ProgressReporter.h"
#include "components/transform/SilenceRemover.h"
#include "components/transform/TrimEffect.h"

namespace vesk {

class InPlaceEffect;
class ResizingEffect;
struct BiquadCoefficients;

class AudioTransform : public RefCounted, public IVeskAudioTransform, public IConnectionPointContainer {
public:
    AudioTransform() : events_(IID_VeskAudioTransformEvents) {}
    VESK_IUNKNOWN_IMPL(AudioTransform, IVeskAudioTransform, IConnectionPointContainer)

    // What the setters stored (for tests).
    int32_t FrequencyHz() const { return frequencyHz_; }
    int16_t SmoothStart() const { return smoothStart_; }
    int16_t SmoothEnd() const { return smoothEnd_; }
    int32_t SmoothTimeMs() const { return smoothTimeMs_; }

    HRESULT FindConnectionPoint(const IID& iid, IConnectionPoint** point) override;

    // Rates outside 1000..192000 Hz are used clamped into that range.
    HRESULT SetFrequency(int32_t hz) override;
    HRESULT SetSmoothStart(int16_t on) override;
    HRESULT SetSmoothEnd(int16_t on) override;
    // Negative times switch the crossfade off; it never covers more than half the block.
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
    // Stereo sounds arrive as two calls (left, then right) that must shrink alike: the ranges
    // found in one call are reused by the next DeleteSilence call on a block of the same
    // length with the same parameters, unless any other operation or switch comes between.
    HRESULT ApplyDeleteSilence(SAFEARRAY** block, float dbThreshold, int32_t attackTime, int32_t releaseTime,
                               float rmsTime) override;
    HRESULT ApplyTrimStart(SAFEARRAY** block, float dbTrimLevel, int32_t fadeTime) override;
    HRESULT ApplyTrimEnd(SAFEARRAY** block, float dbTrimLevel, int32_t fadeTime) override;

private:
    // Ranges kept by the last DeleteSilence call, for the other channel of the same sound.
    struct SilencePlan {
        size_t inputLength;
        SilenceRemover::Settings settings;
        std::vector<KeptRange> ranges;
    };

    double RateHz() const;
    // Progress of an operation over totalSamples, reported through the connection point.
    ProgressReporter MakeProgress(size_t totalSamples);
    // Clears the abort request (and, unless kept, the DeleteSilence plan) for a new operation.
    void StartOperation(bool keepSilencePlan = false);
    // Runs an effect that keeps the length; samplesPerFrame scales the smoothing ramp for
    // interleaved blocks.
    HRESULT RunInPlace(SAFEARRAY** block, InPlaceEffect& effect, size_t samplesPerFrame = 1);
    HRESULT RunResizing(SAFEARRAY** block, ResizingEffect& effect);
    HRESULT RunBiquad(SAFEARRAY** block, const BiquadCoefficients& coefficients);
    HRESULT RunFir(SAFEARRAY** block, const std::vector<double>& binGains);
    HRESULT RunTrim(SAFEARRAY** block, TrimEffect::Side side, float dbTrimLevel, int32_t fadeTime);
    HRESULT RunDeleteSilence(SAFEARRAY** block, const SilenceRemover::Settings& settings);

    SingleEventSource events_;
    int32_t frequencyHz_ = 8000;  // the control's rate before any document
    int16_t smoothStart_ = 0;
    int16_t smoothEnd_ = 0;
    int32_t smoothTimeMs_ = 10;
    bool abortRequested_ = false;
    uint64_t noiseCalls_ = 0;  // seeds each AddNoise differently, so channels get independent noise
    std::optional<SilencePlan> silencePlan_;
};

}  // namespace vesk
