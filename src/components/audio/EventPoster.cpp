#include "components/audio/EventPoster.h"

#include <utility>

namespace vesk {

EventPoster::EventPoster() : queue_(MessageQueue::ForCurrentThread()), gate_(std::make_shared<Gate>()) {}

EventPoster::~EventPoster() { gate_->open = false; }

uint64_t EventPoster::NewSession() { return ++gate_->session; }

void EventPoster::Post(uint64_t session, std::function<void()> action) const {
    queue_.Post([gate = gate_, session, action = std::move(action)] {
        if (gate->open && gate->session == session) action();
    });
}

}  // namespace vesk
