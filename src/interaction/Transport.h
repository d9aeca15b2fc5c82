// The transport of the control: playback and recording over the player and recorder components,
// Stop for both (and for a running effect), and the components' notifications, which arrive on
// the control's thread through its sinks.
#pragma once

#include <memory>

#include "components/ComponentSink.h"
#include "components/VeskAudioPlayer.h"
#include "components/VeskAudioRecord.h"
#include "interaction/Playback.h"
#include "interaction/Recording.h"

namespace vesk {

class Transport {
public:
    // Everything outlives the transport; the settings are those of DeviceOutput, DeviceInput
    // and the Recorder.
    Transport(Document& document, EditorView& view, IVeskAudioPlayer& player, IVeskAudioRecord& recorder,
              std::shared_ptr<const DeviceSettings> output, std::shared_ptr<const DeviceSettings> input,
              std::shared_ptr<const RecorderSettings> recorderSettings);

    Playback& Player() { return playback_; }
    Recording& Recorder() { return recording_; }

    // Stops playback or recording and aborts a running effect; always asks all three
    // components to stop, even when idle.
    void Stop();
    // The samples sounding or captured most recently while playing or recording; empty
    // otherwise (the caller reads the document then).
    SafeArrayPtr CurrentArray(int32_t elements);

    // A notification of the player or the recorder.
    void OnComponentEvent(ComponentSink::Source source, DISPID id, const DISPPARAMS* params);

private:
    void OnPlayerEvent(DISPID id, const DISPPARAMS* params);
    void OnRecorderEvent(DISPID id, const DISPPARAMS* params);

    Document& document_;
    IVeskAudioPlayer& player_;
    IVeskAudioRecord& recorder_;
    Playback playback_;
    Recording recording_;
};

}  // namespace vesk
