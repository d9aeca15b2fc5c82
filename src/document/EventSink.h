// The events of the control as the layers below the automation surface fire them: one method
// per event of _IAudioEditorEvents, with its arguments. The control implements it by firing the
// event to the host's advised sinks; the defaults do nothing, so a document without a control
// (tests, tools) fires into the void.
//
// Every call is made on the control's thread; a host may re-enter the control from its handler.
#pragma once

#include <cstdint>

namespace vesk {

class EventSink {
public:
    virtual ~EventSink() = default;

    // The mouse (button and shift flags as the host's mouse events give them; x, y in pixels
    // of the control's window).
    virtual void DblClick() {}
    virtual void MouseDown(int32_t /*button*/, int32_t /*shift*/, int16_t /*x*/, int16_t /*y*/) {}
    virtual void MouseUp(int32_t /*button*/, int32_t /*shift*/, int16_t /*x*/, int16_t /*y*/) {}
    virtual void MouseMove(int32_t /*button*/, int32_t /*shift*/, int16_t /*x*/, int16_t /*y*/) {}
    virtual void ScaleXClick() {}
    virtual void ScaleYClick() {}
    // Level meter values while playing or recording.
    virtual void Meter(int32_t /*levelLeft*/, int32_t /*levelRight*/) {}
    // Share of a long operation done, in percent.
    virtual void BlockOperation(int16_t /*percent*/) {}
    // Selection, cursor or view changed.
    virtual void ChangePosition() {}
    virtual void EndPlay() {}
    virtual void ChangePlayPosition() {}
    // A failure: code is one of the ErrorConstants (components/ComponentErrors.h).
    virtual void Error(int32_t /*code*/) {}
    // A document member or a long operation has finished.
    virtual void EndOperation() {}
    // Markers, by their 1-based number.
    virtual void MarkerClick(int32_t /*number*/) {}
    virtual void NewMarker(int32_t /*number*/) {}
    virtual void ChangeMarker(int32_t /*number*/) {}
    // The automatic gain control changed the input line's volume.
    virtual void GainChange(int32_t /*newVolume*/) {}
};

}  // namespace vesk
