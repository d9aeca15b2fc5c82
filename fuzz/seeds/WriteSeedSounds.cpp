// Writes the sound files the seed corpora start from, with the project's own writers: a short
// two-channel signal encoded by the file component in every output format it has, a wave file
// with markers written by the information component's wave writer, and MP3 files with ID3
// chapters written by its chapter store. make_seeds.py then builds the corpora from these
// (and damages copies of them).
//
//   vesk-fuzz-write-seeds <folder>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "components/file/AudioFileComponent.h"
#include "components/information/Mp3ChapterStore.h"
#include "components/information/WaveMetadataFile.h"

namespace {

using namespace vesk;

constexpr int32_t kHz = 8000;
constexpr int32_t kFrames = 2400;  // 0.3 s: a few codec frames, small files

using Setter = std::function<void(AudioFileComponent&)>;

struct Output {
    const char* name;  // the extension chooses the container
    Setter set;
};

// A rising tone on the left, a click train on the right: both channels differ and neither is
// silence, which some codecs would shrink to nothing.
SAFEARRAY* Signal() {
    SAFEARRAY* block = SafeArrayCreateVector(VT_I2, 0, kFrames * 2);
    auto* samples = static_cast<int16_t*>(block->pvData);
    for (int32_t i = 0; i < kFrames; ++i) {
        samples[2 * i] = static_cast<int16_t>(12000 * std::sin(0.02 * i + 0.00002 * i * i));
        samples[2 * i + 1] = static_cast<int16_t>(i % 400 < 4 ? 20000 : -300);
    }
    return block;
}

bool Encode(const std::string& path, const Setter& set) {
    ComPtr<AudioFileComponent> file = MakeCom<AudioFileComponent>();
    set(*file);
    file->SetInputFormat(kHz, 2);
    Bstr name(path);
    file->OpenForEncoding(name.get(), 0);
    int32_t error = 0;
    file->GetLastError(&error);
    if (error != 0) return false;
    SafeArrayPtr block(Signal());
    file->WriteBlock(block.get());
    file->CloseFile();
    file->GetLastError(&error);
    return error == 0;
}

std::vector<MarkerInfo> SampleMarkers() {
    MarkerInfo cue;
    cue.positionFrames = 100;
    cue.label = u"intro";
    MarkerInfo range;
    range.positionFrames = 800;
    range.lengthFrames = 400;
    range.label = u"refrain \u00e9\u4e2d";
    range.note = u"a note";
    range.text = u"some text";
    range.language = 9;
    range.country = 1;
    range.codePage = 1252;
    MarkerInfo bare;
    bare.positionFrames = 2000;
    return {cue, range, bare};
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    int32_t ignored = 0;
    const Output outputs[] = {
        {"pcm16.wav", [&](AudioFileComponent& f) { f.SetOutputFormatPCM(kHz, 2, 16, &ignored); }},
        {"pcm8.wav", [&](AudioFileComponent& f) { f.SetOutputFormatPCM(kHz, 1, 8, &ignored); }},
        {"pcm24.wav", [&](AudioFileComponent& f) { f.SetOutputFormatPCM(kHz, 2, 24, &ignored); }},
        {"pcm32.wav", [&](AudioFileComponent& f) { f.SetOutputFormatPCM(kHz, 2, 32, &ignored); }},
        {"pcm16.aiff", [&](AudioFileComponent& f) { f.SetOutputFormatPCM(kHz, 2, 16, &ignored); }},
        {"pcm16.au", [&](AudioFileComponent& f) { f.SetOutputFormatPCM(kHz, 1, 16, &ignored); }},
        {"pcm16.flac", [&](AudioFileComponent& f) { f.SetOutputFormatPCM(kHz, 2, 16, &ignored); }},
        {"alaw.wav", [&](AudioFileComponent& f) { f.SetOutputFormatALAW(kHz, 1, &ignored); }},
        {"ulaw.wav", [&](AudioFileComponent& f) { f.SetOutputFormatULAW(kHz, 2, &ignored); }},
        {"ima.wav", [&](AudioFileComponent& f) { f.SetOutputFormatADPCM(kHz, 2, &ignored); }},
        {"msadpcm.wav", [&](AudioFileComponent& f) { f.SetOutputFormatRAW(6, kHz, 2, 4, &ignored); }},
        {"gsm.wav", [&](AudioFileComponent& f) { f.SetOutputFormatGSM(kHz, &ignored); }},
        {"g721.au", [&](AudioFileComponent& f) { f.SetOutputFormatG721(kHz, &ignored); }},
        {"g723.au", [&](AudioFileComponent& f) { f.SetOutputFormatG723(kHz, 3, &ignored); }},
        {"g726.au", [&](AudioFileComponent& f) { f.SetOutputFormatG726(kHz, 4, &ignored); }},
        {"vox.vox", [&](AudioFileComponent& f) { f.SetOutputFormatVOX(kHz, &ignored); }},
        {"dsp.raw", [&](AudioFileComponent& f) { f.SetOutputFormatDSP(&ignored); }},
        {"vorbis.ogg", [&](AudioFileComponent& f) { f.SetOutputFormatOggVorbis(kHz, 2, 0, 0, 0, 3, &ignored); }},
        {"opus.opus", [&](AudioFileComponent& f) { f.SetOutputFormatOggVorbis(kHz, 2, 0, 0, 0, 3, &ignored); }},
        {"lame.mp3", [&](AudioFileComponent& f) { f.SetOutputFormatMP3(kHz, 32, 2, &ignored); }},
        {"layer2.mp2", [&](AudioFileComponent& f) { f.SetOutputFormatMP2(16000, 64, 1, &ignored); }},
    };
    int failures = 0;
    for (const Output& output : outputs) {
        if (!Encode((folder / output.name).string(), output.set)) {
            std::fprintf(stderr, "could not write %s\n", output.name);
            ++failures;
        }
    }
    const std::string marked = (folder / "markers.wav").string();
    std::filesystem::copy_file(folder / "pcm16.wav", marked, std::filesystem::copy_options::overwrite_existing);
    if (!WaveMetadataFile::Write(marked, SampleMarkers())) ++failures;
    for (const bool v24 : {false, true}) {
        const std::string chapters = (folder / (v24 ? "chapters-v24.mp3" : "chapters-v23.mp3")).string();
        std::filesystem::copy_file(folder / "lame.mp3", chapters, std::filesystem::copy_options::overwrite_existing);
        Mp3TagLayout layout;
        layout.id3v24 = v24;
        if (!Mp3ChapterStore::Write(chapters, SampleMarkers(), layout)) ++failures;
    }
    return failures == 0 ? 0 : 1;
}
