// Carries notifications from the audio threads to the thread that created the component:
// they are posted to that thread's message queue and run there when the host pumps it, so
// events reach the control on its own thread and never inside an audio callback.
//
// Each playback or recording is a session. A message runs only if its session is still the
// current one and the component still exists: after a stop (or the component's end) the
// notifications still waiting in the queue do nothing.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "platform/automation/MessageQueue.h"

namespace vesk {

class EventPoster {
public:
    // Captures the calling thread's queue: construct on the component's thread.
    EventPoster();
    ~EventPoster();
    EventPoster(const EventPoster&) = delete;
    EventPoster& operator=(const EventPoster&) = delete;

    // Owner thread: starts a new session; messages of earlier ones are dropped from now on.
    uint64_t NewSession();
    // Any thread: runs `action` on the owner thread if `session` is still current then.
    void Post(uint64_t session, std::function<void()> action) const;

private:
    // Read and written on the owner thread only (by the messages and by the owner).
    struct Gate {
        uint64_t session = 0;
        bool open = true;
    };

    MessageQueue& queue_;
    std::shared_ptr<Gate> gate_;
};

}  // namespace vesk
