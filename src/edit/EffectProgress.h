// The progress of an effect while the transform component works on its arrays: the component
// reports percent of each of its calls; the host wants the position in the whole document.
// Active from the moment the arrays go to the component until the next half of the operation
// frame starts (which clears it), so the frame's own copies are never reported twice.
#pragma once

#include <cstdint>
#include <optional>

namespace vesk {

class EffectProgress {
public:
    // ChannelPass value of an effect that makes one call over everything.
    static constexpr int16_t kSinglePass = 3;

    // An effect over bytes [startByte, endByte) of a document of totalBytes starts its passes;
    // operationCount is the number of channel passes the percentages are shared between.
    void Start(int32_t startByte, int32_t endByte, int32_t totalBytes, int operationCount, int16_t channelPass);
    void SetChannelPass(int16_t pass) { channelPass_ = pass; }
    void Deactivate() { active_ = false; }

    bool Active() const { return active_; }
    int16_t ChannelPass() const { return channelPass_; }

    // The document percentage (0..100) for the component's percent of the running call, or
    // nothing while inactive.
    std::optional<int16_t> Map(int32_t percent) const;

private:
    bool active_ = false;
    int16_t channelPass_ = 0;
    int32_t startByte_ = 0;
    int32_t lengthBytes_ = 0;
    int32_t totalBytes_ = 0;
    int operationCount_ = 1;
};

}  // namespace vesk
