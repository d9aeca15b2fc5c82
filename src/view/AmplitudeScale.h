// The amplitude scale beside the waveform area: the value drawn at a lane's half height
// (FullScale), the labelled step and its subdivisions, and the drawing of the band with ticks,
// labels (sample values, normalized values or decibels) and grid lines.
#pragma once

#include <cstdint>

#include "platform/drawing/Canvas.h"
#include "view/ViewGeometry.h"

namespace vesk {

struct AmplitudeSource {
    int32_t typeView = 0;
    int32_t frequency = 8000;
    int32_t bitsPerSample = 16;
    int32_t verticalZoom = 100;  // percent
    int32_t visibleChannels = 1;
};

class AmplitudeScale {
public:
    // The full scale of the lanes whatever the scale band shows (the painter needs it).
    static int32_t BaseFullScale(const AmplitudeSource& source, const ScaleSettings& scaleY);

    void Compute(const AmplitudeSource& source, const ViewGeometry& geometry, const ScaleSettings& scaleY);
    void DrawBand(Canvas& canvas, const AmplitudeSource& source, const ViewGeometry& geometry,
                  const ScaleSettings& scaleY, const ViewColors& colors) const;
    // The label of value v for ScaleY.Type 3: decibels relative to 32768.
    static int32_t DecibelLabel(int32_t v);

    int32_t FullScale() const { return fullScale_; }
    void SetFullScale(int32_t value) { fullScale_ = value; }
    int32_t Step() const { return step_; }
    int16_t Subdivisions() const { return subdivisions_; }

    // Step and subdivisions for a raw step s (before the spacing check).
    static void ChooseStep(int32_t s, int32_t& step, int16_t& subdivisions);

private:
    void DrawLane(Canvas& canvas, const AmplitudeSource& source, const ViewGeometry& geometry,
                  const ScaleSettings& scaleY, const ViewColors& colors, int32_t xl, int32_t xr, int32_t top,
                  int32_t bottom) const;

    int32_t fullScale_ = 35000;
    int32_t step_ = 1;
    int16_t subdivisions_ = 1;
};

}  // namespace vesk
