// Which ALSA card a device of SDL's ALSA driver belongs to. SDL names such a device by the
// first line of ALSA's description, which begins with the card's name ("HDA Intel PCH,
// ALC892 Analog"); the default device is ALSA's "default", whose mixer is the default card's.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vesk {

struct AlsaCardName {
    int index = 0;
    std::string name;  // the card's short name, as ALSA gives it
};

// The cards present now.
std::vector<AlsaCardName> ListAlsaCards();

// The mixer device ("default", "hw:N") for an SDL device name ("" = the default device);
// "" when no card matches. The longest matching card name wins ("USB Audio" over "USB").
std::string MixerDeviceFor(std::string_view sdlDeviceName, const std::vector<AlsaCardName>& cards);

}  // namespace vesk
