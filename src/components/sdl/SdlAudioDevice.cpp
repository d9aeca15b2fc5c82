#include "components/sdl/SdlAudioDevice.h"

#include <SDL2/SDL.h>

#include <bit>

#include "components/sdl/SdlAudioSubsystem.h"

namespace vesk {
namespace {

void Trampoline(void* user, Uint8* stream, int length) {
    static_cast<SdlAudioDevice::Callback*>(user)->OnBuffer(
        {reinterpret_cast<int16_t*>(stream), static_cast<size_t>(length) / sizeof(int16_t)});
}

}  // namespace

int SdlAudioDevice::BufferFramesFor(int rateHz) {
    return static_cast<int>(std::bit_ceil(static_cast<unsigned>(rateHz > 0 ? rateHz / 50 : 1)));
}

std::unique_ptr<SdlAudioDevice> SdlAudioDevice::Open(bool capture, const std::string& name, Spec spec,
                                                     Callback& callback) {
    SDL_AudioSpec wanted{};
    wanted.freq = spec.rateHz;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = static_cast<Uint8>(spec.channels);
    wanted.samples = static_cast<Uint16>(spec.bufferFrames);
    wanted.callback = Trampoline;
    wanted.userdata = &callback;
    auto lock = SdlAudioSubsystem::Lock();
    // No changes allowed: SDL converts between our format and the device's.
    const SDL_AudioDeviceID id =
        SDL_OpenAudioDevice(name.empty() ? nullptr : name.c_str(), capture ? 1 : 0, &wanted, nullptr, 0);
    if (id == 0) return nullptr;
    return std::unique_ptr<SdlAudioDevice>(new SdlAudioDevice(id));
}

SdlAudioDevice::~SdlAudioDevice() {
    auto lock = SdlAudioSubsystem::Lock();
    SDL_CloseAudioDevice(id_);
}

void SdlAudioDevice::Resume() {
    auto lock = SdlAudioSubsystem::Lock();
    SDL_PauseAudioDevice(id_, 0);
}

bool SdlAudioDevice::Lost() const {
    auto lock = SdlAudioSubsystem::Lock();
    return SDL_GetAudioDeviceStatus(id_) == SDL_AUDIO_STOPPED;
}

}  // namespace vesk
