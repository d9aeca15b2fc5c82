#include "components/transform/AudioTransform.h"

#include <cmath>
#include <initializer_list>
#include <new>
#include <stdexcept>
#include <utility>

#include "components/transform/AmplifyEffect.h"
#include "components/transform/BiquadDesign.h"
#include "components/transform/BiquadEffect.h"
#include "components/transform/DelayEffect.h"
#include "components/transform/DynamicsEffect.h"
#include "components/transform/EdgeSmoother.h"
#include "components/transform/EnvelopeEffect.h"
#include "components/transform/FadeEffect.h"
#include "components/transform/FirDesign.h"
#include "components/transform/FirFilterEffect.h"
#include "components/transform/FlangerEffect.h"
#include "components/transform/InPlaceEffect.h"
#include "components/transform/NoiseEffect.h"
#include "components/transform/NormalizeEffect.h"
#include "components/transform/PhaserEffect.h"
#include "components/transform/ProgressReporter.h"
#include "components/transform/ReverbEffect.h"
#include "components/transform/ReverseEffect.h"
#include "components/transform/SampleMath.h"
#include "components/transform/StereoMixEffect.h"
#include "components/transform/StretchEffect.h"
#include "components/transform/TrimEffect.h"
#include "components/transform/VibratoEffect.h"
#include "platform/automation/OutParam.h"

