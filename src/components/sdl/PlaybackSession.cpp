#include "components/sdl/PlaybackSession.h"

#include "components/VeskAudioPlayer.h"

namespace vesk {

PlaybackSession::PlaybackSession(const Setup& setup, const Player& player)
    : setup_(setup), player_(player), stream_(queue_, player.gain, meter_, latest_, setup.channels) {
    const auto second = static_cast<size_t>(setup.rateHz) * static_cast<size_t>(setup.channels);
    queue_.Reset(setup.channels, second);
    latest_.Reset(2 * second);
}

std::unique_ptr<PlaybackSession> PlaybackSession::Open(const Setup& setup, const Player& player) {
    std::unique_ptr<PlaybackSession> session(new PlaybackSession(setup, player));
    const SdlAudioDevice::Spec spec{setup.rateHz, setup.channels, SdlAudioDevice::BufferFramesFor(setup.rateHz)};
    session->device_ = SdlAudioDevice::Open(false, setup.device, spec, *session);
    if (!session->device_) return nullptr;
    session->notifier_.Start(*session, player.intervalMs);
    return session;
}

PlaybackSession::~PlaybackSession() {
    // The notifier asks the device whether it is lost: it goes first.
    notifier_.Stop();
    device_.reset();
}

std::vector<int16_t> PlaybackSession::Latest(size_t count) const {
    return latest_.Read(count, static_cast<size_t>(setup_.channels));
}

void PlaybackSession::Post(std::function<void(const SingleEventSource&)> fire) const {
    player_.poster.Post(setup_.session, [&events = player_.events, fire = std::move(fire)] { fire(events); });
}

void PlaybackSession::Poll(bool positionDue) {
    queue_.Refill();
    if (!stream_.Started()) return;
    if (!startPosted_) {
        startPosted_ = true;
        Post([](const SingleEventSource& e) { e.Fire(player_event::kStarted); });
    }
    if (const int finished = queue_.TakeFinishedBlocks(); finished > 0) {
        Post([finished](const SingleEventSource& e) {
            for (int i = 0; i < finished; ++i) e.Fire(player_event::kBlockDone);
        });
    }
    if (positionDue) {
        const ChannelLevels levels = player_.hold.Apply(meter_.TakeLevels(), Clock::now());
        const auto frames = static_cast<int32_t>(queue_.Taken() / static_cast<uint64_t>(setup_.channels));
        Post([frames, levels](const SingleEventSource& e) {
            e.Fire(player_event::kPosition, {frames, levels.left, levels.right});
        });
    }
    const uint64_t queued = queue_.Queued();
    const bool ended = stream_.RanDry() || device_->Lost();
    if (ended && (!endPosted_ || endPostedAt_ != queued)) {
        endPosted_ = true;
        endPostedAt_ = queued;
        Post([](const SingleEventSource& e) { e.Fire(player_event::kPlaybackEnded); });
    }
}

}  // namespace vesk
