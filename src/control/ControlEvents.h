// The control's events as its host receives them: the document's event sink, firing each event
// of _IAudioEditorEvents to the sinks the host advised on the control's connection point.
#pragma once

#include "document/EventSink.h"
#include "platform/automation/ConnectionPoint.h"

namespace vesk {

class ControlEvents final : public EventSink {
public:
    // owner: the control, kept alive while an event is out (a handler may release the host's
    // last reference to it). It outlives this object.
    explicit ControlEvents(IUnknown& owner);

    ConnectionPoint& Point() { return *point_; }

    void DblClick() override;
    void MouseDown(int32_t button, int32_t shift, int16_t x, int16_t y) override;
    void MouseUp(int32_t button, int32_t shift, int16_t x, int16_t y) override;
    void MouseMove(int32_t button, int32_t shift, int16_t x, int16_t y) override;
    void ScaleXClick() override;
    void ScaleYClick() override;
    void Meter(int32_t levelLeft, int32_t levelRight) override;
    void BlockOperation(int16_t percent) override;
    void ChangePosition() override;
    void EndPlay() override;
    void ChangePlayPosition() override;
    void Error(int32_t code) override;
    void EndOperation() override;
    void MarkerClick(int32_t number) override;
    void NewMarker(int32_t number) override;
    void ChangeMarker(int32_t number) override;
    void GainChange(int32_t newVolume) override;

private:
    void Fire(DISPID id, std::initializer_list<Variant> args = {});
    void FireMouse(DISPID id, int32_t button, int32_t shift, int16_t x, int16_t y);

    IUnknown& owner_;
    ComPtr<ConnectionPoint> point_;
};

}  // namespace vesk
