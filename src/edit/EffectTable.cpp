#include "edit/EffectTable.h"

namespace vesk {

namespace {

using T = IVeskAudioTransform;
using A = SAFEARRAY**;
constexpr auto kFlags = EffectChannels::PerFlags;

EffectCall PerFlags(Status code, EffectStep step) { return {code, kFlags, {std::move(step)}}; }

}  // namespace

EffectCall EffectTable::Silence() { return PerFlags(Status::Silence, [](T& t, A a) { t.ApplySilence(a); }); }
EffectCall EffectTable::Reverse() { return PerFlags(Status::Reverse, [](T& t, A a) { t.ApplyReverse(a); }); }
EffectCall EffectTable::Invert() { return PerFlags(Status::Invert, [](T& t, A a) { t.ApplyInvert(a); }); }

EffectCall EffectTable::Amplify(float amplify) {
    return PerFlags(Status::Amplify, [=](T& t, A a) { t.ApplyAmplify(a, amplify); });
}

EffectCall EffectTable::AddNoise(float amplitude, int32_t noiseType) {
    return PerFlags(Status::AddNoise, [=](T& t, A a) { t.ApplyAddNoise(a, amplitude, noiseType); });
}

EffectCall EffectTable::MixStereoChannels(float ampLL, float ampLR, float ampRL, float ampRR) {
    return {Status::MixStereoChannels, EffectChannels::Interleaved,
            {[=](T& t, A a) { t.ApplyMixStereoChannels(a, ampLL, ampLR, ampRL, ampRR); }}, true};
}

EffectCall EffectTable::Fade(float amplifyLeft, float amplifyRight) {
    return PerFlags(Status::Fade, [=](T& t, A a) { t.ApplyFade(a, amplifyLeft, amplifyRight); });
}

EffectCall EffectTable::Normalize(float normalization, VARIANT_BOOL dcBiasAdjust) {
    return PerFlags(Status::Normalize, [=](T& t, A a) { t.ApplyNormalize(a, normalization, dcBiasAdjust); });
}

EffectCall EffectTable::Vibrato(float sweepDepth, float sweepFrequency, float sweepPhase) {
    return PerFlags(Status::Vibrato, [=](T& t, A a) { t.ApplyVibrato(a, sweepDepth, sweepFrequency, sweepPhase); });
}

EffectCall EffectTable::Envelope(SAFEARRAY* dbEnvelope) {
    return PerFlags(Status::Envelope, [=](T& t, A a) { t.ApplyEnvelope(a, dbEnvelope); });
}

EffectCall EffectTable::Compressor(float dbThreshold, float compressionRate, float rmsTime) {
    return PerFlags(Status::Compressor, [=](T& t, A a) { t.ApplyCompressor(a, dbThreshold, compressionRate, rmsTime); });
}

EffectCall EffectTable::Expander(float dbThreshold, float expansionRate, float rmsTime) {
    return PerFlags(Status::Expander, [=](T& t, A a) { t.ApplyExpander(a, dbThreshold, expansionRate, rmsTime); });
}

EffectCall EffectTable::Delay(float delayTime, float mixDepth, float feedbackGain) {
    return PerFlags(Status::Delay, [=](T& t, A a) { t.ApplyDelay(a, delayTime, mixDepth, feedbackGain); });
}

EffectCall EffectTable::Phaser(float delayTime, float mixDepth, float feedbackGain) {
    return PerFlags(Status::Phaser, [=](T& t, A a) { t.ApplyPhaser(a, delayTime, mixDepth, feedbackGain); });
}

EffectCall EffectTable::Flanger(float delayRate, float mixDepth, float feedbackGain, float sweepDepth,
                                float sweepRate, float sweepPhase) {
    return PerFlags(Status::Flanger, [=](T& t, A a) {
        t.ApplyFlanger(a, delayRate, mixDepth, feedbackGain, sweepDepth, sweepRate, sweepPhase);
    });
}

EffectCall EffectTable::Reverb(float delayTime, float mixDepth, float feedbackGain, float reverberationRate) {
    return PerFlags(Status::Reverb, [=](T& t, A a) { t.ApplyReverb(a, delayTime, mixDepth, feedbackGain, reverberationRate); });
}

EffectCall EffectTable::Stretch(float percent) {
    return {Status::Stretch, EffectChannels::BothAlways, {[=](T& t, A a) { t.ApplyStretch(a, percent); }}};
}

EffectCall EffectTable::NotchFilter(float hz, float steepness) {
    return PerFlags(Status::NotchFilter, [=](T& t, A a) { t.ApplyNotchFilter(a, hz, steepness); });
}

EffectCall EffectTable::FFTFilter(SAFEARRAY* bandGains) {
    return PerFlags(Status::FFTFilter, [=](T& t, A a) { t.ApplyFFTFilter(a, bandGains); });
}

EffectCall EffectTable::HighPassFilter(float hz, float steepness) {
    return PerFlags(Status::HighPassFilter, [=](T& t, A a) { t.ApplyHighPassFilter(a, hz, steepness); });
}

EffectCall EffectTable::LowPassFilter(float hz, float steepness) {
    return PerFlags(Status::LowPassFilter, [=](T& t, A a) { t.ApplyLowPassFilter(a, hz, steepness); });
}

EffectCall EffectTable::HighShelfFilter(float hz, float dbGain, float steepness) {
    return PerFlags(Status::HighShelfFilter, [=](T& t, A a) { t.ApplyHighShelfFilter(a, dbGain, hz, steepness); });
}

EffectCall EffectTable::LowShelfFilter(float hz, float dbGain, float steepness) {
    return PerFlags(Status::LowShelfFilter, [=](T& t, A a) { t.ApplyLowShelfFilter(a, dbGain, hz, steepness); });
}

EffectCall EffectTable::BandPassFilter(float hz, float steepness) {
    return PerFlags(Status::BandPassFilter, [=](T& t, A a) { t.ApplyBandPassFilter(a, hz, steepness); });
}

EffectCall EffectTable::Equalizer(SAFEARRAY* dbGains, SAFEARRAY* frequencies) {
    return PerFlags(Status::Equalizer, [=](T& t, A a) { t.ApplyEqualizer(a, dbGains, frequencies); });
}

EffectCall EffectTable::PeakEQFilter(float dbGain, float hz, float steepness) {
    return PerFlags(Status::PeakEQFilter, [=](T& t, A a) { t.ApplyPeakEQFilter(a, dbGain, hz, steepness); });
}

EffectCall EffectTable::DeleteSilence(float dbThreshold, int32_t attackTime, int32_t releaseTime, float rmsTime) {
    return {Status::DeleteSilence, EffectChannels::BothAlways,
            {[=](T& t, A a) { t.ApplyDeleteSilence(a, dbThreshold, attackTime, releaseTime, rmsTime); }}};
}

EffectCall EffectTable::Trim(float dbTrimLevel, int32_t fadeTime, int32_t trimParam) {
    EffectCall call{Status::Trim, EffectChannels::Interleaved, {}};
    const EffectStep start = [=](T& t, A a) { t.ApplyTrimStart(a, dbTrimLevel, fadeTime); };
    const EffectStep end = [=](T& t, A a) { t.ApplyTrimEnd(a, dbTrimLevel, fadeTime); };
    if (trimParam == kTrimLeft || trimParam == kTrimBoth) call.steps.push_back(start);
    if (trimParam == kTrimRight || trimParam == kTrimBoth) call.steps.push_back(end);
    return call;
}

}  // namespace vesk
