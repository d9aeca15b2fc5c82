// The three colour ramps of the spectrogram, 100 colours each from quiet to loud: A for the
// normal lanes, B for the selection, C for a channel left out of the operation. Built from hue
// and lightness ramps through the integer HLS-to-RGB conversion with a range of 140 for hue,
// lightness and saturation.
#pragma once

#include <array>
#include <cstdint>

#include "platform/automation/ComTypes.h"

namespace vesk {

// Hue bounds of the normal (a) and the selected (b) ramp.
struct SpectrumHues {
    int32_t a0 = 35, a1 = 135, b0 = 100, b1 = 200;
};

class SpectrumColors {
public:
    static constexpr int kColors = 100;
    using Map = std::array<OLE_COLOR, kColors>;

    SpectrumColors() : SpectrumColors(SpectrumHues{}) {}
    explicit SpectrumColors(SpectrumHues hues);

    const Map& Normal() const { return maps_[0]; }
    const Map& Selected() const { return maps_[1]; }
    const Map& NotOperated() const { return maps_[2]; }
    const Map& Variant(int variant) const { return maps_[static_cast<size_t>(variant)]; }

    // hue, lightness and saturation in 0..140; the colour as 0x00BBGGRR.
    static OLE_COLOR FromHls(int32_t hue, int32_t lightness, int32_t saturation);

private:
    std::array<Map, 3> maps_;
};

}  // namespace vesk
