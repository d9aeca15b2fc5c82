#include "control/ControlEditHost.h"

#include "components/ComponentNames.h"
#include "control/AudioEditor.h"

namespace vesk {

HistoryStore& ControlEditHost::History() { return control_.History(); }
int32_t ControlEditHost::Frequency() const { return control_.frequency_; }
int32_t ControlEditHost::Channels() const { return control_.channels_; }

void ControlEditHost::SetFormat(int32_t frequency, int32_t channels) {
    control_.frequency_ = frequency;
    control_.channels_ = channels;
}

int16_t ControlEditHost::Status() const { return control_.status_; }
void ControlEditHost::SetStatus(int16_t status) { control_.status_ = status; }
int32_t ControlEditHost::LastErrorNum() const { return control_.lastErrorNum_; }
void ControlEditHost::SetLastErrorNum(int32_t code) { control_.lastErrorNum_ = code; }
int32_t ControlEditHost::FileBufferSize() const { return control_.fileBufferSize_; }
std::string ControlEditHost::NewWorkingFileName() { return control_.NewWorkingFileName(); }
std::string ControlEditHost::ClipboardFileName() const { return control_.tempFileName_; }

bool ControlEditHost::IsOperated(int channel) {
    return control_.channelObject_ && control_.channelObject_->IsOperated(channel);
}

int ControlEditHost::OperationCount() {
    return control_.channelObject_ ? control_.channelObject_->OperationCount() : 0;
}

bool ControlEditHost::SmoothEnabled() const { return control_.smoothEnabled_ != 0; }
IVeskAudioTransform* ControlEditHost::Transform() { return control_.transform_.get(); }

ComPtr<IVeskAudioFile> ControlEditHost::CreateFileComponent() {
    return control_.services_.registry->Create<IVeskAudioFile>(kVeskAudioFileName);
}

void ControlEditHost::FireBlockOperation(int16_t percent) {
    control_.FireEvent(kBlockOperation, {Variant::I2(percent)});
}

void ControlEditHost::FireEndOperation() { control_.FireEndOperation(); }
void ControlEditHost::FireError(int32_t code) { control_.FireEvent(kError, {Variant::I4(code)}); }
void ControlEditHost::BuildOverview() { control_.view_.BuildOverview(); }
bool ControlEditHost::RecomputeView(int32_t startByte, int32_t endByte) {
    return control_.view_.RecomputeView(startByte, endByte);
}
void ControlEditHost::Redraw() { control_.Redraw(); }
void ControlEditHost::RefreshMarkers() { control_.markers_->SyncMarkerCache(); }

void ControlEditHost::RefreshChannels() {
    // A new channel count also re-lays the amplitude scale, as after undo.
    control_.channelObject_->Refresh();
    control_.view_.RelayAmplitudeScale();
    control_.RenderBackground();
}

}  // namespace vesk
