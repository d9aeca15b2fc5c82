#include "fuzz/invoke/ScratchControl.h"

#include <stdexcept>

#include "control/Registration.h"

namespace vesk::fuzz {

ScratchControl::ScratchControl(const std::string& root) : root_(root) {
    RegisterAudioEditorClasses(registry_);
    control_ = CreateAudioEditor(ControlServices{&registry_, &messages_, &clipboard_});
    if (!control_) throw std::runtime_error("the control could not be created");
    driver_ = std::make_unique<InvokeDriver>(static_cast<IAudioEditor*>(control_.get()), root_);
}

ScratchControl::~ScratchControl() {
    driver_.reset();
    control_->Close();
}

void ScratchControl::FreshDocument() {
    // The control starts with the system's temporary folder: both settings must move before
    // anything is written.
    Bstr directory(root_ + "/tmp/");
    Bstr clipboard(root_ + "/tmp/clipboard.wav");
    control_->put_TempDirectory(directory.get());
    control_->put_TempFileName(clipboard.get());
    control_->Stop();
    control_->SetFormatPCM(8000, 2, 16);  // the output format outlives documents
    control_->New(8000, 2);
    control_->InsertSilence(100);
}

}  // namespace vesk::fuzz
