// The effects of the control, one line each: status code, channel handling and the component
// call with the host's parameters passed through unchecked (their units are the component's).
#pragma once

#include "edit/EffectCall.h"

namespace vesk {

class EffectTable {
public:
    // TrimParam values: which end Trim cuts.
    static constexpr int32_t kTrimLeft = 0;
    static constexpr int32_t kTrimRight = 1;
    static constexpr int32_t kTrimBoth = 2;

    static EffectCall Silence();
    static EffectCall Reverse();
    static EffectCall Invert();
    static EffectCall Amplify(float amplify);
    static EffectCall AddNoise(float amplitude, int32_t noiseType);
    static EffectCall MixStereoChannels(float ampLL, float ampLR, float ampRL, float ampRR);
    static EffectCall Fade(float amplifyLeft, float amplifyRight);
    static EffectCall Normalize(float normalization, VARIANT_BOOL dcBiasAdjust);
    static EffectCall Vibrato(float sweepDepth, float sweepFrequency, float sweepPhase);
    // Borrowed host arrays: they must outlive the Run of the returned call.
    static EffectCall Envelope(SAFEARRAY* dbEnvelope);
    static EffectCall Compressor(float dbThreshold, float compressionRate, float rmsTime);
    static EffectCall Expander(float dbThreshold, float expansionRate, float rmsTime);
    static EffectCall Delay(float delayTime, float mixDepth, float feedbackGain);
    static EffectCall Phaser(float delayTime, float mixDepth, float feedbackGain);
    static EffectCall Flanger(float delayRate, float mixDepth, float feedbackGain, float sweepDepth, float sweepRate,
                              float sweepPhase);
    static EffectCall Reverb(float delayTime, float mixDepth, float feedbackGain, float reverberationRate);
    static EffectCall Stretch(float percent);
    static EffectCall NotchFilter(float hz, float steepness);
    static EffectCall FFTFilter(SAFEARRAY* bandGains);
    static EffectCall HighPassFilter(float hz, float steepness);
    static EffectCall LowPassFilter(float hz, float steepness);
    // The shelf filters take the frequency first here but hand the gain first to the component.
    static EffectCall HighShelfFilter(float hz, float dbGain, float steepness);
    static EffectCall LowShelfFilter(float hz, float dbGain, float steepness);
    static EffectCall BandPassFilter(float hz, float steepness);
    static EffectCall Equalizer(SAFEARRAY* dbGains, SAFEARRAY* frequencies);
    static EffectCall PeakEQFilter(float dbGain, float hz, float steepness);
    static EffectCall DeleteSilence(float dbThreshold, int32_t attackTime, int32_t releaseTime, float rmsTime);
    // trimParam outside kTrimLeft..kTrimBoth cuts nothing (the range is still rewritten).
    static EffectCall Trim(float dbTrimLevel, int32_t fadeTime, int32_t trimParam);
};

}  // namespace vesk
