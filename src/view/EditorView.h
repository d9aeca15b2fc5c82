// The view subsystem of the control: the geometry and zoom levels of the view, the display data,
// the scales, the marker cache and the painter, behind the operations the rest of the control
// calls after it changed data, view or selection (RecomputeView, then Redraw; RenderBackground
// after a change that needs no new display data; BuildOverview after every change of the working
// file). It shows one Document and holds the view's own settings (TypeView, TypeBorder, the
// marker switches, the vertical zoom).
#pragma once

#include <string>

#include "document/Document.h"
#include "document/DocumentDisplay.h"
#include "platform/window/ControlSite.h"
#include "view/AmplitudeScale.h"
#include "view/DisplayData.h"
#include "view/MarkerCache.h"
#include "view/Painter.h"
#include "view/SpectralView.h"
#include "view/TimeScale.h"
#include "view/ViewGeometry.h"
#include "view/ViewHost.h"

namespace vesk {

class EditorView final : public DocumentDisplay {
public:
    // document and host outlive the view.
    EditorView(Document& document, ViewHost& host) : document_(document), host_(host) {}

    // In-place activation gives the view its window; nullptr deactivates.
    void SetSite(ControlSite* site) { site_ = site; }
    ControlSite* Site() const { return site_; }

    // The container's paint: with unchanged bounds only the stored frame is copied; new bounds
    // resize the bitmaps, lay out, recompute and compose.
    void Paint(Bitmap& target, const ClientRect& bounds);
    // Composes into the window when active, else tells the container the view changed.
    void Redraw() override;
    void RenderBackground() override;
    void LayoutAreas();

    // Stores the view [start, end) of the current level and rebuilds the display data; true also
    // without a document; false when the display data could not be read.
    bool RecomputeView(int32_t startByte, int32_t endByte) override;
    // RecomputeView with the stored view of the current level.
    bool RecomputeStoredView() override;
    // The selection's columns again, then the background and ChangePosition.
    void UpdateSelectionColumns();
    // The selection's columns as a drag sets them (no event).
    void SetSelectionColumns(int32_t start, int32_t end) { geometry_.SetSelectionColumns(start, end); }
    int32_t PositionToColumn(int64_t bytePosition) const;
    int64_t ColumnToPosition(int32_t column) const;
    // After the host wrote a selection or view property.
    void PositionChanged(bool viewChanged);

    void ZoomIn();
    // One zoom level deeper showing [startByte, endByte) with the cursor at its start (the wheel);
    // nothing at the deepest level or without sound.
    void ZoomToRange(int32_t startByte, int32_t endByte);
    void ZoomOut();
    void ZoomFull();
    void Refresh();
    void ZoomVertical(int32_t percent);
    // A scale's settings changed.
    void ScaleChanged();
    // Colours changed: the pens (and the background) again when `background`, then a redraw.
    void ColorsChanged(bool background);

    // ---- Settings of the view ----
    // TypeView (kViewWaveform, kViewSpectral, kViewExpanded; other values are kept as given).
    int32_t TypeView() const { return typeView_; }
    void SetTypeView(int32_t type);
    // TypeBorder: how the frame is drawn.
    int16_t TypeBorder() const { return typeBorder_; }
    void SetTypeBorder(int16_t type);
    // MarkerBarEnabled and MarkerBackgroundEnabled (flags as the host gave them).
    int16_t MarkerBarFlag() const { return markerBarEnabled_; }
    void SetMarkerBarFlag(int16_t flag);
    int16_t MarkerBackgroundFlag() const { return markerBackgroundEnabled_; }
    void SetMarkerBackgroundFlag(int16_t flag);

    // ---- DocumentDisplay ----
    // Rebuilds the overview of the current working file with Status 7, progress and EndOperation.
    void BuildOverview() override;
    void FreeOverview() override { data_.FreeOverview(); }
    // The overview filled while a file decodes (see DisplayData).
    void StartDecodingOverview(int64_t expectedBytes, int32_t channels) override {
        data_.StartDecodingOverview(expectedBytes, channels, geometry_.Area().width);
    }
    void AddDecodedBlock(std::span<const int16_t> samples, int64_t bytesBefore) override {
        data_.AddDecodedBlock(samples.data(), static_cast<int32_t>(samples.size()), bytesBefore);
    }
    // Both scales again and the background (the document's rate or channel count changed).
    void FormatChanged() override;
    // The marker cache follows the current state; repaints when markers are or were shown.
    void MarkersChanged() override;
    void ShowProgress(int32_t percent) override;
    void ResetProgress() override { openProgress_ = 0; }
    // Resets the full scale when a document closes.
    void ResetFullScale(int32_t bitsPerSample) override;

    void SetInterpolation(Interpolation kind) { data_.SetInterpolationKind(kind); }

    // ---- While recording ----
    // The view [startByte, endByte) of the current level without reading the file: the time
    // scale follows and the background is rendered; the lanes come from ShowLiveBlock.
    void ShowLiveRange(int32_t startByte, int32_t endByte);
    // The latest captured samples (interleaved) across the whole width of the lanes.
    void ShowLiveBlock(std::span<const int16_t> samples);

    // Writes the last composed frame (BMP, or PNG by extension); false before the first paint.
    bool SaveWaveImage(const std::string& path) const;

    const ViewGeometry& Geometry() const { return geometry_; }
    const DisplayData& Data() const { return data_; }
    const TimeScale& Time() const { return timeScale_; }
    const AmplitudeScale& Amplitude() const { return amplitudeScale_; }
    const Painter& Picture() const { return painter_; }
    // The bounds of the last paint, and the scales' settings as they are now.
    const ClientRect& Client() const { return clientRect_; }
    ScaleSettings ScaleXSettings() const { return host_.ScaleX(); }
    ScaleSettings ScaleYSettings() const { return host_.ScaleY(); }
    // How many times RecomputeView ran (a drag in progress ends when someone else recomputes).
    uint64_t RecomputeCount() const { return recomputeCount_; }
    const SpectralView& Spectral() const { return spectral_; }
    MarkerCache& Markers() { return markers_; }
    const MarkerCache& Markers() const { return markers_; }
    int32_t VerticalZoom() const { return verticalZoom_; }

private:
    PaintContext Context() const;
    ChannelFlags Lanes() const;
    TimeAxisSource TimeSource() const;
    AmplitudeSource AmplitudeSourceNow() const;
    void ComputeTimeScale();
    void ComputeAmplitudeScale();
    void Compose(int reason, Bitmap* target);

    Document& document_;
    ViewHost& host_;
    ControlSite* site_ = nullptr;
    ClientRect clientRect_;  // bounds of the last paint
    ViewGeometry geometry_;
    DisplayData data_;
    TimeScale timeScale_;
    AmplitudeScale amplitudeScale_;
    Painter painter_;
    MarkerCache markers_;
    SpectralView spectral_;
    int32_t verticalZoom_ = 100;
    int32_t typeView_ = kViewWaveform;
    int16_t typeBorder_ = 1;
    int16_t markerBarEnabled_ = 1;
    int16_t markerBackgroundEnabled_ = 1;
    int32_t openProgress_ = 0;  // 0..100 while a file opens or saves
    uint64_t recomputeCount_ = 0;
};

}  // namespace vesk
