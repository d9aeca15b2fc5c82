// The picture's speed beside its peers, in one run:
//   1. BuildOverview of a 60-minute 44.1 kHz stereo working file beside `cat file > /dev/null`;
//   2. the picture of a whole 10-minute document (Refresh + paint + SaveWaveImage) beside
//      ffmpeg's showwavespic on the same file;
//   3. RecomputeView + ComposeFrame of a 1000 × 300 control: the whole 60-minute document (from
//      the overview) and a 10-second view (from the file);
//   4. the same for the spectral view of a whole 10-minute document.
// Both sides read files the earlier runs brought into the page cache.
#include <cstdio>
#include <string_view>

#include <unistd.h>

#include "BenchSupport.h"

using namespace vesk;
using namespace vesk::bench;

namespace {

constexpr int kRuns = 5;

void OverviewBeside(const Scratch& scratch) {
    auto control = MakeControl(scratch.Dir());
    control->New(44100, 2);
    const std::string path = PushTestSignal(*control, 60 * 60);
    HeadlessSite site(1000, 300);
    control->InPlaceActivate(&site);
    control->Paint(*site.Window(), ClientRect{0, 0, 1000, 300});

    double cat = MedianCommandSeconds(kRuns, "cat " + path);
    double overview = MedianSeconds(kRuns, [&] { control->View().BuildOverview(); });
    PrintRow("BuildOverview, 60 min stereo (635 MB)", overview, "cat file > /dev/null", cat);

    DocState& state = *control->History().Current();
    double whole = MedianSeconds(25, [&] {
        control->View().RecomputeView(0, state.totalBytes);
        control->View().Redraw();
    });
    PrintRow("RecomputeView + ComposeFrame, whole 60 min", whole);
    state.zoomLevel = 1;
    const int32_t tenSeconds = 10 * 44100 * 4;
    double detail = MedianSeconds(25, [&] {
        control->View().RecomputeView(state.totalBytes / 2, state.totalBytes / 2 + tenSeconds);
        control->View().Redraw();
    });
    PrintRow("RecomputeView + ComposeFrame, 10 s view", detail);
    control->InPlaceDeactivate();
}

void PictureBeside(const Scratch& scratch) {
    auto control = MakeControl(scratch.Dir());
    control->New(44100, 2);
    const std::string path = PushTestSignal(*control, 10 * 60);
    HeadlessSite site(1000, 300);
    control->InPlaceActivate(&site);
    control->Paint(*site.Window(), ClientRect{0, 0, 1000, 300});
    control->View().BuildOverview();
    const std::string picture = scratch.File("picture.png");
    Bstr name(picture);
    double ours = MedianSeconds(kRuns, [&] {
        control->Refresh();
        control->Paint(*site.Window(), ClientRect{0, 0, 1000, 300});
        control->SaveWaveImage(name.get());
    });
    if (!CommandExists("ffmpeg")) {
        PrintRow("Refresh + paint + SaveWaveImage (PNG), 10 min", ours);
        return;
    }
    double ffmpeg = MedianCommandSeconds(kRuns, "ffmpeg -y -i " + path +
                                                    " -filter_complex showwavespic=s=1000x300 -frames:v 1 " +
                                                    scratch.File("ffmpeg.png"));
    PrintRow("Refresh + paint + SaveWaveImage (PNG), 10 min", ours, "ffmpeg showwavespic 1000x300", ffmpeg);
    control->InPlaceDeactivate();
}

// The spectral view of a 1000-pixel view: one 64-point spectrum per column read from the file,
// the three pictures per channel rendered, and the frame composed (aim: under 4 ms).
void SpectralFrame(const Scratch& scratch) {
    auto control = MakeControl(scratch.Dir());
    control->New(44100, 2);
    PushTestSignal(*control, 10 * 60);
    // The file is handed to the disk first, so that its writeback does not land inside the frames.
    ::sync();
    HeadlessSite site(1000, 300);
    control->InPlaceActivate(&site);
    control->Paint(*site.Window(), ClientRect{0, 0, 1000, 300});
    control->put_TypeView(1);
    DocState& state = *control->History().Current();
    double frame = MedianSeconds(25, [&] {
        control->View().RecomputeView(0, state.totalBytes);
        control->View().Redraw();
    });
    PrintRow("RecomputeView + ComposeFrame, spectral, whole 10 min", frame);
    control->InPlaceDeactivate();
}

}  // namespace

// `view_bench spectral` runs only the spectral frame (for profiling it).
int main(int argc, char** argv) {
    const bool onlySpectral = argc > 1 && std::string_view(argv[1]) == "spectral";
    Scratch scratch;
    std::printf("| %-52s | %12s | %-40s | %12s | %6s |\n", "engine", "median", "peer", "median", "ratio");
    std::printf("|---|---|---|---|---|\n");
    if (!onlySpectral) {
        OverviewBeside(scratch);
        PictureBeside(scratch);
    }
    SpectralFrame(scratch);
    return 0;
}
