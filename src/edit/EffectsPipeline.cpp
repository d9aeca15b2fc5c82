#include "edit/EffectsPipeline.h"

#include <algorithm>

#include "edit/BlockSize.h"
#include "edit/SampleLayout.h"

namespace vesk {

int64_t EffectsPipeline::RangeBytes(const DocState& state) const {
    return int64_t{state.SelectEnd()} - state.SelectStart() + document_.BytesPerFrame();
}

bool EffectsPipeline::GuardsPass(const EffectCall& call) {
    const DocState* state = document_.History().Current();
    // An inverted selection (its end a frame or more before its start) holds nothing to process.
    return state && document_.IsIdle() && (!call.stereoOnly || document_.Channels() == 2) && state->selected != 0 &&
           RangeBytes(*state) > 0 && document_.ChannelFlags().OperationCount() >= 1;
}

void EffectsPipeline::Run(const EffectCall& call) {
    if (!GuardsPass(call)) return;
    document_.ClearError();
    WaveFile destination, source;
    if (!frame_.Begin(destination, source, call.code)) return;
    document_.SetStatus(call.code);
    const DocState& state = *document_.History().Current();
    const int32_t start = state.SelectStart();
    const int32_t end = state.SelectEnd();
    const bool stereo = document_.Channels() == 2;
    twoArrays_ = stereo && call.channels != EffectChannels::Interleaved;
    const bool singlePass = call.channels == EffectChannels::Interleaved ||
                            (call.channels == EffectChannels::BothAlways && !stereo);
    progress_.Start(start, end, state.totalBytes, document_.ChannelFlags().OperationCount(),
                    singlePass ? EffectProgress::kSinglePass : int16_t{0});
    const bool smooth = document_.SmoothEnabled();
    if (smooth) SetSmoothing(1);

    const auto rangeBytes = static_cast<uint32_t>(RangeBytes(state));
    const uint32_t block = source.Format().avgBytesPerSecond;
    // A read error is treated like a cancel, so the document stays intact.
    const bool loaded = Load(source, rangeBytes, block);
    if (loaded && !Cancelled()) Process(call);
    const bool written = loaded && !Cancelled() && WriteBack(destination, block);

    if (smooth) SetSmoothing(0);
    Release();
    if (written && !Cancelled()) {
        document_.SetStatus(Status::Idle);
        frame_.Finish(destination, source, call.code);
    } else {
        document_.SetStatus(Status::Idle);
        frame_.Discard(destination, source);
    }
}

bool EffectsPipeline::Load(WaveFile& source, uint32_t rangeBytes, uint32_t blockBytes) {
    if (!twoArrays_) {
        left_ = SafeArrayPtr(SafeArrayCreateVector(VT_I2, 0, rangeBytes / 2));
        return left_.get() && source.Read(left_.shorts().data(), rangeBytes / 2 * 2) >= 0;
    }
    left_ = SafeArrayPtr(SafeArrayCreateVector(VT_I2, 0, rangeBytes / 4));
    right_ = SafeArrayPtr(SafeArrayCreateVector(VT_I2, 0, rangeBytes / 4));
    if (!left_.get() || !right_.get()) return false;
    buffer_.resize(blockBytes / 2);
    uint32_t loaded = 0;
    do {
        const uint32_t count = std::min(blockBytes, rangeBytes - loaded) / 2 * 2;
        const int32_t got = source.Read(buffer_.data(), count);
        if (got < 0) return false;
        if (got == 0) break;
        SplitStereo(std::span<const int16_t>(buffer_.data(), static_cast<size_t>(got) / 2), left_.shorts(),
                    right_.shorts(), loaded / 4);
        loaded += static_cast<uint32_t>(got);
    } while (!Cancelled());
    return true;
}

void EffectsPipeline::Process(const EffectCall& call) {
    if (!twoArrays_) {
        Apply(call, left_);
        return;
    }
    if (call.channels == EffectChannels::PerFlags && document_.ChannelFlags().OperationCount() == 1) {
        if (document_.ChannelFlags().IsOperated(0)) Apply(call, left_);
        if (document_.ChannelFlags().IsOperated(1)) Apply(call, right_);
        return;
    }
    Apply(call, left_);
    progress_.SetChannelPass(1);
    if (!Cancelled()) Apply(call, right_);
}

void EffectsPipeline::Apply(const EffectCall& call, SafeArrayPtr& samples) {
    IVeskAudioTransform* transform = document_.Components().transform;
    if (!transform) return;
    // The component gets the address of our pointer: it may resize or replace the array.
    SAFEARRAY* array = samples.Detach();
    for (size_t i = 0; i < call.steps.size(); ++i) {
        if (i > 0 && Cancelled()) break;
        call.steps[i](*transform, &array);
    }
    samples = SafeArrayPtr(array);
}

bool EffectsPipeline::WriteBack(WaveFile& destination, uint32_t blockBytes) {
    // The left (or only) array's length decides; the component keeps both channels alike.
    const std::span<const int16_t> left = left_.shorts();
    if (!twoArrays_) {
        return left.empty() || destination.Write(left.data(), static_cast<uint32_t>(left.size_bytes()));
    }
    const uint64_t bytes = uint64_t{left.size()} * 4;
    buffer_.resize(blockBytes / 2);
    uint64_t written = 0;
    while (written < bytes && !Cancelled()) {
        const auto count = static_cast<uint32_t>(std::min<uint64_t>(blockBytes, bytes - written));
        MergeStereo(std::span<int16_t>(buffer_.data(), count / 2), left, right_.shorts(), written / 4);
        if (!destination.Write(buffer_.data(), count)) return false;
        written += count;
    }
    return true;
}

void EffectsPipeline::SetSmoothing(int16_t on) {
    if (IVeskAudioTransform* transform = document_.Components().transform) {
        transform->SetSmoothStart(on);
        transform->SetSmoothEnd(on);
    }
}

void EffectsPipeline::Release() {
    left_ = SafeArrayPtr();
    right_ = SafeArrayPtr();
    buffer_ = {};
}

void EffectsPipeline::OnTransformProgress(int32_t percent) {
    if (const auto value = progress_.Map(percent)) document_.Events().BlockOperation(*value);
}

}  // namespace vesk
