// Which channels of the document are shown (Visible) and which edits, effects and playback work
// on (Operation). Flags are kept for up to kMaxChannels channels so that a host's choice survives
// a change of the channel count; the counts consider only the document's channels.
#pragma once

#include <array>
#include <cstdint>

namespace vesk {

class ChannelSelection {
public:
    static constexpr int kMaxChannels = 10;

    ChannelSelection();

    // index is 0-based (0 left, 1 right); values outside [0, kMaxChannels) are clamped. The
    // flags keep the value a host gave (any non-zero value counts as set).
    bool IsVisible(int index) const { return visible_[Clamp(index)] != 0; }
    bool IsOperated(int index) const { return operated_[Clamp(index)] != 0; }
    int16_t VisibleFlag(int index) const { return visible_[Clamp(index)]; }
    int16_t OperationFlag(int index) const { return operated_[Clamp(index)]; }
    void SetVisible(int index, int16_t flag);
    void SetOperated(int index, int16_t flag);
    // Both operation flags of a stereo document at once (the mouse's channel choice).
    void SetOperated(bool left, bool right);

    int VisibleCount() const { return visibleCount_; }
    int OperationCount() const { return operationCount_; }
    // Recounts over the document's first `channels` channels (after its channel count changed).
    void Recount(int channels);

private:
    static int Clamp(int index);
    int CountOf(const std::array<int16_t, kMaxChannels>& flags) const;

    std::array<int16_t, kMaxChannels> visible_;
    std::array<int16_t, kMaxChannels> operated_;
    int channels_ = 1;
    int visibleCount_ = 1;
    int operationCount_ = 1;
};

}  // namespace vesk
