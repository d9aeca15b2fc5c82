#include "components/sdl/CaptureSession.h"

#include "components/SingleEventSource.h"
#include "components/VeskAudioRecord.h"

namespace vesk {

CaptureSession::CaptureSession(const Setup& setup, const Recorder& recorder)
    : setup_(setup),
      recorder_(recorder),
      stream_(ring_, setup.channels),
      processor_(ring_, recorder.gain, recorder.filters, meter_, latest_,
                 {setup.rateHz, setup.channels, setup.blockFrames}) {
    // Two seconds: the notifier drains the ring every few milliseconds.
    const auto second = static_cast<size_t>(setup.rateHz) * static_cast<size_t>(setup.channels);
    ring_.Reset(2 * second);
    latest_.Reset(2 * second);
}

std::unique_ptr<CaptureSession> CaptureSession::Open(const Setup& setup, const Recorder& recorder) {
    std::unique_ptr<CaptureSession> session(new CaptureSession(setup, recorder));
    const SdlAudioDevice::Spec spec{setup.rateHz, setup.channels, SdlAudioDevice::BufferFramesFor(setup.rateHz)};
    session->device_ = SdlAudioDevice::Open(true, setup.device, spec, *session);
    if (!session->device_) return nullptr;
    session->notifier_.Start(*session, recorder.intervalMs);
    session->device_->Resume();
    return session;
}

CaptureSession::~CaptureSession() {
    notifier_.Stop();
    device_.reset();
}

std::vector<int16_t> CaptureSession::Latest(size_t count) const {
    return latest_.Read(count, static_cast<size_t>(setup_.channels));
}

void CaptureSession::Post(std::function<void()> action) const {
    recorder_.poster.Post(setup_.session, std::move(action));
}

void CaptureSession::Poll(bool positionDue) {
    if (!stream_.Started()) return;
    const SingleEventSource& events = recorder_.events;
    if (!startPosted_) {
        startPosted_ = true;
        Post([&events] { events.Fire(record_event::kStarted); });
    }
    processor_.Drain([&](std::vector<int16_t>&& block) {
        Post([&events, keep = recorder_.keepBlock, block = std::move(block)]() mutable {
            keep(std::move(block));
            events.Fire(record_event::kBlockReady);
        });
    });
    if (positionDue) {
        const ChannelLevels levels = meter_.TakeLevels();
        const auto frames = static_cast<int32_t>(processor_.Frames());
        Post([&events, frames, levels] { events.Fire(record_event::kPosition, {frames, levels.left, levels.right}); });
    }
}

}  // namespace vesk
