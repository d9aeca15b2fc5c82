#include "interaction/Transport.h"

namespace vesk {

Transport::Transport(Document& document, EditorView& view, IVeskAudioPlayer& player, IVeskAudioRecord& recorder,
                     std::shared_ptr<const DeviceSettings> output, std::shared_ptr<const DeviceSettings> input,
                     std::shared_ptr<const RecorderSettings> recorderSettings)
    : document_(document), player_(player), recorder_(recorder),
      playback_(document, view, player, std::move(output), [this] { Stop(); }),
      recording_(document, view, recorder, std::move(recorderSettings), std::move(input)) {}

void Transport::Stop() {
    player_.StopPlayback();
    recorder_.StopRecording();
    // An effect may be inside the transform component: ask it to return early.
    if (IVeskAudioTransform* transform = document_.Components().transform) transform->AbortTransform();
    if (!playback_.End()) recording_.End();
    document_.SetStatus(Status::Idle);
}

SafeArrayPtr Transport::CurrentArray(int32_t elements) {
    SafeArrayPtr latest;
    if (document_.CurrentStatus() == Status::Playing) player_.GetCurrentPlayArray(elements, latest.put());
    if (document_.CurrentStatus() == Status::Recording) recorder_.GetCurrentRecordArray(elements, latest.put());
    return latest;
}

void Transport::OnComponentEvent(ComponentSink::Source source, DISPID id, const DISPPARAMS* params) {
    if (source == ComponentSink::Source::Player) OnPlayerEvent(id, params);
    if (source == ComponentSink::Source::Recorder) OnRecorderEvent(id, params);
}

void Transport::OnPlayerEvent(DISPID id, const DISPPARAMS* params) {
    // A notification that arrives after Stop (it was on its way) finds nothing to do.
    const Status status = document_.CurrentStatus();
    if (status != Status::Playing) return;
    switch (id) {
        case player_event::kBlockDone:
        case player_event::kQueueDrained:
            playback_.OnBlockDone();
            break;
        case player_event::kPosition:
            playback_.OnPosition(EventArgInt(params, 0));
            if (document_.CurrentStatus() == Status::Playing) {
                document_.Events().Meter(EventArgInt(params, 1), EventArgInt(params, 2));
            }
            break;
        case player_event::kPlaybackEnded:
            playback_.OnEnded();
            break;
        default:
            break;
    }
}

void Transport::OnRecorderEvent(DISPID id, const DISPPARAMS* params) {
    if (document_.CurrentStatus() != Status::Recording) return;
    if (id == record_event::kBlockReady) recording_.OnBlockReady();
    if (id == record_event::kPosition) {
        recording_.OnPosition(EventArgInt(params, 0), EventArgInt(params, 1), EventArgInt(params, 2));
    }
}

}  // namespace vesk
