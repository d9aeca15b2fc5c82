// The devices of one direction as the components number them: 0 is the system's default
// device (whatever the sound server or driver routes to), 1 .. n are SDL's devices in SDL's
// order. The choice is remembered by name, so a device that disappears (or a number past the
// list) means the default device again. Without any device the count is 0 and the name "".
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "components/sdl/SdlAudioSubsystem.h"

namespace vesk {

class SdlDeviceChoice {
public:
    explicit SdlDeviceChoice(bool capture) : capture_(capture) {}

    int16_t Count();
    int16_t Num();
    void Choose(int16_t index);
    std::string Name();

    // Whether SDL has a working audio driver (initialises the subsystem on first use).
    bool Available() { return sdl_.Ensure(); }
    // SDL's name of the device to open; "" for the default device.
    std::string OpenName();
    // The SDL driver in use ("pulseaudio", "alsa", "disk", ...), "" without one.
    std::string Driver();

private:
    std::vector<std::string> List();
    std::string DefaultName();

    const bool capture_;
    SdlAudioUse sdl_;
    std::string chosen_;  // "" is the default device
};

}  // namespace vesk
