// Many markers: opening a WAV with 100 000 cue points and editing its document, each beside the
// same work on the same sound without markers, in the same run. The aims: the markers add under
// a second to the open and under a tenth of a second to an edit.
#include <cstdio>

#include "BenchSupport.h"
#include "objects/typelib/SubObjectInterfaces.h"

using namespace vesk;
using namespace vesk::bench;

namespace {

constexpr int kRuns = 5;
constexpr int kSeconds = 60;
constexpr int32_t kMarkers = 100000;

// Saves `seconds` of sound with `markers` cue points spread over it as a WAV.
void MakeFile(const Scratch& scratch, const std::string& name, int32_t markers) {
    ComPtr<AudioEditor> control = MakeControl(scratch.Dir());
    control->New(44100, 2);
    PushTestSignal(*control, kSeconds);
    ComPtr<IAudioEditorMarkers> list;
    control->get_Markers(list.put());
    Bstr label("cue");
    for (int32_t i = 0; i < markers; ++i) {
        list->Insert(i * (kSeconds * 44100 / markers), i % 7 == 0 ? 100 : 0, label.get(), nullptr, nullptr, 0, 0, 0, 0);
    }
    control->SetFormatPCM(44100, 2, 16);
    Bstr path(scratch.File(name));
    control->Save(path.get(), VARIANT_FALSE, 0);
}

double TimeOpen(const Scratch& scratch, const std::string& name) {
    ComPtr<AudioEditor> control = MakeControl(scratch.Dir());
    Bstr path(scratch.File(name));
    return MedianSeconds(kRuns, [&] { control->Open(path.get(), 0); });
}

// Amplify of one second in the middle of the sound, undone between runs.
double TimeEdit(const Scratch& scratch, const std::string& name) {
    ComPtr<AudioEditor> control = MakeControl(scratch.Dir());
    Bstr path(scratch.File(name));
    control->Open(path.get(), 0);
    ComPtr<IAudioEditorPosition> position;
    control->get_Position(position.put());
    return MedianSeconds(kRuns, [&] {
        position->put_Selected(VARIANT_TRUE);
        position->put_StartSelect(30 * 44100);
        position->put_EndSelect(31 * 44100);
        control->Amplify(0.5f);
        control->Undo();
    });
}

}  // namespace

int main() {
    Scratch scratch;
    MakeFile(scratch, "plain.wav", 0);
    MakeFile(scratch, "marked.wav", kMarkers);
    std::printf("%d markers over %d s of 44.1 kHz stereo\n", kMarkers, kSeconds);
    const double openPlain = TimeOpen(scratch, "plain.wav");
    const double openMarked = TimeOpen(scratch, "marked.wav");
    PrintRow("Open with 100 000 markers", openMarked, "Open without markers", openPlain);
    const double editPlain = TimeEdit(scratch, "plain.wav");
    const double editMarked = TimeEdit(scratch, "marked.wav");
    PrintRow("Amplify 1 s + Undo with 100 000 markers", editMarked, "the same without markers", editPlain);
    std::printf("added by the markers: open %.3f s (aim < 1 s), edit %.3f s (aim < 0.1 s)\n", openMarked - openPlain,
                editMarked - editPlain);
    return 0;
}
