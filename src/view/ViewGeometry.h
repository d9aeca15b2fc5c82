// The mapping between the sound and the control's pixels: how the client rectangle divides into
// the waveform area, the band above it and the two scale bands, how a byte position becomes a
// column of the waveform area, and which detail mode a view's density calls for.
#pragma once

#include <cstdint>
#include <vector>

#include "view/ViewTypes.h"

namespace vesk {

struct DocState;

class ViewGeometry {
public:
    // Lays out the areas for the client rectangle. textWidth/textHeight of the scale fonts decide
    // the scale bands' sizes (see the .cpp for the measured texts).
    void LayoutAreas(const ClientRect& client, const ScaleSettings& scaleX, const ScaleSettings& scaleY);

    // Column in [0, Width] of byte position p in the current level's view.
    int32_t PositionToColumn(const DocState& state, int64_t p) const;
    // Byte position of column c of the waveform area in the current level's view: the view's
    // start at 0, its end at Width, else the nearest position cut down to a whole frame.
    int64_t ColumnToPosition(const DocState& state, int32_t column, int32_t bytesPerFrame) const;
    // Selection columns of the current level (both 0 when the selection is outside the view).
    void UpdateSelectionColumns(const DocState& state);
    // The selection columns as a drag sets them.
    void SetSelectionColumns(int32_t start, int32_t end) {
        selectionStart_ = start;
        selectionEnd_ = end;
    }
    // Detail mode for `bytes` of view shown on the area (0 peaks, 1..4 ever closer curves).
    static int16_t ClassifyDetail(double bytesPerPixelPerChannel, int32_t frequency);

    const ClientRect& Client() const { return client_; }
    const WaveArea& Area() const { return area_; }
    int32_t ScrollBandHeight() const { return scrollBandHeight_; }
    int32_t EdgeBand() const { return edgeBand_; }
    int32_t ScaleYWidth() const { return scaleYWidth_; }
    int32_t ScaleXHeight() const { return scaleXHeight_; }
    int32_t SelectionStartColumn() const { return selectionStart_; }
    int32_t SelectionEndColumn() const { return selectionEnd_; }
    const std::vector<int32_t>& LoadingWaveTable() const { return loadingWave_; }
    int16_t DetailMode() const { return detailMode_; }
    void SetDetailMode(int16_t mode) { detailMode_ = mode; }

private:
    ClientRect client_;
    WaveArea area_;
    int32_t scrollBandHeight_ = 4;
    int32_t edgeBand_ = 3;
    int32_t scaleYWidth_ = 0;
    int32_t scaleXHeight_ = 0;
    int32_t selectionStart_ = 0;
    int32_t selectionEnd_ = 0;
    int16_t detailMode_ = 0;
    std::vector<int32_t> loadingWave_;
};

}  // namespace vesk
