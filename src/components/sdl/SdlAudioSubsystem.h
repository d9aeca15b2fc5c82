// SDL's audio subsystem is one per process. The first component that needs it initialises it
// and the last one that lets go quits it, so two controls in one process (on one thread or
// two) share it without knowing of each other. SDL does not promise that opening, closing and
// listing devices may run on two threads at once, so every such call of ours holds Lock().
#pragma once

#include <mutex>

namespace vesk {

class SdlAudioSubsystem {
public:
    // Held around every call into SDL's audio device API (never by an audio callback).
    static std::unique_lock<std::mutex> Lock();
};

// One component's share of the subsystem, taken on first need and kept until destruction.
class SdlAudioUse {
public:
    SdlAudioUse() = default;
    ~SdlAudioUse();
    SdlAudioUse(const SdlAudioUse&) = delete;
    SdlAudioUse& operator=(const SdlAudioUse&) = delete;

    // Takes the share if not yet held; false when SDL finds no working audio driver (tried
    // again on the next call: a sound server may have started meanwhile).
    bool Ensure();

private:
    bool held_ = false;
};

}  // namespace vesk
