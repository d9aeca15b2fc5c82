// Helpers of the benchmark programs: timing with medians, running a peer command, and making
// documents of a given length in a scratch directory.
#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "control/AudioEditor.h"

namespace vesk::bench {

// Median of `runs` timings of `work`, in seconds.
double MedianSeconds(int runs, const std::function<void()>& work);
// Median of `runs` timings of a shell command (its output discarded); exits when it fails.
double MedianCommandSeconds(int runs, const std::string& command);
bool CommandExists(const std::string& name);

// A scratch directory removed at the end of the program.
class Scratch {
public:
    Scratch();
    ~Scratch();
    const std::string& Dir() const { return dir_; }
    std::string File(const std::string& name) const { return dir_ + name; }

private:
    std::string dir_;
};

// A control (created through the default registry) whose working files go to `dir`.
ComPtr<AudioEditor> MakeControl(const std::string& dir);
// Appends a state to the control's document (New must have made one) holding `seconds` of a stereo 44.1 kHz test signal
// (a swelling tone with noise), written in blocks; returns the working file's path.
std::string PushTestSignal(AudioEditor& control, int seconds);

void PrintRow(const std::string& what, double seconds, const std::string& peer = "", double peerSeconds = 0);

}  // namespace vesk::bench
