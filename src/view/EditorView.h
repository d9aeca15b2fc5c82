// The view subsystem of the control: the geometry and zoom levels of the view, the display data,
// the scales and the painter, behind the operations the rest of the control calls after it
// changed data, view or selection (RecomputeView, then Redraw; RenderBackground after a change
// that needs no new display data; BuildOverview after every change of the working file).
#pragma once

#include <string>

#include "platform/window/ControlSite.h"
#include "view/AmplitudeScale.h"
#include "view/DisplayData.h"
#include "view/Painter.h"
#include "view/TimeScale.h"
#include "view/ViewGeometry.h"
#include "view/ViewHost.h"

namespace vesk {

class EditorView {
public:
    explicit EditorView(ViewHost& host) : host_(host) {}

    // In-place activation gives the view its window; nullptr deactivates.
    void SetSite(ControlSite* site) { site_ = site; }
    ControlSite* Site() const { return site_; }

    // The container's paint: with unchanged bounds only the stored frame is copied; new bounds
    // resize the bitmaps, lay out, recompute and compose.
    void Paint(Bitmap& target, const ClientRect& bounds);
    // Composes into the window when active, else tells the container the view changed.
    void Redraw();
    void RenderBackground();
    void LayoutAreas();

    // Stores the view [start, end) of the current level and rebuilds the display data; true also
    // without a document; false when the display data could not be read.
    bool RecomputeView(int32_t startByte, int32_t endByte);
    // RecomputeView with the stored view of the current level.
    bool RecomputeStoredView();
    void UpdateSelectionColumns();
    int32_t PositionToColumn(int64_t bytePosition) const;
    // After the host wrote a selection or view property.
    void PositionChanged(bool viewChanged);

    void ZoomIn();
    void ZoomOut();
    void ZoomFull();
    void Refresh();
    void ZoomVertical(int32_t percent);
    // TypeView has changed (the host stored the new value).
    void TypeViewChanged();
    // A scale's settings changed.
    void ScaleChanged();
    // The amplitude scale again (the channel count changed).
    void RelayAmplitudeScale() { ComputeAmplitudeScale(); }
    // Resets the full scale when a document closes.
    void ResetFullScale(int32_t bitsPerSample);

    // Rebuilds the overview of the current working file with Status 7, progress and EndOperation.
    void BuildOverview();
    void FreeOverview() { data_.FreeOverview(); }
    // The overview filled while a file decodes (see DisplayData); false when none is needed.
    bool StartDecodingOverview(int64_t expectedBytes, int32_t channels) {
        return data_.StartDecodingOverview(expectedBytes, channels, geometry_.Area().width);
    }
    void AddDecodedBlock(const int16_t* samples, int32_t count, int64_t bytesBefore) {
        data_.AddDecodedBlock(samples, count, bytesBefore);
    }
    // The time scale again (the document's format changed).
    void RelayTimeScale() { ComputeTimeScale(); }
    void SetInterpolation(Interpolation kind) { data_.SetInterpolationKind(kind); }

    // Writes the last composed frame (BMP, or PNG by extension); false before the first paint.
    bool SaveWaveImage(const std::string& path) const;

    const ViewGeometry& Geometry() const { return geometry_; }
    const DisplayData& Data() const { return data_; }
    const TimeScale& Time() const { return timeScale_; }
    const AmplitudeScale& Amplitude() const { return amplitudeScale_; }
    const Painter& Picture() const { return painter_; }
    int32_t VerticalZoom() const { return verticalZoom_; }

private:
    PaintContext Context() const;
    TimeAxisSource TimeSource() const;
    AmplitudeSource AmplitudeSourceNow() const;
    void ComputeTimeScale();
    void ComputeAmplitudeScale();
    void Compose(int reason, Bitmap* target);

    ViewHost& host_;
    ControlSite* site_ = nullptr;
    ClientRect clientRect_;  // bounds of the last paint
    ViewGeometry geometry_;
    DisplayData data_;
    TimeScale timeScale_;
    AmplitudeScale amplitudeScale_;
    Painter painter_;
    int32_t verticalZoom_ = 100;
};

}  // namespace vesk
