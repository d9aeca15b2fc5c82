// One pipeline for every effect: the selected range (with the frame at EndSelect) is loaded
// into 16-bit arrays, handed to the transform component, and whatever the component leaves in
// the arrays (possibly of another length) is written in its place inside the operation frame.
// The control computes no samples itself; the whole range sits in memory while the component
// works.
#pragma once

#include <cstdint>
#include <vector>

#include "document/WaveFile.h"
#include "document/Document.h"
#include "edit/EffectCall.h"
#include "edit/EffectProgress.h"
#include "edit/OperationFrame.h"

namespace vesk {

class EffectsPipeline {
public:
    // document, frame and progress outlive the pipeline.
    EffectsPipeline(Document& document, OperationFrame& frame, EffectProgress& progress)
        : document_(document), frame_(frame), progress_(progress) {}

    // Runs the effect when its guards pass (document open, Status 0, stereo for stereo-only
    // effects, a selection, at least one operated channel); otherwise does nothing at all.
    // A cancel (Status set to 0 by Stop) at any point discards everything.
    void Run(const EffectCall& call);
    // The component's progress (percent of its running call) as a BlockOperation of the whole
    // document, while the component works on the arrays.
    void OnTransformProgress(int32_t percent);

private:
    bool GuardsPass(const EffectCall& call);
    // The bytes the effect works on: the selection with the frame at its end.
    int64_t RangeBytes(const DocState& state) const;
    // Reads rangeBytes from the source into the arrays. False on a read error.
    bool Load(WaveFile& source, uint32_t rangeBytes, uint32_t blockBytes);
    void Process(const EffectCall& call);
    void Apply(const EffectCall& call, SafeArrayPtr& samples);
    // Writes the arrays' samples to the destination. False on a write error.
    bool WriteBack(WaveFile& destination, uint32_t blockBytes);
    void SetSmoothing(int16_t on);
    void Release();
    bool Cancelled() const { return document_.IsIdle(); }

    Document& document_;
    OperationFrame& frame_;
    EffectProgress& progress_;
    bool twoArrays_ = false;
    SafeArrayPtr left_;   // the left channel, or the only array
    SafeArrayPtr right_;  // the right channel when twoArrays_
    std::vector<int16_t> buffer_;
};

}  // namespace vesk
