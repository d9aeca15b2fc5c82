// A real control for the Invoke harness: created through a private registry with a silent
// message box and a clipboard of its own (never the desktop's), its working files and its
// clipboard file in a scratch directory, and an InvokeDriver over it. The fuzz target and the automation sweep both start from this.
#pragma once

#include <memory>
#include <string>

#include "control/AudioEditor.h"
#include "fuzz/invoke/InvokeDriver.h"
#include "platform/clipboard/InProcessClipboard.h"

namespace vesk::fuzz {

class ScratchControl {
public:
    // `root`: an existing directory that may be filled; it must outlive this object.
    explicit ScratchControl(const std::string& root);
    ~ScratchControl();

    // The same start for every script: working files back in the scratch directory, 16-bit
    // PCM as the output format and a new document of 0.1 s at 8 kHz stereo.
    void FreshDocument();

    AudioEditor& Control() { return *control_; }
    InvokeDriver& Driver() { return *driver_; }
    const std::string& Root() const { return root_; }

private:
    std::string root_;
    ClassRegistry registry_;
    SilentMessageBox messages_;
    InProcessClipboard clipboard_;
    ComPtr<AudioEditor> control_;
    std::unique_ptr<InvokeDriver> driver_;
};

}  // namespace vesk::fuzz
