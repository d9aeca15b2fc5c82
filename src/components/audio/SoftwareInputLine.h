// The one input line of a device whose mixer the system does not show (a sound server's
// virtual device, the disk driver): "Input gain", a software gain on the captured samples, so
// that the automatic gain control works on every device. Volume 0 .. 65535 is linear with
// 65535 unity; the balance lowers one side; switching the line off silences the input.
#pragma once

#include "components/audio/ChannelGain.h"
#include "components/audio/MixerLines.h"

namespace vesk {

class SoftwareInputLine final : public MixerLines {
public:
    static constexpr const char* kName = "Input gain";

    // The gain lives with the component and outlives this line.
    explicit SoftwareInputLine(ChannelGain& gain);

    int16_t Count() const override { return 1; }
    std::string Name(int16_t) const override { return kName; }
    int32_t Volume(int16_t) const override { return volume_; }
    void SetVolume(int16_t, int32_t volume) override;
    int16_t Balance(int16_t) const override { return balance_; }
    void SetBalance(int16_t, int16_t balance) override;
    bool Selected(int16_t) const override { return selected_; }
    void SetSelected(int16_t, bool selected) override;

private:
    void Update();

    ChannelGain& gain_;
    int32_t volume_ = ChannelGain::kUnity;
    int16_t balance_ = 0;
    bool selected_ = true;
};

}  // namespace vesk
