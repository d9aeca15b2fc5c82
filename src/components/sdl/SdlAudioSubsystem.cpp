#include "components/sdl/SdlAudioSubsystem.h"

#include <SDL2/SDL.h>

namespace vesk {
namespace {

std::mutex& SubsystemMutex() {
    static std::mutex mutex;
    return mutex;
}

int users = 0;  // guarded by SubsystemMutex()

}  // namespace

std::unique_lock<std::mutex> SdlAudioSubsystem::Lock() { return std::unique_lock<std::mutex>(SubsystemMutex()); }

bool SdlAudioUse::Ensure() {
    if (held_) return true;
    auto lock = SdlAudioSubsystem::Lock();
    if (users == 0 && SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    ++users;
    held_ = true;
    return true;
}

SdlAudioUse::~SdlAudioUse() {
    if (!held_) return;
    auto lock = SdlAudioSubsystem::Lock();
    if (--users == 0) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

}  // namespace vesk
