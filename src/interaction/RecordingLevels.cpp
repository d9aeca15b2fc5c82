#include "interaction/RecordingLevels.h"

#include <algorithm>

namespace vesk {

void RecordingLevels::SettingsChanged() {
    const int32_t interval = std::max<int32_t>(input_->timerIntervalMs, 1);
    gateOpen_ = settings_->accuEnabled == 0;
    attackCount_ = releaseCount_ = 0;
    attackEvents_ = settings_->accuAttackTime / interval;
    releaseEvents_ = settings_->accuReleaseTime / interval;
}

void RecordingLevels::OnLevels(int32_t left, int32_t right) {
    const int32_t level = (left + right) / 2;
    if (settings_->accuEnabled != 0) StepGate(level);
    if (settings_->agcEnabled != 0) StepGain(level);
}

void RecordingLevels::StepGate(int32_t level) {
    if (!gateOpen_) {
        if (level < settings_->accuAttackLevel) {
            attackCount_ = 0;
        } else if (++attackCount_ >= attackEvents_) {
            gateOpen_ = true;
            releaseCount_ = 0;
        }
        return;
    }
    if (level > settings_->accuReleaseLevel) {
        releaseCount_ = 0;
    } else if (++releaseCount_ >= releaseEvents_) {
        gateOpen_ = false;
        attackCount_ = 0;
    }
}

// Every selected input line moves by AGCRate percent of its volume, down when the level is above
// the high mark and up when it is below the low mark.
void RecordingLevels::StepGain(int32_t level) {
    const bool tooLoud = level > settings_->agcHighLevel;
    const bool tooQuiet = level < settings_->agcLowLevel;
    if (!tooLoud && !tooQuiet) return;
    const double factor = (100.0 + (tooLoud ? -settings_->agcRate : settings_->agcRate)) / 100.0;
    int16_t lines = 0;
    recorder_.GetInputLineCount(&lines);
    for (int16_t i = 0; i < lines; ++i) {
        recorder_.SelectInputLine(i);
        VARIANT_BOOL selected = 0;
        recorder_.GetLineSelected(&selected);
        if (selected == 0) continue;
        int32_t volume = 0;
        recorder_.GetLineVolume(&volume);
        volume = static_cast<int32_t>(std::clamp(std::max(volume, 1) * factor, 0.0, 65535.0));
        recorder_.SetLineVolume(volume);
        gainChanged_(volume);
    }
}

}  // namespace vesk
