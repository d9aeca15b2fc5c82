// A host for sub-objects under test: fixed document format and counters of the reactions the
// sub-objects ask for.
#pragma once

#include "objects/EditorHost.h"

namespace vesk::test {

class FakeEditorHost : public EditorHost {
public:
    int32_t channels = 2;
    int32_t frequency = 44100;
    int16_t status = 0;
    int32_t typeView = 0;
    std::string formatString = "PCM 44100 Hz; 16 bit; stereo";

    int selectionUpdates = 0;
    int backgrounds = 0;
    int redraws = 0;
    int viewRecomputes = 0;
    int restarts = 0;
    int scaleChanges = 0;
    int recorderChanges = 0;
    ColorEffect lastColorEffect = ColorEffect::Redraw;
    int colorChanges = 0;

    int32_t DocumentChannels() const override { return channels; }
    int32_t DocumentFrequency() const override { return frequency; }
    int16_t Status() const override { return status; }
    int32_t TypeView() const override { return typeView; }
    std::string FormatString() const override { return formatString; }
    void UpdateSelectionColumns() override { ++selectionUpdates; }
    void RenderBackground() override { ++backgrounds; }
    void Redraw() override { ++redraws; }
    void RecomputeCurrentView() override { ++viewRecomputes; }
    void RestartPlayback() override { ++restarts; }
    void ScaleChanged() override { ++scaleChanges; }
    void ColorsChanged(ColorEffect effect) override {
        lastColorEffect = effect;
        ++colorChanges;
    }
    void RecorderSettingsChanged() override { ++recorderChanges; }
};

}  // namespace vesk::test
