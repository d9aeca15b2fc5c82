// The effect members of IAudioEditor: each one names its row of the effect table and runs it
// through the effects pipeline; parameters reach the transform component unchecked.
#include "control/AudioEditor.h"
#include "edit/EffectTable.h"

namespace vesk {

namespace {

// Array parameters are the host's own arrays, passed on without copying.
SAFEARRAY* Borrowed(SAFEARRAY** array) { return array ? *array : nullptr; }

}  // namespace

HRESULT AudioEditor::RunEffect(const EffectCall& call) {
    editing_.Effects().Run(call);
    return S_OK;
}

using E = EffectTable;

HRESULT AudioEditor::Silence() { return RunEffect(E::Silence()); }
HRESULT AudioEditor::Reverse() { return RunEffect(E::Reverse()); }
HRESULT AudioEditor::Invert() { return RunEffect(E::Invert()); }
HRESULT AudioEditor::Amplify(float Amplify) { return RunEffect(E::Amplify(Amplify)); }
HRESULT AudioEditor::AddNoise(float Amplitude, int32_t NoiseType) { return RunEffect(E::AddNoise(Amplitude, NoiseType)); }

HRESULT AudioEditor::MixStereoChannels(float AmpLL, float AmpLR, float AmpRL, float AmpRR) {
    return RunEffect(E::MixStereoChannels(AmpLL, AmpLR, AmpRL, AmpRR));
}

HRESULT AudioEditor::Fade(float AmplifyLeft, float AmplifyRight) { return RunEffect(E::Fade(AmplifyLeft, AmplifyRight)); }

HRESULT AudioEditor::Normalize(float Normalization, VARIANT_BOOL DCBiasAdjust) {
    return RunEffect(E::Normalize(Normalization, DCBiasAdjust));
}

HRESULT AudioEditor::Vibrato(float SweepDepth, float SweepFrequency, float SweepPhase) {
    return RunEffect(E::Vibrato(SweepDepth, SweepFrequency, SweepPhase));
}

HRESULT AudioEditor::Envelope(SAFEARRAY** dbEnvelopeArray) { return RunEffect(E::Envelope(Borrowed(dbEnvelopeArray))); }

HRESULT AudioEditor::Compressor(float dbThreshold, float CompressionRate, float RMSTime) {
    return RunEffect(E::Compressor(dbThreshold, CompressionRate, RMSTime));
}

HRESULT AudioEditor::Expander(float dbThreshold, float ExpansionRate, float RMSTime) {
    return RunEffect(E::Expander(dbThreshold, ExpansionRate, RMSTime));
}

HRESULT AudioEditor::Delay(float DelayTime, float MixDepth, float FeedBackGain) {
    return RunEffect(E::Delay(DelayTime, MixDepth, FeedBackGain));
}

HRESULT AudioEditor::Phaser(float DelayTime, float MixDepth, float FeedBackGain) {
    return RunEffect(E::Phaser(DelayTime, MixDepth, FeedBackGain));
}

HRESULT AudioEditor::Flanger(float DelayRate, float MixDepth, float FeedBackGain, float SweepDepth, float SweepRate,
                             float SweepPhase) {
    return RunEffect(E::Flanger(DelayRate, MixDepth, FeedBackGain, SweepDepth, SweepRate, SweepPhase));
}

HRESULT AudioEditor::Reverb(float DelayTime, float MixDepth, float FeedBackGain, float ReverbrationRate) {
    return RunEffect(E::Reverb(DelayTime, MixDepth, FeedBackGain, ReverbrationRate));
}

HRESULT AudioEditor::Stretch(float Percent) { return RunEffect(E::Stretch(Percent)); }

HRESULT AudioEditor::NotchFilter(float Frequency, float Steepness) {
    return RunEffect(E::NotchFilter(Frequency, Steepness));
}

HRESULT AudioEditor::FFTFilter(SAFEARRAY** FFTArray) { return RunEffect(E::FFTFilter(Borrowed(FFTArray))); }

HRESULT AudioEditor::HighPassFilter(float Frequency, float Steepness) {
    return RunEffect(E::HighPassFilter(Frequency, Steepness));
}

HRESULT AudioEditor::LowPassFilter(float Frequency, float Steepness) {
    return RunEffect(E::LowPassFilter(Frequency, Steepness));
}

HRESULT AudioEditor::HighShelfFilter(float Frequency, float dbGain, float Steepness) {
    return RunEffect(E::HighShelfFilter(Frequency, dbGain, Steepness));
}

HRESULT AudioEditor::LowShelfFilter(float Frequency, float dbGain, float Steepness) {
    return RunEffect(E::LowShelfFilter(Frequency, dbGain, Steepness));
}

HRESULT AudioEditor::BandPassFilter(float Frequency, float Steepness) {
    return RunEffect(E::BandPassFilter(Frequency, Steepness));
}

HRESULT AudioEditor::Equalizer(SAFEARRAY** dbGainArray, SAFEARRAY** FreqArray) {
    return RunEffect(E::Equalizer(Borrowed(dbGainArray), Borrowed(FreqArray)));
}

HRESULT AudioEditor::PeakEQFilter(float dbGain, float Frequency, float Steepness) {
    return RunEffect(E::PeakEQFilter(dbGain, Frequency, Steepness));
}

HRESULT AudioEditor::DeleteSilence(float dbThreshold, int32_t AttackTime, int32_t ReleaseTime, float RMSTime) {
    return RunEffect(E::DeleteSilence(dbThreshold, AttackTime, ReleaseTime, RMSTime));
}

HRESULT AudioEditor::Trim(float dbTrimLevel, int32_t FadeTime, int32_t TrimParam) {
    return RunEffect(E::Trim(dbTrimLevel, FadeTime, TrimParam));
}

}  // namespace vesk