namespace vesk {
namespace {

bool AnyNan(std::initializer_list<double> values) {
    for (double v : values) {
        if (std::isnan(v)) return true;
    }
    return false;
}

// The caller's block as samples: E_POINTER without a pointer, E_INVALIDARG unless it names
// a vector of 16-bit integers.
HRESULT BlockSamples(SAFEARRAY** block, std::span<int16_t>& samples) {
    if (!block) return E_POINTER;
    if (!*block || (*block)->cDims != 1 || (*block)->vt != VT_I2) return E_INVALIDARG;
    samples = SafeArraySpan<int16_t>(*block, VT_I2);
    return S_OK;
}

// Puts a new block with the samples where the caller's pointer points, freeing the old one.
HRESULT ReplaceBlock(SAFEARRAY** block, const std::vector<int16_t>& samples) {
    SAFEARRAY* replacement = SafeArrayCreateVector(VT_I2, 0, static_cast<uint32_t>(samples.size()));
    if (!replacement) return E_OUTOFMEMORY;
    std::copy(samples.begin(), samples.end(), SafeArraySpan<int16_t>(replacement, VT_I2).begin());
    SafeArrayDestroy(*block);
    *block = replacement;
    return S_OK;
}

// A host's float array, or nothing when it is missing, of another type or holds a NaN.
std::optional<std::vector<float>> HostFloats(SAFEARRAY* array) {
    if (!array || array->cDims != 1 || array->vt != VT_R4) return std::nullopt;
    auto values = SafeArraySpan<float>(array, VT_R4);
    for (float v : values) {
        if (std::isnan(v)) return std::nullopt;
    }
    return std::vector<float>(values.begin(), values.end());
}

}  // namespace

HRESULT AudioTransform::FindConnectionPoint(const IID& iid, IConnectionPoint** point) {
    return events_.Find(iid, point);
}

HRESULT AudioTransform::SetFrequency(int32_t hz) {
    silencePlan_.reset();
    return StoreValue(frequencyHz_, hz);
}

// The control switches smoothing on before and off after every effect: a switch therefore
// marks the border between two effects, which also ends a stereo DeleteSilence.
HRESULT AudioTransform::SetSmoothStart(int16_t on) {
    silencePlan_.reset();
    return StoreValue(smoothStart_, on);
}
HRESULT AudioTransform::SetSmoothEnd(int16_t on) {
    silencePlan_.reset();
    return StoreValue(smoothEnd_, on);
}
HRESULT AudioTransform::SetSmoothTime(int32_t milliseconds) { return StoreValue(smoothTimeMs_, milliseconds); }

HRESULT AudioTransform::AbortTransform() {
    abortRequested_ = true;
    return S_OK;
}

double AudioTransform::RateHz() const { return Clamp(frequencyHz_, 1000.0, 192000.0); }

ProgressReporter AudioTransform::MakeProgress(size_t totalSamples) {
    return ProgressReporter(
        totalSamples, [this](int32_t percent) { events_.Fire(transform_event::kProgress, {percent}); },
        abortRequested_);
}

void AudioTransform::StartOperation(bool keepSilencePlan) {
    abortRequested_ = false;
    if (!keepSilencePlan) silencePlan_.reset();
}

HRESULT AudioTransform::RunInPlace(SAFEARRAY** block, InPlaceEffect& effect, size_t samplesPerFrame) {
    std::span<int16_t> samples;
    if (HRESULT hr = BlockSamples(block, samples); Failed(hr)) return hr;
    try {
        const size_t ramp = MsToSamples(smoothTimeMs_, RateHz()) * samplesPerFrame;
        const EdgeSmoother smoother(samples, ramp, smoothStart_ != 0, smoothEnd_ != 0);
        ProgressReporter progress = MakeProgress(samples.size());
        if (!vesk::RunInPlace(effect, samples, progress)) return S_FALSE;
        smoother.Apply(samples);
        return S_OK;
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
}

HRESULT AudioTransform::RunResizing(SAFEARRAY** block, ResizingEffect& effect) {
    std::span<int16_t> samples;
    if (HRESULT hr = BlockSamples(block, samples); Failed(hr)) return hr;
    try {
        ProgressReporter progress = MakeProgress(samples.size());
        const auto result = effect.Run(samples, progress);
        return result ? ReplaceBlock(block, *result) : S_FALSE;
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (const std::exception&) {
        return E_FAIL;  // the stretching library reports settings it cannot handle this way
    }
}

// --- Level and order ---------------------------------------------------------------------

HRESULT AudioTransform::ApplySilence(SAFEARRAY** block) {
    StartOperation();
    AmplifyEffect effect(0.0);
    return RunInPlace(block, effect);
}

HRESULT AudioTransform::ApplyReverse(SAFEARRAY** block) {
    StartOperation();
    ReverseEffect effect;
    return RunInPlace(block, effect);
}

HRESULT AudioTransform::ApplyInvert(SAFEARRAY** block) {
    StartOperation();
    AmplifyEffect effect(-1.0);
    return RunInPlace(block, effect);
}

HRESULT AudioTransform::ApplyAmplify(SAFEARRAY** block, float factor) {
    StartOperation();
    if (AnyNan({factor})) return E_INVALIDARG;
    AmplifyEffect effect(factor);
    return RunInPlace(block, effect);
}

HRESULT AudioTransform::ApplyAddNoise(SAFEARRAY** block, float amplitude, int32_t noiseType) {
    StartOperation();
    if (AnyNan({amplitude}) || noiseType < 0 || noiseType > 2) return E_INVALIDARG;
    NoiseEffect effect(amplitude, static_cast<NoiseColor>(noiseType), ++noiseCalls_);
    return RunInPlace(block, effect);
}

HRESULT AudioTransform::ApplyMixStereoChannels(SAFEARRAY** block, float ampLL, float ampLR, float ampRL, float ampRR) {
    StartOperation();
    if (AnyNan({ampLL, ampLR, ampRL, ampRR})) return E_INVALIDARG;
    StereoMixEffect effect(ampLL, ampLR, ampRL, ampRR);
    return RunInPlace(block, effect, 2);
}

HRESULT AudioTransform::ApplyFade(SAFEARRAY** block, float amplifyStart, float amplifyEnd) {
    StartOperation();
    if (AnyNan({amplifyStart, amplifyEnd})) return E_INVALIDARG;
    FadeEffect effect(amplifyStart, amplifyEnd);
    return RunInPlace(block, effect);
}

HRESULT AudioTransform::ApplyNormalize(SAFEARRAY** block, float normalization, VARIANT_BOOL dcBiasAdjust) {
    StartOperation();
    if (AnyNan({normalization})) return E_INVALIDARG;
    NormalizeEffect effect(normalization, dcBiasAdjust != 0);
    return RunInPlace(block, effect);
}

HRESULT AudioTransform::ApplyEnvelope(SAFEARRAY** block, SAFEARRAY* dbEnvelope) {
    StartOperation();
    const auto points = HostFloats(dbEnvelope);
    if (!points || points->empty()) return E_INVALIDARG;
    EnvelopeEffect effect(std::vector<double>(points->begin(), points->end()));
    return RunInPlace(block, effect);
}

HRESULT AudioTransform::ApplyCompressor(SAFEARRAY** block, float dbThreshold, float compressionRate, float rmsTime) {
    StartOperation();
    if (AnyNan({dbThreshold, compressionRate, rmsTime})) return E_INVALIDARG;
    DynamicsEffect effect(DynamicsEffect::Kind::kCompressor, dbThreshold, compressionRate, rmsTime, RateHz());
    return RunInPlace(block, effect);
}

HRESULT AudioTransform::ApplyExpander(SAFEARRAY** block, float dbThreshold, float expansionRate, float rmsTime) {
    StartOperation();
    if (AnyNan({dbThreshold, expansionRate, rmsTime})) return E_INVALIDARG;
    DynamicsEffect effect(DynamicsEffect::Kind::kExpander, dbThreshold, expansionRate, rmsTime, RateHz());
    return RunInPlace(block, effect);
}

// --- Delays ------------------------------------------------------------------------------

HRESULT AudioTransform::ApplyVibrato(SAFEARRAY** block, float sweepDepth, float sweepFrequency, float sweepPhase) {
    StartOperation();
    if (AnyNan({sweepDepth, sweepFrequency, sweepPhase})) return E_INVALIDARG;
    VibratoEffect effect(sweepDepth, sweepFrequency, sweepPhase, RateHz());
    return RunInPlace(block, effect);
}

HRESULT AudioTransform::ApplyDelay(SAFEARRAY** block, float delayTime, float mixDepth, float feedbackGain) {
    StartOperation();
    if (AnyNan({delayTime, mixDepth, feedbackGain})) return E_INVALIDARG;
    DelayEffect effect(delayTime, mixDepth, feedbackGain, RateHz());
    return RunInPlace(block, effect);
}

HRESULT AudioTransform::ApplyPhaser(SAFEARRAY** block, float delayTime, float mixDepth, float feedbackGain) {
    StartOperation();
    if (AnyNan({delayTime, mixDepth, feedbackGain})) return E_INVALIDARG;
    PhaserEffect effect(delayTime, mixDepth, feedbackGain, RateHz());
    return RunInPlace(block, effect);
}

HRESULT AudioTransform::ApplyFlanger(SAFEARRAY** block, float delayRate, float mixDepth, float feedbackGain,
                                     float sweepDepth, float sweepRate, float sweepPhase) {
    StartOperation();
    if (AnyNan({delayRate, mixDepth, feedbackGain, sweepDepth, sweepRate, sweepPhase})) return E_INVALIDARG;
    FlangerEffect effect({delayRate, mixDepth, feedbackGain, sweepDepth, sweepRate, sweepPhase}, RateHz());
    return RunInPlace(block, effect);
}

HRESULT AudioTransform::ApplyReverb(SAFEARRAY** block, float delayTime, float mixDepth, float feedbackGain,
                                    float reverberationRate) {
    StartOperation();
    if (AnyNan({delayTime, mixDepth, feedbackGain, reverberationRate})) return E_INVALIDARG;
    ReverbEffect effect({delayTime, mixDepth, feedbackGain, reverberationRate}, RateHz());
    return RunInPlace(block, effect);
}

// --- Filters -----------------------------------------------------------------------------

HRESULT AudioTransform::RunBiquad(SAFEARRAY** block, const BiquadCoefficients& coefficients) {
    BiquadEffect effect(coefficients);
    return RunInPlace(block, effect);
}

HRESULT AudioTransform::ApplyNotchFilter(SAFEARRAY** block, float hz, float steepness) {
    StartOperation();
    if (AnyNan({hz, steepness})) return E_INVALIDARG;
    return RunBiquad(block,
                     DesignNotch(RateHz(), BiquadLimits::SanitizeHz(hz, RateHz()), BiquadLimits::SanitizeQ(steepness)));
}

HRESULT AudioTransform::ApplyHighPassFilter(SAFEARRAY** block, float hz, float steepness) {
    StartOperation();
    if (AnyNan({hz, steepness})) return E_INVALIDARG;
    return RunBiquad(
        block, DesignHighPass(RateHz(), BiquadLimits::SanitizeHz(hz, RateHz()), BiquadLimits::SanitizeQ(steepness)));
}

HRESULT AudioTransform::ApplyLowPassFilter(SAFEARRAY** block, float hz, float steepness) {
    StartOperation();
    if (AnyNan({hz, steepness})) return E_INVALIDARG;
    return RunBiquad(
        block, DesignLowPass(RateHz(), BiquadLimits::SanitizeHz(hz, RateHz()), BiquadLimits::SanitizeQ(steepness)));
}

HRESULT AudioTransform::ApplyBandPassFilter(SAFEARRAY** block, float hz, float steepness) {
    StartOperation();
    if (AnyNan({hz, steepness})) return E_INVALIDARG;
    return RunBiquad(
        block, DesignBandPass(RateHz(), BiquadLimits::SanitizeHz(hz, RateHz()), BiquadLimits::SanitizeQ(steepness)));
}

HRESULT AudioTransform::ApplyHighShelfFilter(SAFEARRAY** block, float dbGain, float hz, float steepness) {
    StartOperation();
    if (AnyNan({dbGain, hz, steepness})) return E_INVALIDARG;
    return RunBiquad(
        block, DesignHighShelf(RateHz(), BiquadLimits::SanitizeHz(hz, RateHz()), BiquadLimits::SanitizeSlope(steepness),
                               BiquadLimits::SanitizeGainDb(dbGain)));
}

HRESULT AudioTransform::ApplyLowShelfFilter(SAFEARRAY** block, float dbGain, float hz, float steepness) {
    StartOperation();
    if (AnyNan({dbGain, hz, steepness})) return E_INVALIDARG;
    return RunBiquad(
        block, DesignLowShelf(RateHz(), BiquadLimits::SanitizeHz(hz, RateHz()), BiquadLimits::SanitizeSlope(steepness),
                              BiquadLimits::SanitizeGainDb(dbGain)));
}

HRESULT AudioTransform::ApplyPeakEQFilter(SAFEARRAY** block, float dbGain, float hz, float steepness) {
    StartOperation();
    if (AnyNan({dbGain, hz, steepness})) return E_INVALIDARG;
    return RunBiquad(block, DesignPeaking(RateHz(), BiquadLimits::SanitizeHz(hz, RateHz()),
                                          BiquadLimits::SanitizeQ(steepness), BiquadLimits::SanitizeGainDb(dbGain)));
}

HRESULT AudioTransform::RunFir(SAFEARRAY** block, const std::vector<double>& binGains) {
    try {
        FirFilterEffect effect(LinearPhaseKernel(binGains));
        return RunInPlace(block, effect);
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
}

HRESULT AudioTransform::ApplyFFTFilter(SAFEARRAY** block, SAFEARRAY* bandGains) {
    StartOperation();
    const auto gains = HostFloats(bandGains);
    if (!gains || gains->empty()) return E_INVALIDARG;
    return RunFir(block, BandGainsToBins(*gains, kFirDesignBins));
}

HRESULT AudioTransform::ApplyEqualizer(SAFEARRAY** block, SAFEARRAY* dbGains, SAFEARRAY* frequencies) {
    StartOperation();
    const auto gains = HostFloats(dbGains);
    const auto hz = HostFloats(frequencies);
    if (!gains || !hz || gains->empty() || gains->size() != hz->size()) return E_INVALIDARG;
    return RunFir(block, EqualizerToBins(*gains, *hz, RateHz(), kFirDesignBins));
}

// --- Length-changing operations ----------------------------------------------------------

HRESULT AudioTransform::ApplyStretch(SAFEARRAY** block, float percent) {
    StartOperation();
    if (AnyNan({percent})) return E_INVALIDARG;
    StretchEffect effect(percent, RateHz());
    return RunResizing(block, effect);
}

HRESULT AudioTransform::ApplyDeleteSilence(SAFEARRAY** block, float dbThreshold, int32_t attackTime,
                                           int32_t releaseTime, float rmsTime) {
    StartOperation(/*keepSilencePlan=*/true);
    if (AnyNan({dbThreshold, rmsTime})) {
        silencePlan_.reset();
        return E_INVALIDARG;
    }
    return RunDeleteSilence(block,
                            {dbThreshold, static_cast<double>(attackTime), static_cast<double>(releaseTime), rmsTime});
}

HRESULT AudioTransform::RunDeleteSilence(SAFEARRAY** block, const SilenceRemover::Settings& settings) {
    std::span<int16_t> samples;
    if (HRESULT hr = BlockSamples(block, samples); Failed(hr)) return hr;
    std::optional<SilencePlan> previous = std::exchange(silencePlan_, std::nullopt);
    try {
        std::vector<KeptRange> ranges;
        if (previous && previous->inputLength == samples.size() && previous->settings == settings) {
            ranges = std::move(previous->ranges);  // the second channel of the same sound
        } else {
            ProgressReporter progress = MakeProgress(samples.size());
            auto found = SilenceRemover(settings, RateHz()).Detect(samples, progress);
            if (!found) return S_FALSE;
            ranges = std::move(*found);
            silencePlan_ = SilencePlan{samples.size(), settings, ranges};
        }
        return ReplaceBlock(block, SilenceRemover::Cut(samples, ranges));
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
}

HRESULT AudioTransform::RunTrim(SAFEARRAY** block, TrimEffect::Side side, float dbTrimLevel, int32_t fadeTime) {
    StartOperation();
    if (AnyNan({dbTrimLevel})) return E_INVALIDARG;
    TrimEffect effect(side, dbTrimLevel, fadeTime, RateHz());
    return RunResizing(block, effect);
}

HRESULT AudioTransform::ApplyTrimStart(SAFEARRAY** block, float dbTrimLevel, int32_t fadeTime) {
    return RunTrim(block, TrimEffect::Side::kStart, dbTrimLevel, fadeTime);
}

HRESULT AudioTransform::ApplyTrimEnd(SAFEARRAY** block, float dbTrimLevel, int32_t fadeTime) {
    return RunTrim(block, TrimEffect::Side::kEnd, dbTrimLevel, fadeTime);
}

}  // namespace vesk
