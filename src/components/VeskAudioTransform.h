// Contract of VeskAudioTransform, the component that does the signal processing of the effects.
//
// Every Apply operation works on one block of 16-bit samples (SAFEARRAY of VT_I2, lower bound
// 0): one channel, or interleaved stereo for ApplyMixStereoChannels and the trims. The block
// is passed by the address of the caller's pointer, so the component may process it in place,
// resize it, or destroy it and store a new block there; the caller reads whatever block the
// pointer names afterwards. Float arrays (VT_R4) are the host's, borrowed for the call.
// Parameters arrive exactly as the host gave them; their units are this component's.
//
// Events: the component is an IConnectionPointContainer with one connection point for
// IID_VeskAudioTransformEvents; sinks are IDispatch and get Invoke(dispid, integer arguments).
#pragma once

#include <cstdint>

#include "platform/automation/SafeArray.h"
#include "platform/automation/Unknown.h"

namespace vesk {

// {F5A0C013-6A1B-4C3E-9C12-5645534B0013}
inline constexpr IID IID_VeskAudioTransformEvents{
    0xF5A0C013, 0x6A1B, 0x4C3E, {0x9C, 0x12, 0x56, 0x45, 0x53, 0x4B, 0x00, 0x13}};

// Dispatch ids of the transform's events.
namespace transform_event {
inline constexpr DISPID kProgress = 2;  // (percent 0..100 of the running Apply operation)
}  // namespace transform_event

struct IVeskAudioTransform : IUnknown {
    // {F5A0C005-6A1B-4C3E-9C12-5645534B0005}
    static constexpr IID kIid{0xF5A0C005, 0x6A1B, 0x4C3E, {0x9C, 0x12, 0x56, 0x45, 0x53, 0x4B, 0x00, 0x05}};

    // --- Settings -------------------------------------------------------------------------
    // Sample rate of the blocks to come, Hz (the document's rate).
    virtual HRESULT SetFrequency(int32_t hz) = 0;
    // Switches (0 off, nonzero on) for ramping the edited range in at its start / out at its end.
    virtual HRESULT SetSmoothStart(int16_t on) = 0;
    virtual HRESULT SetSmoothEnd(int16_t on) = 0;
    // Length of those ramps, milliseconds.
    virtual HRESULT SetSmoothTime(int32_t milliseconds) = 0;
    // Asks the running Apply operation to return early (called from an event handler).
    virtual HRESULT AbortTransform() = 0;

    // --- Effects (block: in/out, see above) ------------------------------------------------
    virtual HRESULT ApplySilence(SAFEARRAY** block) = 0;
    virtual HRESULT ApplyReverse(SAFEARRAY** block) = 0;
    virtual HRESULT ApplyInvert(SAFEARRAY** block) = 0;
    // Gain factor (1.0 = unchanged).
    virtual HRESULT ApplyAmplify(SAFEARRAY** block, float factor) = 0;
    virtual HRESULT ApplyAddNoise(SAFEARRAY** block, float amplitude, int32_t noiseType) = 0;
    // Interleaved stereo: new left = LL·left + RL·right, new right = LR·left + RR·right.
    virtual HRESULT ApplyMixStereoChannels(SAFEARRAY** block, float ampLL, float ampLR, float ampRL, float ampRR) = 0;
    // Gain at the start and at the end of the block, changing linearly between them.
    virtual HRESULT ApplyFade(SAFEARRAY** block, float amplifyStart, float amplifyEnd) = 0;
    // Target peak; dcBiasAdjust (automation boolean) removes the DC offset first.
    virtual HRESULT ApplyNormalize(SAFEARRAY** block, float normalization, VARIANT_BOOL dcBiasAdjust) = 0;
    virtual HRESULT ApplyVibrato(SAFEARRAY** block, float sweepDepth, float sweepFrequency, float sweepPhase) = 0;
    // Gains in dB spread evenly over the block.
    virtual HRESULT ApplyEnvelope(SAFEARRAY** block, SAFEARRAY* dbEnvelope) = 0;
    virtual HRESULT ApplyCompressor(SAFEARRAY** block, float dbThreshold, float compressionRate, float rmsTime) = 0;
    virtual HRESULT ApplyExpander(SAFEARRAY** block, float dbThreshold, float expansionRate, float rmsTime) = 0;
    virtual HRESULT ApplyDelay(SAFEARRAY** block, float delayTime, float mixDepth, float feedbackGain) = 0;
    virtual HRESULT ApplyPhaser(SAFEARRAY** block, float delayTime, float mixDepth, float feedbackGain) = 0;
    virtual HRESULT ApplyFlanger(SAFEARRAY** block, float delayRate, float mixDepth, float feedbackGain,
                                 float sweepDepth, float sweepRate, float sweepPhase) = 0;
    virtual HRESULT ApplyReverb(SAFEARRAY** block, float delayTime, float mixDepth, float feedbackGain,
                                float reverberationRate) = 0;
    // New length in percent of the old, pitch kept.
    virtual HRESULT ApplyStretch(SAFEARRAY** block, float percent) = 0;
    virtual HRESULT ApplyNotchFilter(SAFEARRAY** block, float hz, float steepness) = 0;
    // Gains per frequency band of an FFT, low to high.
    virtual HRESULT ApplyFFTFilter(SAFEARRAY** block, SAFEARRAY* bandGains) = 0;
    virtual HRESULT ApplyHighPassFilter(SAFEARRAY** block, float hz, float steepness) = 0;
    virtual HRESULT ApplyLowPassFilter(SAFEARRAY** block, float hz, float steepness) = 0;
    // Gain/frequency/steepness filters take the gain first.
    virtual HRESULT ApplyHighShelfFilter(SAFEARRAY** block, float dbGain, float hz, float steepness) = 0;
    virtual HRESULT ApplyLowShelfFilter(SAFEARRAY** block, float dbGain, float hz, float steepness) = 0;
    virtual HRESULT ApplyBandPassFilter(SAFEARRAY** block, float hz, float steepness) = 0;
    // Gains in dB at the given frequencies in Hz (arrays of equal length).
    virtual HRESULT ApplyEqualizer(SAFEARRAY** block, SAFEARRAY* dbGains, SAFEARRAY* frequencies) = 0;
    virtual HRESULT ApplyPeakEQFilter(SAFEARRAY** block, float dbGain, float hz, float steepness) = 0;
    // Removes stretches quieter than dbThreshold; attack/release in milliseconds. Both channels
    // of a stereo sound are passed in turn and must shrink alike.
    virtual HRESULT ApplyDeleteSilence(SAFEARRAY** block, float dbThreshold, int32_t attackTime, int32_t releaseTime,
                                       float rmsTime) = 0;
    // Cut quiet sound at the start / end of the whole range (one block, interleaved when stereo);
    // fadeTime in milliseconds.
    virtual HRESULT ApplyTrimStart(SAFEARRAY** block, float dbTrimLevel, int32_t fadeTime) = 0;
    virtual HRESULT ApplyTrimEnd(SAFEARRAY** block, float dbTrimLevel, int32_t fadeTime) = 0;

protected:
    ~IVeskAudioTransform() = default;
};

}  // namespace vesk
