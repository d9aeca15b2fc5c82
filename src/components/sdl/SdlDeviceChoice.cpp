#include "components/sdl/SdlDeviceChoice.h"

#include <SDL2/SDL.h>

#include <algorithm>

namespace vesk {
namespace {

constexpr const char* kDefaultDeviceName = "Default device";

}  // namespace

std::vector<std::string> SdlDeviceChoice::List() {
    std::vector<std::string> names;
    if (!sdl_.Ensure()) return names;
    auto lock = SdlAudioSubsystem::Lock();
    const int count = SDL_GetNumAudioDevices(capture_ ? 1 : 0);
    for (int i = 0; i < count; ++i) {
        const char* name = SDL_GetAudioDeviceName(i, capture_ ? 1 : 0);
        names.emplace_back(name ? name : "");
    }
    return names;
}

// The default device's own name where the driver tells it.
std::string SdlDeviceChoice::DefaultName() {
    auto lock = SdlAudioSubsystem::Lock();
    char* name = nullptr;
    SDL_AudioSpec spec{};
    if (SDL_GetDefaultAudioInfo(&name, &spec, capture_ ? 1 : 0) != 0 || !name) return kDefaultDeviceName;
    std::string result(name);
    SDL_free(name);
    return result;
}

int16_t SdlDeviceChoice::Count() {
    const size_t listed = List().size();
    return listed == 0 ? 0 : static_cast<int16_t>(std::min<size_t>(listed + 1, INT16_MAX));
}

int16_t SdlDeviceChoice::Num() {
    if (chosen_.empty()) return 0;
    const std::vector<std::string> names = List();
    const auto found = std::find(names.begin(), names.end(), chosen_);
    return found == names.end() ? 0 : static_cast<int16_t>(found - names.begin() + 1);
}

void SdlDeviceChoice::Choose(int16_t index) {
    const std::vector<std::string> names = List();
    chosen_ = index >= 1 && static_cast<size_t>(index) <= names.size() ? names[static_cast<size_t>(index) - 1] : "";
}

std::string SdlDeviceChoice::Name() {
    const std::vector<std::string> names = List();
    if (names.empty()) return "";
    const int16_t num = Num();
    return num == 0 ? DefaultName() : names[static_cast<size_t>(num) - 1];
}

std::string SdlDeviceChoice::OpenName() { return Num() == 0 ? "" : chosen_; }

std::string SdlDeviceChoice::Driver() {
    if (!sdl_.Ensure()) return "";
    auto lock = SdlAudioSubsystem::Lock();
    const char* driver = SDL_GetCurrentAudioDriver();
    return driver ? driver : "";
}

}  // namespace vesk
