#include "document/ChannelSelection.h"

#include <algorithm>

namespace vesk {

ChannelSelection::ChannelSelection() {
    visible_.fill(1);
    operated_.fill(1);
}

int ChannelSelection::Clamp(int index) { return std::clamp(index, 0, kMaxChannels - 1); }

int ChannelSelection::CountOf(const std::array<int16_t, kMaxChannels>& flags) const {
    return static_cast<int>(
        std::count_if(flags.begin(), flags.begin() + channels_, [](int16_t flag) { return flag != 0; }));
}

void ChannelSelection::SetVisible(int index, int16_t flag) {
    visible_[Clamp(index)] = flag;
    visibleCount_ = CountOf(visible_);
}

void ChannelSelection::SetOperated(int index, int16_t flag) {
    operated_[Clamp(index)] = flag;
    operationCount_ = CountOf(operated_);
}

void ChannelSelection::SetOperated(bool left, bool right) {
    operated_[0] = left ? 1 : 0;
    operated_[1] = right ? 1 : 0;
    operationCount_ = CountOf(operated_);
}

void ChannelSelection::Recount(int channels) {
    channels_ = std::clamp(channels, 0, kMaxChannels);
    visibleCount_ = CountOf(visible_);
    operationCount_ = CountOf(operated_);
}

}  // namespace vesk
