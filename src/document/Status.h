// The operation codes that Status reports: which long operation runs now. Each operation sets
// its code when it starts and Idle when it ends; Stop cancels a running operation by setting
// Idle, which every block loop tests after each block.
#pragma once

#include <cstdint>

namespace vesk {

enum class Status : int16_t {
    Idle = 0,
    Playing = 1,
    Recording = 2,
    Opening = 3,
    Saving = 4,  // also the frame of PutSampleArray
    Paused = 5,
    Copying = 6,  // Copy, CopyToClipboard, GetCurrentArray, GetSelectionArray, PutSampleArray's data
    BuildingOverview = 7,
    Invert = 10,
    Reverse = 11,
    Normalize = 12,
    Silence = 13,
    Stretch = 14,
    Trim = 15,
    DeleteSilence = 16,
    DeleteSelect = 17,  // also the deleting half of Cut
    InsertSilence = 18,
    PasteFromFile = 19,
    Paste = 20,
    ConvertSampleType = 21,
    Delay = 30,
    Phaser = 31,
    Flanger = 32,
    Reverb = 33,
    FFTFilter = 40,
    LowPassFilter = 41,
    BandPassFilter = 42,
    HighPassFilter = 43,
    NotchFilter = 44,
    LowShelfFilter = 45,
    HighShelfFilter = 46,
    PeakEQFilter = 47,
    Amplify = 50,
    Fade = 51,
    Vibrato = 52,
    AddNoise = 53,
    Mix = 54,  // Mix and MixFromFile
    MixStereoChannels = 55,
    Envelope = 56,
    Compressor = 57,
    Expander = 58,
    Equalizer = 60,
};

// The code as hosts read it.
constexpr int16_t StatusCode(Status status) { return static_cast<int16_t>(status); }

}  // namespace vesk
