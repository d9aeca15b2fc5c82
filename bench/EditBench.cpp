// Edits and effects over a whole 10-minute 44.1 kHz stereo working file, each the whole
// operation (the frame's copies and the overview rebuild included), beside sox doing the same
// on the same data in the same run; Undo beside the overview rebuild alone; and the peak memory
// of an effect over the whole file as a multiple of the range's size.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

#include "BenchSupport.h"

using namespace vesk;
using namespace vesk::bench;

namespace {

constexpr int kRuns = 3;
constexpr int kSeconds = 600;

// A document in a 1000 × 300 window, so that the view keeps an overview as an editor's would.
struct BenchDocument {
    std::unique_ptr<HeadlessSite> site = std::make_unique<HeadlessSite>(1000, 300);
    ComPtr<AudioEditor> control;
    std::string path;

    ~BenchDocument() {
        if (control) control->InPlaceDeactivate();
    }
};

std::unique_ptr<BenchDocument> Make(const Scratch& scratch) {
    auto d = std::make_unique<BenchDocument>();
    d->control = MakeControl(scratch.Dir());
    d->control->InPlaceActivate(d->site.get());
    d->control->Paint(*d->site->Window(), ClientRect{0, 0, 1000, 300});
    d->control->New(44100, 2);
    d->path = PushTestSignal(*d->control, kSeconds);
    d->control->View().BuildOverview();
    return d;
}

void SelectAll(AudioEditor& control) {
    ComPtr<IAudioEditorPosition> position;
    control.get_Position(position.put());
    position->put_Selected(VARIANT_TRUE);
    position->put_StartSelect(0);
    position->put_EndSelect(kSeconds * 44100);
}

// Times `edit` on a document that is put back by Undo between runs.
double TimeEdit(BenchDocument& d, const std::function<void(AudioEditor&)>& edit) {
    return MedianSeconds(kRuns, [&] {
        SelectAll(*d.control);
        edit(*d.control);
        d.control->Undo();
    });
}

void Row(const std::string& what, BenchDocument& d, const std::function<void(AudioEditor&)>& edit,
         const std::string& soxEffect) {
    double ours = TimeEdit(d, edit);
    double sox = MedianCommandSeconds(kRuns, "sox -D " + d.path + " /tmp/vesk-bench-sox.wav " + soxEffect);
    PrintRow(what, ours, "sox -D in.wav out.wav " + soxEffect, sox);
}

double PeakMegabytesOf(const std::function<void()>& work) {
    int fds[2];
    if (pipe(fds) != 0) return -1;
    pid_t child = fork();
    if (child == 0) {
        work();
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        long kb = usage.ru_maxrss;
        (void)!write(fds[1], &kb, sizeof kb);
        _exit(0);
    }
    long kb = -1;
    (void)!read(fds[0], &kb, sizeof kb);
    waitpid(child, nullptr, 0);
    close(fds[0]);
    close(fds[1]);
    return kb / 1024.0;
}

}  // namespace

int main() {
    if (!CommandExists("sox")) {
        std::fprintf(stderr, "sox is needed as the peer\n");
        return 1;
    }
    Scratch scratch;
    auto document = Make(scratch);
    BenchDocument& d = *document;
    std::printf("| %-52s | %12s | %-40s | %12s | %6s |\n", "engine", "median", "peer", "median", "ratio");
    std::printf("|---|---|---|---|---|\n");
    Row("Amplify 2.0, 10 min stereo", d, [](AudioEditor& c) { c.Amplify(2.0f); }, "vol 2");
    Row("Reverse, 10 min stereo", d, [](AudioEditor& c) { c.Reverse(); }, "reverse");
    Row("LowPassFilter 1000 Hz, 10 min stereo", d, [](AudioEditor& c) { c.LowPassFilter(1000, 0.7071f); },
        "lowpass 1000");
    Row("Stretch 125 %, 10 min stereo", d, [](AudioEditor& c) { c.Stretch(125); }, "tempo 1.25");
    Row("DeleteSelect of the middle minute", d,
        [](AudioEditor& c) {
            ComPtr<IAudioEditorPosition> position;
            c.get_Position(position.put());
            position->put_StartSelect(60 * 44100);
            position->put_EndSelect(120 * 44100);
            c.DeleteSelect();
        },
        "trim 0 60 =120");
    Row("ConvertSampleType to 48 kHz stereo", d, [](AudioEditor& c) { c.ConvertSampleType(48000, 2); },
        "rate -q 48000");

    SelectAll(*d.control);
    d.control->Amplify(2.0f);
    double undo = MedianSeconds(kRuns, [&] {
        d.control->Undo();
        d.control->Redo();
    }) / 2;
    double overview = MedianSeconds(kRuns, [&] { d.control->View().BuildOverview(); });
    PrintRow("Undo (one step)", undo, "BuildOverview alone", overview);

    const double rangeMegabytes = kSeconds * 44100.0 * 4 / (1024 * 1024);
    double peak = PeakMegabytesOf([&] {
        auto fresh = Make(scratch);
        SelectAll(*fresh->control);
        fresh->control->Amplify(2.0f);
    });
    std::printf("| peak memory of Amplify over the whole file: %.0f MiB = %.2f x the range (%.0f MiB) |\n", peak,
                peak / rangeMegabytes, rangeMegabytes);
    return 0;
}
