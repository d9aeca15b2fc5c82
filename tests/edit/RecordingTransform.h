// A transform component for tests of the effects pipeline: records every call with its
// arguments and the length of the array it got, and lets a test decide what happens to the
// array (resize it, fill it) and what happens during the call (fire progress, cancel).
#pragma once

#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "components/SingleEventSource.h"
#include "components/VeskAudioTransform.h"
#include "platform/automation/ConnectionPoint.h"

namespace vesk::test {

class RecordingTransform : public RefCounted, public IVeskAudioTransform, public IConnectionPointContainer {
public:
    VESK_IUNKNOWN_IMPL(RecordingTransform, IVeskAudioTransform, IConnectionPointContainer)

    std::vector<std::string> calls;            // "ApplyAmplify 1.5 [4]" = name, args, array length
    std::function<void(SAFEARRAY**)> process;  // what happens to each array (default: nothing)
    std::function<void()> during;              // runs inside every Apply call

    HRESULT FindConnectionPoint(const IID& iid, IConnectionPoint** point) override { return events_.Find(iid, point); }
    void FireProgress(int32_t percent) { events_.Fire(transform_event::kProgress, {percent}); }
    // The apply calls only, without the settings.
    std::vector<std::string> Applies() const {
        std::vector<std::string> out;
        for (const auto& c : calls) {
            if (c.rfind("Apply", 0) == 0) out.push_back(c);
        }
        return out;
    }

    HRESULT SetFrequency(int32_t hz) override { return Note("SetFrequency", hz); }
    HRESULT SetSmoothStart(int16_t on) override { return Note("SetSmoothStart", on); }
    HRESULT SetSmoothEnd(int16_t on) override { return Note("SetSmoothEnd", on); }
    HRESULT SetSmoothTime(int32_t ms) override { return Note("SetSmoothTime", ms); }
    HRESULT AbortTransform() override { return Note("AbortTransform"); }

    HRESULT ApplySilence(SAFEARRAY** b) override { return Apply(b, "ApplySilence"); }
    HRESULT ApplyReverse(SAFEARRAY** b) override { return Apply(b, "ApplyReverse"); }
    HRESULT ApplyInvert(SAFEARRAY** b) override { return Apply(b, "ApplyInvert"); }
    HRESULT ApplyAmplify(SAFEARRAY** b, float f) override { return Apply(b, "ApplyAmplify", f); }
    HRESULT ApplyAddNoise(SAFEARRAY** b, float a, int32_t t) override { return Apply(b, "ApplyAddNoise", a, t); }
    HRESULT ApplyMixStereoChannels(SAFEARRAY** b, float a, float c, float d, float e) override {
        return Apply(b, "ApplyMixStereoChannels", a, c, d, e);
    }
    HRESULT ApplyFade(SAFEARRAY** b, float s, float e) override { return Apply(b, "ApplyFade", s, e); }
    HRESULT ApplyNormalize(SAFEARRAY** b, float n, VARIANT_BOOL d) override { return Apply(b, "ApplyNormalize", n, d); }
    HRESULT ApplyVibrato(SAFEARRAY** b, float x, float y, float z) override { return Apply(b, "ApplyVibrato", x, y, z); }
    HRESULT ApplyEnvelope(SAFEARRAY** b, SAFEARRAY*) override { return Apply(b, "ApplyEnvelope"); }
    HRESULT ApplyCompressor(SAFEARRAY** b, float x, float y, float z) override {
        return Apply(b, "ApplyCompressor", x, y, z);
    }
    HRESULT ApplyExpander(SAFEARRAY** b, float x, float y, float z) override { return Apply(b, "ApplyExpander", x, y, z); }
    HRESULT ApplyDelay(SAFEARRAY** b, float x, float y, float z) override { return Apply(b, "ApplyDelay", x, y, z); }
    HRESULT ApplyPhaser(SAFEARRAY** b, float x, float y, float z) override { return Apply(b, "ApplyPhaser", x, y, z); }
    HRESULT ApplyFlanger(SAFEARRAY** b, float p, float q, float r, float s, float t, float u) override {
        return Apply(b, "ApplyFlanger", p, q, r, s, t, u);
    }
    HRESULT ApplyReverb(SAFEARRAY** b, float p, float q, float r, float s) override {
        return Apply(b, "ApplyReverb", p, q, r, s);
    }
    HRESULT ApplyStretch(SAFEARRAY** b, float p) override { return Apply(b, "ApplyStretch", p); }
    HRESULT ApplyNotchFilter(SAFEARRAY** b, float f, float s) override { return Apply(b, "ApplyNotchFilter", f, s); }
    HRESULT ApplyFFTFilter(SAFEARRAY** b, SAFEARRAY*) override { return Apply(b, "ApplyFFTFilter"); }
    HRESULT ApplyHighPassFilter(SAFEARRAY** b, float f, float s) override { return Apply(b, "ApplyHighPassFilter", f, s); }
    HRESULT ApplyLowPassFilter(SAFEARRAY** b, float f, float s) override { return Apply(b, "ApplyLowPassFilter", f, s); }
    HRESULT ApplyHighShelfFilter(SAFEARRAY** b, float g, float f, float s) override {
        return Apply(b, "ApplyHighShelfFilter", g, f, s);
    }
    HRESULT ApplyLowShelfFilter(SAFEARRAY** b, float g, float f, float s) override {
        return Apply(b, "ApplyLowShelfFilter", g, f, s);
    }
    HRESULT ApplyBandPassFilter(SAFEARRAY** b, float f, float s) override { return Apply(b, "ApplyBandPassFilter", f, s); }
    HRESULT ApplyEqualizer(SAFEARRAY** b, SAFEARRAY*, SAFEARRAY*) override { return Apply(b, "ApplyEqualizer"); }
    HRESULT ApplyPeakEQFilter(SAFEARRAY** b, float g, float f, float s) override {
        return Apply(b, "ApplyPeakEQFilter", g, f, s);
    }
    HRESULT ApplyDeleteSilence(SAFEARRAY** b, float t, int32_t a, int32_t r, float m) override {
        return Apply(b, "ApplyDeleteSilence", t, a, r, m);
    }
    HRESULT ApplyTrimStart(SAFEARRAY** b, float l, int32_t f) override { return Apply(b, "ApplyTrimStart", l, f); }
    HRESULT ApplyTrimEnd(SAFEARRAY** b, float l, int32_t f) override { return Apply(b, "ApplyTrimEnd", l, f); }

private:
    template <class... Args>
    HRESULT Note(const char* name, Args... args) {
        std::ostringstream text;
        text << name;
        ((text << ' ' << args), ...);
        calls.push_back(text.str());
        return S_OK;
    }
    template <class... Args>
    HRESULT Apply(SAFEARRAY** block, const char* name, Args... args) {
        std::ostringstream text;
        text << name;
        ((text << ' ' << args), ...);
        text << " [" << SafeArrayCount(*block) << "]";
        calls.push_back(text.str());
        if (during) during();
        if (process) process(block);
        return S_OK;
    }

    SingleEventSource events_{IID_VeskAudioTransformEvents};
};

}  // namespace vesk::test
