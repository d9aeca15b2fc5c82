#include "components/minimal/MinimalAudioTransform.h"

#include "platform/automation/OutParam.h"

namespace vesk {
namespace {

// What every effect does until the DSP arrives: the block stays exactly as it came.
HRESULT LeaveUnchanged(SAFEARRAY** block) { return block ? S_OK : E_POINTER; }

}  // namespace

HRESULT MinimalAudioTransform::FindConnectionPoint(const IID& iid, IConnectionPoint** point) {
    return events_.Find(iid, point);
}

HRESULT MinimalAudioTransform::SetFrequency(int32_t hz) { return StoreValue(frequencyHz_, hz); }
HRESULT MinimalAudioTransform::SetSmoothStart(int16_t on) { return StoreValue(smoothStart_, on); }
HRESULT MinimalAudioTransform::SetSmoothEnd(int16_t on) { return StoreValue(smoothEnd_, on); }
HRESULT MinimalAudioTransform::SetSmoothTime(int32_t milliseconds) { return StoreValue(smoothTimeMs_, milliseconds); }

// No Apply operation runs for long enough to be aborted.
HRESULT MinimalAudioTransform::AbortTransform() { return S_OK; }

HRESULT MinimalAudioTransform::ApplySilence(SAFEARRAY** block) { return LeaveUnchanged(block); }
HRESULT MinimalAudioTransform::ApplyReverse(SAFEARRAY** block) { return LeaveUnchanged(block); }
HRESULT MinimalAudioTransform::ApplyInvert(SAFEARRAY** block) { return LeaveUnchanged(block); }
HRESULT MinimalAudioTransform::ApplyAmplify(SAFEARRAY** block, float) { return LeaveUnchanged(block); }
HRESULT MinimalAudioTransform::ApplyAddNoise(SAFEARRAY** block, float, int32_t) { return LeaveUnchanged(block); }
HRESULT MinimalAudioTransform::ApplyMixStereoChannels(SAFEARRAY** block, float, float, float, float) {
    return LeaveUnchanged(block);
}
HRESULT MinimalAudioTransform::ApplyFade(SAFEARRAY** block, float, float) { return LeaveUnchanged(block); }
HRESULT MinimalAudioTransform::ApplyNormalize(SAFEARRAY** block, float, VARIANT_BOOL) { return LeaveUnchanged(block); }
HRESULT MinimalAudioTransform::ApplyVibrato(SAFEARRAY** block, float, float, float) { return LeaveUnchanged(block); }
HRESULT MinimalAudioTransform::ApplyEnvelope(SAFEARRAY** block, SAFEARRAY*) { return LeaveUnchanged(block); }
HRESULT MinimalAudioTransform::ApplyCompressor(SAFEARRAY** block, float, float, float) { return LeaveUnchanged(block); }
HRESULT MinimalAudioTransform::ApplyExpander(SAFEARRAY** block, float, float, float) { return LeaveUnchanged(block); }
HRESULT MinimalAudioTransform::ApplyDelay(SAFEARRAY** block, float, float, float) { return LeaveUnchanged(block); }
HRESULT MinimalAudioTransform::ApplyPhaser(SAFEARRAY** block, float, float, float) { return LeaveUnchanged(block); }
HRESULT MinimalAudioTransform::ApplyFlanger(SAFEARRAY** block, float, float, float, float, float, float) {
    return LeaveUnchanged(block);
}
HRESULT MinimalAudioTransform::ApplyReverb(SAFEARRAY** block, float, float, float, float) {
    return LeaveUnchanged(block);
}
HRESULT MinimalAudioTransform::ApplyStretch(SAFEARRAY** block, float) { return LeaveUnchanged(block); }
HRESULT MinimalAudioTransform::ApplyNotchFilter(SAFEARRAY** block, float, float) { return LeaveUnchanged(block); }
HRESULT MinimalAudioTransform::ApplyFFTFilter(SAFEARRAY** block, SAFEARRAY*) { return LeaveUnchanged(block); }
HRESULT MinimalAudioTransform::ApplyHighPassFilter(SAFEARRAY** block, float, float) { return LeaveUnchanged(block); }
HRESULT MinimalAudioTransform::ApplyLowPassFilter(SAFEARRAY** block, float, float) { return LeaveUnchanged(block); }
HRESULT MinimalAudioTransform::ApplyHighShelfFilter(SAFEARRAY** block, float, float, float) {
    return LeaveUnchanged(block);
}
HRESULT MinimalAudioTransform::ApplyLowShelfFilter(SAFEARRAY** block, float, float, float) {
    return LeaveUnchanged(block);
}
HRESULT MinimalAudioTransform::ApplyBandPassFilter(SAFEARRAY** block, float, float) { return LeaveUnchanged(block); }
HRESULT MinimalAudioTransform::ApplyEqualizer(SAFEARRAY** block, SAFEARRAY*, SAFEARRAY*) {
    return LeaveUnchanged(block);
}
HRESULT MinimalAudioTransform::ApplyPeakEQFilter(SAFEARRAY** block, float, float, float) {
    return LeaveUnchanged(block);
}
HRESULT MinimalAudioTransform::ApplyDeleteSilence(SAFEARRAY** block, float, int32_t, int32_t, float) {
    return LeaveUnchanged(block);
}
HRESULT MinimalAudioTransform::ApplyTrimStart(SAFEARRAY** block, float, int32_t) { return LeaveUnchanged(block); }
HRESULT MinimalAudioTransform::ApplyTrimEnd(SAFEARRAY** block, float, int32_t) { return LeaveUnchanged(block); }

}  // namespace vesk
