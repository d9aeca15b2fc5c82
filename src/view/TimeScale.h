// The time scale under the waveform area and the view thumb in the band above it: label
// spacing (a power of ten, halved while more labels fit, with minor subdivisions), label texts
// and their drawing.
#pragma once

#include <cstdint>
#include <string>

#include "platform/drawing/Canvas.h"
#include "view/ViewGeometry.h"

namespace vesk {

struct DocState;

// What the time scale needs to know of the document (no document: state is nullptr).
struct TimeAxisSource {
    const DocState* state = nullptr;
    int32_t frequency = 8000;
    int32_t channels = 1;
};

class TimeScale {
public:
    void Compute(const TimeAxisSource& source, const ViewGeometry& geometry, const ScaleSettings& scaleX);
    // Draws the band, ticks, labels and grid into the frame.
    void Draw(Canvas& canvas, const TimeAxisSource& source, const ViewGeometry& geometry,
              const ScaleSettings& scaleX, int32_t typeView, bool amplitudeScaleAtLeft, const ViewColors& colors) const;

    // "m:ss.f" for documents longer than three seconds, a fixed-point number otherwise.
    static std::string FormatTimeLabel(const TimeAxisSource& source, double value, int decimals);

    int32_t ThumbX() const { return thumbX_; }
    int32_t ThumbWidth() const { return thumbWidth_; }
    double Start() const { return start_; }
    double End() const { return end_; }
    double FirstLabel() const { return firstLabel_; }
    double Unit() const { return unit_; }
    int16_t Subdivisions() const { return subdivisions_; }

private:
    void ComputeThumb(const TimeAxisSource& source, const WaveArea& area);
    void ComputeUnit(const TimeAxisSource& source, const ViewGeometry& geometry, const ScaleSettings& scaleX);

    int32_t thumbX_ = 0;
    int32_t thumbWidth_ = 0;
    double start_ = 0;
    double end_ = 10;
    double firstLabel_ = 0;
    double unit_ = 0;
    int16_t subdivisions_ = 10;
};

}  // namespace vesk
