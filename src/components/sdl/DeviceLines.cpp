#include "components/sdl/DeviceLines.h"

#include "components/alsa/AlsaCards.h"
#include "components/alsa/AlsaMixerLines.h"
#include "components/audio/SoftwareInputLine.h"

namespace vesk {
namespace {

std::unique_ptr<MixerLines> AlsaLines(SdlDeviceChoice& device, bool capture) {
    if (device.Driver() != "alsa") return nullptr;
    const std::string mixer = MixerDeviceFor(device.OpenName(), ListAlsaCards());
    if (mixer.empty()) return nullptr;
    return AlsaMixerLines::Open(mixer, capture);
}

}  // namespace

std::unique_ptr<MixerLines> MakeInputLines(SdlDeviceChoice& device, ChannelGain& softwareGain) {
    softwareGain.Set(ChannelGain::kUnity, ChannelGain::kUnity);
    if (std::unique_ptr<MixerLines> lines = AlsaLines(device, true)) return lines;
    return std::make_unique<SoftwareInputLine>(softwareGain);
}

std::unique_ptr<MixerLines> MakeOutputLines(SdlDeviceChoice& device) {
    if (std::unique_ptr<MixerLines> lines = AlsaLines(device, false)) return lines;
    return std::make_unique<NoMixerLines>();
}

}  // namespace vesk
