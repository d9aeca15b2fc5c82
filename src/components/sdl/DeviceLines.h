// The mixer lines of the chosen device. Through SDL's ALSA driver they are the ALSA mixer's
// elements of the device's card; where the system shows no mixer (a sound server's virtual
// devices, the disk driver, a card without elements of that direction) an input device has
// exactly one software line, "Input gain", and an output device has none.
#pragma once

#include <memory>

#include "components/audio/ChannelGain.h"
#include "components/audio/MixerLines.h"
#include "components/sdl/SdlDeviceChoice.h"

namespace vesk {

// `softwareGain` (the recorder's) is what the software line drives; it is back at unity
// whenever the lines are made anew.
std::unique_ptr<MixerLines> MakeInputLines(SdlDeviceChoice& device, ChannelGain& softwareGain);
std::unique_ptr<MixerLines> MakeOutputLines(SdlDeviceChoice& device);

}  // namespace vesk
