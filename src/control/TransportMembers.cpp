// The transport members of IAudioEditor: Play, Record, Stop, Pause, Continue and the record
// visualisation. Each hands its arguments to the transport and answers S_OK whatever happened.
#include "control/AudioEditor.h"
#include "platform/automation/OutParam.h"

namespace vesk {

HRESULT AudioEditor::Play(int32_t PlayType) {
    if (transport_) transport_->Player().Play(PlayType);
    return S_OK;
}

HRESULT AudioEditor::Record(int32_t RecordType) {
    if (transport_) transport_->Recorder().Record(RecordType);
    return S_OK;
}

// Stop cancels what runs: playback and recording end, and a long operation that tests Status
// after each block stops early.
HRESULT AudioEditor::Stop() {
    if (transport_) {
        transport_->Stop();
    } else {
        document_.SetStatus(Status::Idle);
    }
    return S_OK;
}

HRESULT AudioEditor::Pause() {
    if (transport_) transport_->Player().Pause();
    return S_OK;
}

HRESULT AudioEditor::Continue() {
    if (transport_) transport_->Player().Continue();
    return S_OK;
}

HRESULT AudioEditor::get_RecordVisualizationType(int16_t* value) {
    return WriteOut<int16_t>(value, transport_ ? transport_->Recorder().VisualizationType() : 2);
}

HRESULT AudioEditor::put_RecordVisualizationType(int16_t value) {
    if (transport_) transport_->Recorder().SetVisualizationType(value);
    return S_OK;
}

}  // namespace vesk
