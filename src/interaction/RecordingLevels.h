// What the levels do while recording: the voice gate, which lets captured blocks through only
// while the sound is loud enough, and the automatic gain, which steps the input lines' volume
// to keep the level between two marks. Levels are those the recorder reports (0 .. 90).
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "components/VeskAudioRecord.h"
#include "interaction/TransportSettings.h"

namespace vesk {

class RecordingLevels {
public:
    // recorder outlives this object; gainChanged reports every new line volume.
    RecordingLevels(IVeskAudioRecord& recorder, std::shared_ptr<const RecorderSettings> settings,
                    std::shared_ptr<const DeviceSettings> input, std::function<void(int32_t)> gainChanged)
        : recorder_(recorder), settings_(std::move(settings)), input_(std::move(input)),
          gainChanged_(std::move(gainChanged)) {
        SettingsChanged();
    }

    // The gate starts over from the settings: open without a gate, closed with one.
    void SettingsChanged();
    // One level notification while recording.
    void OnLevels(int32_t left, int32_t right);
    // Whether captured blocks are written now.
    bool GateOpen() const { return gateOpen_; }

private:
    void StepGate(int32_t level);
    void StepGain(int32_t level);

    IVeskAudioRecord& recorder_;
    std::shared_ptr<const RecorderSettings> settings_;
    std::shared_ptr<const DeviceSettings> input_;
    std::function<void(int32_t)> gainChanged_;
    bool gateOpen_ = true;
    int32_t attackEvents_ = 0;
    int32_t releaseEvents_ = 0;
    int32_t attackCount_ = 0;
    int32_t releaseCount_ = 0;
};

}  // namespace vesk
