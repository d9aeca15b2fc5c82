#include "view/AmplitudeScale.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace vesk {

int32_t AmplitudeScale::BaseFullScale(const AmplitudeSource& source, const ScaleSettings& scaleY) {
    if (source.typeView == kViewSpectral) return source.frequency / 2;
    int32_t full = (source.bitsPerSample == 8 && scaleY.type != kAmplitudeScaleDecibels) ? 130 : 35000;
    if (scaleY.type == kAmplitudeScaleNormalized) full = 110;
    return std::max(static_cast<int32_t>(static_cast<int64_t>(full) * source.verticalZoom / 100), 1);
}

void AmplitudeScale::ChooseStep(int32_t s, int32_t& step, int16_t& subdivisions) {
    // Bases from the largest down; the leading digit q of the step gives the subdivisions, a
    // leading 1 is divided by the base's own count.
    struct Base {
        int32_t above;
        int32_t base;
        int16_t whenOne;
    };
    static constexpr Base kBases[] = {{10000, 10000, 10}, {5000, 5000, 5}, {1000, 1000, 10}, {500, 500, 5},
                                      {100, 100, 10},     {50, 50, 5},     {10, 10, 10}};
    for (const Base& b : kBases) {
        if (s > b.above) {
            step = s / b.base * b.base;
            int16_t q = static_cast<int16_t>(step / b.base);
            subdivisions = q == 1 ? b.whenOne : q;
            return;
        }
    }
    if (s > 5) {
        step = 5;
        subdivisions = 5;
    } else {
        step = 1;
        subdivisions = 1;
    }
}

void AmplitudeScale::Compute(const AmplitudeSource& source, const ViewGeometry& geometry, const ScaleSettings& scaleY) {
    if (!scaleY.visible || geometry.ScaleYWidth() < 1) return;
    fullScale_ = BaseFullScale(source, scaleY);
    const int32_t th = scaleY.font ? std::max(scaleY.font->Measure("0").height, 1) : 13;
    int32_t labels = geometry.Area().height / (3 * th);
    if (source.visibleChannels != 0) labels /= source.visibleChannels;
    labels = std::max(labels, 1);
    ChooseStep(fullScale_ / labels, step_, subdivisions_);
    if (step_ < 1) {
        step_ = 1;
        subdivisions_ = 1;
    }
    int32_t h = geometry.Area().height;
    if (source.visibleChannels != 0) h /= source.visibleChannels;
    int32_t ticks = 2 * fullScale_ / step_;
    h = ticks != 0 ? h / ticks / subdivisions_ : 0;
    if (h < 5) subdivisions_ = static_cast<int16_t>(subdivisions_ / 2);
    subdivisions_ = std::max<int16_t>(subdivisions_, 1);
    if (source.typeView == kViewSpectral) fullScale_ = source.frequency / 2;
}

int32_t AmplitudeScale::DecibelLabel(int32_t v) {
    const double top = std::log10(32768.0);
    if (v == 0) return static_cast<int32_t>(-20 * top);
    return static_cast<int32_t>(-20 * (top - std::log10(static_cast<double>(v))) - 0.5);
}

void AmplitudeScale::DrawBand(Canvas& canvas, const AmplitudeSource& source, const ViewGeometry& geometry,
                              const ScaleSettings& scaleY, const ViewColors& colors) const {
    if (!scaleY.visible || geometry.ScaleYWidth() < 1) return;
    const WaveArea& area = geometry.Area();
    const int32_t width = geometry.ScaleYWidth();
    const bool right = scaleY.orientation != kScaleAtLeft;
    const int32_t xl = right ? area.right + 3 : area.left - width - 3;
    const int32_t xr = right ? area.right + width + 3 : area.left - 2;
    canvas.FillRect(xl, area.top - geometry.ScrollBandHeight() - 3, xr, area.bottom + 4, colors.scales);

    const int32_t top = area.top + geometry.EdgeBand() + 2;
    const int32_t bottom = area.bottom - geometry.EdgeBand();
    if (source.visibleChannels < 2) {
        DrawLane(canvas, source, geometry, scaleY, colors, xl, xr, top, bottom);
        return;
    }
    const int32_t laneHeight = (bottom - top) / 2 - 2;
    DrawLane(canvas, source, geometry, scaleY, colors, xl, xr, top, top + laneHeight);
    DrawLane(canvas, source, geometry, scaleY, colors, xl, xr, top + laneHeight + 4, top + 2 * laneHeight + 4);
}

void AmplitudeScale::DrawLane(Canvas& canvas, const AmplitudeSource& source, const ViewGeometry& geometry,
                              const ScaleSettings& scaleY, const ViewColors& colors, int32_t xl, int32_t xr,
                              int32_t top, int32_t bottom) const {
    const bool spectral = source.typeView == kViewSpectral;
    const int32_t height = bottom - top;
    const int32_t half = spectral ? height : height / 2;
    const int32_t tick = geometry.ScaleYWidth() / 5;
    const bool right = scaleY.orientation != kScaleAtLeft;
    const int32_t tickStart = right ? xl : xr;
    const int32_t tickDir = right ? 1 : -1;
    const int32_t labelX = right ? xl + tick + 6 : xl + 6;
    const FontFace* font = scaleY.font.get();
    const int32_t th = font ? font->Measure("0").height : 13;
    const WaveArea& area = geometry.Area();
    const int32_t centre = top + half;
    const int64_t full = std::max(fullScale_, 1);

    auto y = [&](int64_t value) {
        return static_cast<int32_t>(spectral ? value * height / full : value * height / full / 2);
    };
    auto drawTick = [&](int32_t yy, int32_t length) {
        canvas.Line(tickStart, yy, tickStart + tickDir * length, yy, colors.font);
    };
    for (int64_t v = 0; v <= fullScale_; v += step_) {
        const int32_t offset = y(v);
        drawTick(centre - offset, tick);
        if (!spectral) drawTick(centre + offset, tick);

        if (font && !(spectral && v == 0)) {
            std::string label = scaleY.type == kAmplitudeScaleDecibels ? std::to_string(DecibelLabel(static_cast<int32_t>(v)))
                                                 : std::to_string(v);
            if (half - 1 - offset - th / 4 > th - geometry.ScrollBandHeight() - 5) {
                canvas.Text(labelX, centre - offset - th / 2, label, *font, colors.font);
                if (!spectral && v != 0) canvas.Text(labelX, centre + offset - th / 2, label, *font, colors.font);
            }
        }
        for (int16_t k = 1; k < subdivisions_; ++k) {
            int32_t minor = y(v + static_cast<int64_t>(step_) * k / subdivisions_);
            if (minor >= half) break;
            drawTick(centre - minor, tick / 2);
            if (!spectral) drawTick(centre + minor, tick / 2);
        }
        if (scaleY.grid && !spectral) {
            for (int32_t x = area.left; x < area.right - 5; x += 8) {
                int32_t end = std::min(x + 5, area.right - 5);
                canvas.Line(x, centre - offset, end, centre - offset, colors.grid);
                canvas.Line(x, centre + offset, end, centre + offset, colors.grid);
            }
        }
        if (step_ <= 0) break;
    }
}

}  // namespace vesk
