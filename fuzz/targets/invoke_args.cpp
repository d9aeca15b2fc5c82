// Invoke argument decoding: a real control, made once per process with its working files in
// the scratch directory, gets a fresh small document for each input and then the calls the
// input describes (InvokeDriver reads it as a script: which object, member, id, flags, count,
// names and values). A call Invoke answers with anything but S_OK or DISP_E_* stops the run.
//
// The driver works inside the scratch directory: give libFuzzer absolute paths (run_fuzz.sh
// does).
#include <cstdio>
#include <cstdlib>

#include "fuzz/invoke/ScratchControl.h"
#include "fuzz/support/FuzzScratch.h"

namespace {

// Enough calls to set something up and use it; few enough that an input stays cheap.
constexpr int kMaxCallsPerInput = 12;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace vesk::fuzz;
    // Never destroyed: at exit the control would outlive caches it uses (fonts). The scratch
    // directory goes with everything the control left in it.
    static ScratchControl& harness = *new ScratchControl(ScratchDirectory());
    // VESK_FUZZ_TRACE=1 lists the calls an input makes (to turn a finding into a report).
    static const bool trace = std::getenv("VESK_FUZZ_TRACE") != nullptr;
    harness.FreshDocument();
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
