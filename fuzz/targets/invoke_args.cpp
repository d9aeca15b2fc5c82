// Invoke argument decoding: a real control, made once per process with its working files in
// the scratch directory, gets a fresh small document for each input and then the calls the
// input describes (InvokeDriver reads it as a script: which object, member, id, flags, count,
// names and values). A call Invoke answers with anything but S_OK or DISP_E_* stops the run.
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "control/AudioEditor.h"
#include "control/Registration.h"
#include "fuzz/invoke/InvokeDriver.h"
#include "fuzz/support/FuzzScratch.h"

namespace vesk::fuzz {
namespace {

// Enough calls to set something up and use it; few enough that an input stays cheap.
constexpr int kMaxCallsPerInput = 12;

class Harness {
public:
    Harness() {
        RegisterAudioEditorClasses(registry_);
        control_ = CreateAudioEditor(ControlServices{&registry_, &messages_});
        if (!control_) std::abort();
        driver_ = std::make_unique<InvokeDriver>(static_cast<IAudioEditor*>(control_.get()), ScratchDirectory());
    }
    // The same start for every input: working files in the scratch tree, 8 kHz stereo, 0.1 s.
    void FreshDocument() {
        Bstr directory(ScratchDirectory() + "/tmp/");
        Bstr clipboard(ScratchDirectory() + "/tmp/clipboard.wav");
        control_->put_TempDirectory(directory.get());
        control_->put_TempFileName(clipboard.get());
        control_->New(8000, 2);
        control_->InsertSilence(100);
    }

    InvokeDriver& Driver() { return *driver_; }

private:
    ClassRegistry registry_;
    SilentMessageBox messages_;
    ComPtr<AudioEditor> control_;
    std::unique_ptr<InvokeDriver> driver_;
};

}  // namespace
}  // namespace vesk::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace vesk::fuzz;
    // Never destroyed: the control would outlive caches it uses (fonts) at exit. The scratch
    // directory goes with everything the control left in it.
    static Harness& harness = *new Harness;
    harness.FreshDocument();
    // VESK_FUZZ_TRACE=1 lists the calls an input makes (to turn a finding into a report).
    static const bool trace = std::getenv("VESK_FUZZ_TRACE") != nullptr;
    ByteChoices choices({data, size});
    for (int call = 0; call < kMaxCallsPerInput && !choices.Exhausted(); ++call) {
        const CallRecord record = harness.Driver().Step(choices);
        if (trace) std::fprintf(stderr, "call: %s\n", record.Describe().c_str());
        if (!record.allowed) {
            std::fprintf(stderr, "Invoke answered what it may not: %s\n", record.Describe().c_str());
            std::abort();
        }
    }
    return 0;
}
