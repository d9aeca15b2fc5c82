// The mixer lines of an ALSA card in one direction. A line is a simple element with a volume
// in that direction ("Capture", "Mic", "Line" for the recorder; "Master", "PCM", "Headphone"
// for the player): its volume 0 .. 65535 spans the element's raw range linearly, its balance
// comes from the two sides' volumes, and "selected" is the element's switch (the capture
// switch makes it a recording source; the playback switch unmutes it; an element without a
// switch is always selected). The advanced controls of every line are the card's elements
// of that direction without a volume: switches (VT_BOOL, "Mic Boost", "Auto Gain Control")
// and choices (VT_I4 item number, "Input Source").
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "components/alsa/AlsaMixer.h"
#include "components/audio/MixerLines.h"
#include "components/audio/VolumeBalance.h"

namespace vesk {

class AlsaMixerLines final : public MixerLines {
public:
    // The lines of the mixer `device` ("default", "hw:N"); null when it has none.
    static std::unique_ptr<AlsaMixerLines> Open(const std::string& device, bool capture);

    int16_t Count() const override { return static_cast<int16_t>(lines_.size()); }
    std::string Name(int16_t line) const override;
    int32_t Volume(int16_t line) const override;
    void SetVolume(int16_t line, int32_t volume) override;
    int16_t Balance(int16_t line) const override;
    void SetBalance(int16_t line, int16_t balance) override;
    bool Selected(int16_t line) const override;
    void SetSelected(int16_t line, bool selected) override;

    int16_t AdvancedCount(int16_t line) const override;
    std::string AdvancedName(int16_t line, int16_t index) const override;
    Variant AdvancedValue(int16_t line, int16_t index) const override;
    void SetAdvancedValue(int16_t line, int16_t index, const VARIANT& value) override;

private:
    struct Line {
        AlsaElement element;
        int32_t lastSet = -1;  // the volume last put, while the element still holds it
    };

    AlsaMixerLines(std::unique_ptr<AlsaMixer> mixer, bool capture);
    SideVolumes Sides(const Line& line) const;
    void SetSides(Line& line, SideVolumes sides);

    std::unique_ptr<AlsaMixer> mixer_;
    std::vector<Line> lines_;
    std::vector<AlsaElement> advanced_;
};

}  // namespace vesk
