#include "view/ViewGeometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "document/DocState.h"

namespace vesk {

namespace {

// The widest amplitude label of each amplitude-scale type.
const char* AmplitudeSample(int16_t type) {
    switch (type) {
        case kAmplitudeScaleNormalized: return "norm";
        case kAmplitudeScaleDecibels: return "1000";
        default: return "32768";
    }
}

// The layout of the areas, in pixels: the band above the lanes (at least kMinBandHeight, one
// 140th of the width), the zone at a selection edge where the pointer grabs it (at least
// kMinEdgeBand, one 160th of the width), the gaps around the lanes, and the room under which a
// scale is not shown at all.
constexpr int32_t kBandWidthDivisor = 140;
constexpr int32_t kMinBandHeight = 4;
constexpr int32_t kEdgeBandWidthDivisor = 160;
constexpr int32_t kMinEdgeBand = 3;
constexpr int32_t kGap = 5;          // between the lanes and a scale, and under the band
constexpr int32_t kBorder = 2;       // between the lanes and the window's edge
constexpr int32_t kMinLaneWidthForScale = 180;
constexpr int32_t kMinLaneHeightForScale = 60;

}  // namespace

void ViewGeometry::LayoutAreas(const ClientRect& client, const ScaleSettings& scaleX, const ScaleSettings& scaleY) {
    client_ = client;
    const int32_t w = client.Width();
    const int32_t h = client.Height();
    area_ = WaveArea{0, 0, w, h, w, h};
    scrollBandHeight_ = std::max(w / kBandWidthDivisor, kMinBandHeight);
    edgeBand_ = std::max(w / kEdgeBandWidthDivisor, kMinEdgeBand);
    scaleYWidth_ = 0;
    scaleXHeight_ = 0;
    if (scaleY.visible && scaleY.font) scaleYWidth_ = scaleY.font->Measure(AmplitudeSample(scaleY.type)).width * 3 / 2 + 2;
    if (scaleX.visible && scaleX.font) scaleXHeight_ = scaleX.font->Measure("111").height * 3 / 2 + 2;
    // No room for a scale: it is not shown at all.
    if (client.right - scaleYWidth_ - kGap - client.left - kBorder < kMinLaneWidthForScale) scaleYWidth_ = 0;
    if (client.bottom - scaleXHeight_ - kGap - client.top < kMinLaneHeightForScale) scaleXHeight_ = 0;

    area_.top = scrollBandHeight_ + kGap;
    area_.bottom = client.bottom - scaleXHeight_ - kGap - client.top;
    // A hidden amplitude scale gives its room to the lanes (its width reads -kBorder).
    if (scaleY.orientation == kScaleAtLeft) {
        area_.left = scaleYWidth_ + kGap;
        area_.right = client.right - kBorder;
        if (scaleYWidth_ < 1) {
            scaleYWidth_ = -kBorder;
            area_.left -= kBorder;
        }
    } else {
        area_.left = kBorder;
        area_.right = client.right - scaleYWidth_ - kGap - client.left;
        if (scaleYWidth_ < 1) {
            scaleYWidth_ = -kBorder;
            area_.right += kBorder;
        }
    }
    area_.width = area_.right - area_.left;
    area_.height = area_.bottom - area_.top;

    loadingWave_.assign(std::max(area_.width, 0) + 1, 0);
    for (int32_t x = 0; x <= area_.width; ++x) {
        double phase = 20.0 * std::numbers::pi * x / std::max(area_.width, 1);
        loadingWave_[x] = std::abs(static_cast<int32_t>(std::sin(phase) * 80));
    }
}

int32_t ViewGeometry::PositionToColumn(const DocState& state, int64_t p) const {
    const int32_t level = state.zoomLevel;
    uint32_t length = static_cast<uint32_t>(state.endView[level] - state.startView[level]);
    double f = 0;
    if (length != 0) f = static_cast<uint32_t>(p - state.startView[level]) / static_cast<double>(length);
    double column = std::trunc(area_.width * f + 0.5);
    return static_cast<int32_t>(std::clamp<double>(column, 0, std::max(area_.width, 0)));
}

int64_t ViewGeometry::ColumnToPosition(const DocState& state, int32_t column, int32_t bytesPerFrame) const {
    const int32_t level = state.zoomLevel;
    if (column == area_.width) return state.endView[level];
    if (column == 0 || area_.width == 0) return state.startView[level];
    const double span = static_cast<double>(state.endView[level]) - state.startView[level] + bytesPerFrame;
    const auto p = static_cast<uint32_t>(std::trunc(state.startView[level] + (static_cast<double>(column) / area_.width) * span + 0.5));
    return p / static_cast<uint32_t>(bytesPerFrame) * static_cast<uint32_t>(bytesPerFrame);
}

void ViewGeometry::UpdateSelectionColumns(const DocState& state) {
    const int32_t level = state.zoomLevel;
    const int32_t startSelect = state.startSelect[level];
    const int32_t endSelect = state.endSelect[level];
    const int32_t startView = state.startView[level];
    const int32_t endView = state.endView[level];
    selectionStart_ = startSelect >= startView ? PositionToColumn(state, startSelect) : 0;
    selectionEnd_ = endSelect <= endView ? PositionToColumn(state, endSelect) : area_.width;
    if (startSelect > endView || endSelect < startView) selectionStart_ = selectionEnd_ = 0;
    selectionStart_ = std::clamp(selectionStart_, 0, std::max(area_.width, 0));
    selectionEnd_ = std::min(selectionEnd_, area_.width);
    if (selectionStart_ > selectionEnd_) selectionStart_ = 0;
}

int16_t ViewGeometry::ClassifyDetail(double x, int32_t frequency) {
    double threshold = 24;
    if (frequency < 8000) threshold = 12;
    if (frequency > 23000) threshold = 40;
    if (x > 0.3 && x < threshold) return 1;
    if (x > 0.1 && x <= 0.3) return 2;
    if (x > 0.02 && x <= 0.1) return 3;
    if (x > 0 && x <= 0.02) return 4;
    return 0;
}

}  // namespace vesk
