#include "components/audio/SoftwareInputLine.h"

#include <algorithm>

#include "components/audio/VolumeBalance.h"

namespace vesk {

SoftwareInputLine::SoftwareInputLine(ChannelGain& gain) : gain_(gain) { Update(); }

void SoftwareInputLine::SetVolume(int16_t, int32_t volume) {
    volume_ = ChannelGain::ClampGain(volume);
    Update();
}

void SoftwareInputLine::SetBalance(int16_t, int16_t balance) {
    balance_ = std::clamp<int16_t>(balance, -100, 100);
    Update();
}

void SoftwareInputLine::SetSelected(int16_t, bool selected) {
    selected_ = selected;
    Update();
}

void SoftwareInputLine::Update() {
    const SideVolumes sides = selected_ ? SplitBalance(volume_, balance_) : SideVolumes{};
    gain_.Set(sides.left, sides.right);
}

}  // namespace vesk
