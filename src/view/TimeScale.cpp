#include "view/TimeScale.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "document/DocState.h"

namespace vesk {

namespace {

bool HasSound(const TimeAxisSource& source) { return source.state && source.state->totalBytes != 0; }

std::string Printf(const char* format, double value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

}  // namespace

std::string TimeScale::FormatTimeLabel(const TimeAxisSource& source, double value, int decimals) {
    decimals = std::clamp(decimals, 0, 7);
    bool longDocument = source.state && source.state->totalBytes >
                                            static_cast<int64_t>(source.frequency) * 6 * source.channels;
    if (!longDocument) {
        static const char* const kFixed[] = {"%.0f", "%.1f", "%.2f", "%.3f", "%.4f", "%.5f", "%.6f", "%.7f"};
        return Printf(kFixed[decimals], value);
    }
    int minutes = static_cast<int>(value / 60);
    int seconds = static_cast<int>(value - 60.0 * minutes);
    int fraction = static_cast<int>(std::pow(10.0, decimals) * (value - 60.0 * minutes - seconds) + 0.5);
    char text[64];
    std::snprintf(text, sizeof text, "%d:%.2d.%d", minutes, seconds, fraction);
    return text;
}

void TimeScale::ComputeThumb(const TimeAxisSource& source, const WaveArea& area) {
    if (!HasSound(source)) {
        thumbX_ = area.left;
        thumbWidth_ = area.width;
        return;
    }
    const DocState& s = *source.state;
    const double total = s.totalBytes;
    thumbX_ = area.left + static_cast<int32_t>(area.width * (s.startView[s.zoomLevel] / total));
    thumbWidth_ = static_cast<int32_t>(area.width * ((s.endView[s.zoomLevel] - s.startView[s.zoomLevel]) / total));
    thumbWidth_ = std::max(thumbWidth_, 3);
}

void TimeScale::Compute(const TimeAxisSource& source, const ViewGeometry& geometry, const ScaleSettings& scaleX) {
    ComputeThumb(source, geometry.Area());
    if (!scaleX.visible || geometry.ScaleXHeight() < 1) return;
    ComputeUnit(source, geometry, scaleX);
}

void TimeScale::ComputeUnit(const TimeAxisSource& source, const ViewGeometry& geometry, const ScaleSettings& scaleX) {
    const bool time = scaleX.type == kTimeScaleTime;
    start_ = 0;
    end_ = 10;
    if (source.state) {
        const DocState& s = *source.state;
        const int32_t frame = 2 * std::max(source.channels, 1);
        start_ = s.startView[s.zoomLevel] / frame;
        end_ = s.endView[s.zoomLevel] / frame;
        if (time && source.frequency > 0) {
            start_ /= source.frequency;
            end_ /= source.frequency;
        }
        if (start_ == end_) {
            start_ = 0;
            end_ = 10;
        }
    }

    const int32_t width = geometry.Area().width;
    std::string widest = time ? FormatTimeLabel(source, end_, 4)
                              : std::to_string(static_cast<int64_t>(std::trunc(end_)) * 100);
    int32_t w = scaleX.font ? scaleX.font->Measure(widest).width : 6 * static_cast<int32_t>(widest.size());
    int32_t perLabel = time ? w * 3 / 2 + 5 : w * 3 / 2;
    int32_t maxLabels = std::max(perLabel > 0 ? width / perLabel : 1, 1);

    double raw = (end_ - start_) / maxLabels;
    double e = std::log10(raw);
    double i = std::trunc(e);
    double p;
    if (!time || e >= 0) {
        p = (e - i >= 0.1) ? std::ceil(e) : std::floor(e);
    } else {
        p = (-(e - i) >= 0.9) ? std::floor(e) : std::ceil(e);
    }
    unit_ = std::pow(10.0, p);
    firstLabel_ = std::floor(start_ / unit_) * unit_;

    double n = std::trunc((end_ - start_) / unit_);
    const double factor = time ? 2.0 : 1.6;
    int16_t subdivisions = 10;
    while (maxLabels > n * factor) {
        unit_ /= 2;
        n = std::trunc((end_ - start_) / unit_);
        subdivisions = subdivisions == 10 ? 5 : 10;
        if (n < 1) break;
    }
    subdivisions_ = subdivisions;
    if (!time) {
        unit_ = std::max(std::floor(unit_), 1.0);
        if (unit_ < 10) subdivisions_ = static_cast<int16_t>(unit_);
    }
}

void TimeScale::Draw(Canvas& canvas, const TimeAxisSource& source, const ViewGeometry& geometry,
                     const ScaleSettings& scaleX, int32_t typeView, bool amplitudeScaleAtLeft,
                     const ViewColors& colors) const {
    if (!scaleX.visible || unit_ == 0 || geometry.ScaleXHeight() < 1) return;
    const ClientRect& client = geometry.Client();
    const WaveArea& area = geometry.Area();
    const int32_t band = geometry.ScaleXHeight();
    for (int32_t x = client.left + 2; x < client.right - 2; ++x) {
        canvas.Line(x, area.bottom + 3, x, area.bottom + band + 3, colors.scales);
    }
    const int32_t th = band / 3;
    const FontFace* font = scaleX.font.get();
    const int32_t unitWidth = font ? font->Measure("smpl").width : 0;

    int decimals = 0;
    if (scaleX.type == kTimeScaleTime) {
        double f = unit_ - std::floor(unit_);
        while (f - std::floor(f) > 0 && decimals < 7) {
            ++decimals;
            f *= 10;
        }
    }
    const int32_t startColumn = amplitudeScaleAtLeft ? 0 : 1;
    const double span = end_ - start_;
    int index = 0;
    for (double v = firstLabel_; v <= end_; v += unit_, ++index) {
        double exact = area.width * (v - start_) / span;
        int32_t x = static_cast<int32_t>(exact - std::floor(exact) > 0.5 ? std::ceil(exact) : std::trunc(exact));
        if (area.left + x >= area.right) break;
        if (x >= 0) {
            int32_t tick = (subdivisions_ == 5 && index % 2 == 1) ? th * 4 / 5 : th;
            canvas.Line(area.left + x, area.bottom + 3, area.left + x, area.bottom + tick + 3, colors.font);
        }
        if (x >= startColumn && font) {
            std::string label = scaleX.type == kTimeScaleTime ? FormatTimeLabel(source, v, decimals)
                                                 : std::to_string(static_cast<int64_t>(std::trunc(v)));
            int32_t tw = font->Measure(label).width;
            if (client.left + x + tw / 2 < client.right - 3 && area.left + x - tw / 2 > client.left + unitWidth + 1) {
                canvas.Text(area.left + x - tw / 2, area.bottom + th + 4, label, *font, colors.font);
            }
        }
        if (scaleX.grid && typeView != kViewSpectral && x >= 1) {
            for (int32_t y = area.top; y < area.bottom - 2; y += 8) {
                canvas.Line(area.left + x, y, area.left + x, std::min(y + 5, area.bottom - 2), colors.grid);
            }
        }
        for (double w = v + unit_ / subdivisions_; w < v + unit_; w += unit_ / subdivisions_) {
            int32_t minor = static_cast<int32_t>(std::trunc(area.width * (w - start_) / span + 0.5));
            if (minor <= 0) continue;
            if (area.left + minor >= area.right) break;
            canvas.Line(area.left + minor, area.bottom + 3, area.left + minor, area.bottom + th / 2 + 3, colors.font);
        }
    }
}

}  // namespace vesk
