// The settings playback and recording read, shown (and set) by the DeviceOutput, DeviceInput and
// Recorder sub-objects. Each sub-object owns its settings through a shared pointer and the
// transport holds another, so that either may outlive the other.
#pragma once

#include <cstdint>

namespace vesk {

// A device's block and timing settings.
struct DeviceSettings {
    int32_t bufferSizeMs = 500;  // milliseconds of sound per block
    int16_t timerIntervalMs = 50;  // milliseconds between position and level notifications
    int16_t bufferCount = 4;       // blocks queued when playback starts
};

// The voice gate (Accu*) and the automatic input gain (AGC*). Levels are kept in the form the
// components report them: 0 (silence) to 90 (full scale), i.e. decibels above the smallest step.
struct RecorderSettings {
    int32_t accuAttackTime = 100;   // milliseconds
    int32_t accuAttackLevel = 50;   // -40 dB
    int32_t accuReleaseTime = 300;  // milliseconds
    int32_t accuReleaseLevel = 50;  // -40 dB
    int16_t accuEnabled = 0;
    int32_t agcLowLevel = 60;   // -30 dB
    int32_t agcHighLevel = 80;  // -10 dB
    float agcRate = 5.0f;       // percent per step
    int16_t agcEnabled = 1;
};

}  // namespace vesk
