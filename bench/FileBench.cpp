// Opening and saving beside the usual command-line tools, on the same 10-minute 44.1 kHz stereo
// input in the same run:
//   Open of WAV beside `sox in.wav out.wav`; Open of FLAC and MP3 beside `ffmpeg -i in.x out.wav`;
//   Save as WAV beside `sox in.wav out.wav`; Save as MP3 at 128 kbps beside `lame -b 128`;
//   and the peak memory of Open and Save for a 10- and a 60-minute input (it should not grow).
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "BenchSupport.h"

using namespace vesk;
using namespace vesk::bench;

namespace {

constexpr int kRuns = 3;

void Run(const std::string& command) {
    if (std::system((command + " > /dev/null 2>&1").c_str()) != 0) {
        std::fprintf(stderr, "failed: %s\n", command.c_str());
        std::exit(1);
    }
}

// Makes `seconds` of a two-tone stereo signal as WAV, FLAC and MP3.
void MakeInputs(const Scratch& scratch, const std::string& stem, int seconds) {
    const std::string wav = scratch.File(stem + ".wav");
    Run("sox -n -r 44100 -c 2 -b 16 " + wav + " synth " + std::to_string(seconds) +
        " sine 440 sine 660 gain -6");
    Run("ffmpeg -y -i " + wav + " " + scratch.File(stem + ".flac"));
    Run("lame --silent -b 128 " + wav + " " + scratch.File(stem + ".mp3"));
}

void OpenFile(AudioEditor& control, const std::string& path) {
    Bstr name(path);
    control.Open(name.get(), 0);
    if (!control.HasDocument()) {
        std::fprintf(stderr, "the control could not open %s\n", path.c_str());
        std::exit(1);
    }
}

void SaveFile(AudioEditor& control, const std::string& path) {
    Bstr name(path);
    control.Save(name.get(), VARIANT_FALSE, 0);
}

// Peak resident memory in MiB of `work` run in a child process (so that each measurement
// starts from a fresh process).
double PeakMegabytes(const std::function<void()>& work) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) return -1;
    pid_t child = fork();
    if (child == 0) {
        work();
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        long kilobytes = usage.ru_maxrss;
        (void)!write(pipeFds[1], &kilobytes, sizeof kilobytes);
        _exit(0);
    }
    long kilobytes = -1;
    (void)!read(pipeFds[0], &kilobytes, sizeof kilobytes);
    waitpid(child, nullptr, 0);
    close(pipeFds[0]);
    close(pipeFds[1]);
    return kilobytes / 1024.0;
}

void Speed(const Scratch& scratch) {
    const std::string in = scratch.File("ten.wav");
    const std::string out = scratch.File("peer.wav");
    auto control = MakeControl(scratch.Dir());

    double sox = MedianCommandSeconds(kRuns, "sox " + in + " " + out);
    double openWav = MedianSeconds(kRuns, [&] { OpenFile(*control, in); });
    PrintRow("Open WAV, 10 min stereo", openWav, "sox in.wav out.wav", sox);

    for (const char* kind : {"flac", "mp3"}) {
        const std::string source = scratch.File(std::string("ten.") + kind);
        double ffmpeg = MedianCommandSeconds(kRuns, "ffmpeg -y -i " + source + " " + out);
        double ours = MedianSeconds(kRuns, [&] { OpenFile(*control, source); });
        PrintRow(std::string("Open ") + kind + ", 10 min stereo", ours, std::string("ffmpeg -i in.") + kind + " out.wav",
                 ffmpeg);
    }

    OpenFile(*control, in);
    control->SetFormatPCM(44100, 2, 16);
    double saveWav = MedianSeconds(kRuns, [&] { SaveFile(*control, scratch.File("saved.wav")); });
    PrintRow("Save as WAV, 10 min stereo", saveWav, "sox in.wav out.wav", sox);

    double lame = MedianCommandSeconds(kRuns, "lame --silent -b 128 " + in + " " + scratch.File("peer.mp3"));
    control->SetFormatMP3(44100, 128, 2);
    double saveMp3 = MedianSeconds(kRuns, [&] { SaveFile(*control, scratch.File("saved.mp3")); });
    PrintRow("Save as MP3 128 kbps, 10 min stereo", saveMp3, "lame -b 128", lame);
}

void Memory(const Scratch& scratch) {
    for (const char* stem : {"ten", "sixty"}) {
        const std::string wav = scratch.File(std::string(stem) + ".wav");
        const std::string mp3 = scratch.File(std::string(stem) + ".mp3");
        double open = PeakMegabytes([&] {
            auto control = MakeControl(scratch.Dir());
            OpenFile(*control, mp3);
        });
        double save = PeakMegabytes([&] {
            auto control = MakeControl(scratch.Dir());
            OpenFile(*control, wav);
            control->SetFormatMP3(44100, 128, 2);
            SaveFile(*control, scratch.File(std::string(stem) + "-saved.mp3"));
        });
        std::printf("| peak memory, %-5s min: Open MP3 %6.1f MiB, Open WAV + Save MP3 %6.1f MiB |\n",
                    std::string(stem) == "ten" ? "10" : "60", open, save);
    }
}

}  // namespace

int main() {
    for (const char* tool : {"sox", "ffmpeg", "lame"}) {
        if (!CommandExists(tool)) {
            std::fprintf(stderr, "%s is needed as a peer\n", tool);
            return 1;
        }
    }
    Scratch scratch;
    MakeInputs(scratch, "ten", 600);
    MakeInputs(scratch, "sixty", 3600);
    std::printf("| %-52s | %12s | %-40s | %12s | %6s |\n", "engine", "median", "peer", "median", "ratio");
    std::printf("|---|---|---|---|---|\n");
    Speed(scratch);
    Memory(scratch);
    return 0;
}
