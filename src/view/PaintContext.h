// Everything one composition of the picture reads, gathered once per composition so that the
// drawing routines take plain values instead of asking the control piece by piece.
#pragma once

#include "document/DocState.h"
#include "document/Status.h"
#include "view/AmplitudeScale.h"
#include "view/DisplayData.h"
#include "view/SpectralView.h"
#include "view/TimeScale.h"
#include "view/ViewGeometry.h"
#include "view/ViewTypes.h"

namespace vesk {

struct PaintContext {
    const DocState* state = nullptr;  // nullptr: no document
    int32_t channels = 1;
    int32_t frequency = 8000;
    Status status = Status::Idle;
    int32_t typeView = kViewWaveform;
    int16_t typeBorder = 1;
    int32_t verticalZoom = 100;
    int32_t playColumn = 0;
    int32_t openProgress = 0;
    ViewColors colors;
    ChannelFlags lanes;
    ScaleSettings scaleX;
    ScaleSettings scaleY;
    MarkerView markers;
    const ViewGeometry* geometry = nullptr;
    const DisplayData* data = nullptr;
    const TimeScale* timeScale = nullptr;
    const AmplitudeScale* amplitudeScale = nullptr;
    const SpectralView* spectral = nullptr;

    bool HasSound() const { return state && state->totalBytes != 0; }
    int32_t Level() const { return state ? state->zoomLevel : 0; }
    bool Selected() const { return state && state->selected; }
    // A stereo document with both lanes shown and exactly one channel marked for operation.
    bool OneOperatedOfTwo() const {
        return channels == 2 && lanes.visible[0] && lanes.visible[1] && lanes.operationCount == 1;
    }
    int32_t OperatedChannel() const { return lanes.operated[0] ? 0 : 1; }
};

}  // namespace vesk
