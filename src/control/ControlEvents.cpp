#include "control/ControlEvents.h"

#include "objects/typelib/AudioEditorInterface.h"

namespace vesk {

ControlEvents::ControlEvents(IUnknown& owner)
    : owner_(owner), point_(MakeCom<ConnectionPoint>(IID_IAudioEditorEvents)) {}

void ControlEvents::Fire(DISPID id, std::initializer_list<Variant> args) {
    owner_.AddRef();
    ComPtr<ConnectionPoint> point = point_;
    point->Fire(id, args);
    owner_.Release();
}

void ControlEvents::FireMouse(DISPID id, int32_t button, int32_t shift, int16_t x, int16_t y) {
    Fire(id, {Variant::I4(button), Variant::I4(shift), Variant::I2(x), Variant::I2(y)});
}

void ControlEvents::DblClick() { Fire(kDblClick); }
void ControlEvents::MouseDown(int32_t button, int32_t shift, int16_t x, int16_t y) {
    FireMouse(kMouseDown, button, shift, x, y);
}
void ControlEvents::MouseUp(int32_t button, int32_t shift, int16_t x, int16_t y) {
    FireMouse(kMouseUp, button, shift, x, y);
}
void ControlEvents::MouseMove(int32_t button, int32_t shift, int16_t x, int16_t y) {
    FireMouse(kMouseMove, button, shift, x, y);
}
void ControlEvents::ScaleXClick() { Fire(kScaleXClick); }
void ControlEvents::ScaleYClick() { Fire(kScaleYClick); }
void ControlEvents::Meter(int32_t levelLeft, int32_t levelRight) {
    Fire(kMeter, {Variant::I4(levelLeft), Variant::I4(levelRight)});
}
void ControlEvents::BlockOperation(int16_t percent) { Fire(kBlockOperation, {Variant::I2(percent)}); }
void ControlEvents::ChangePosition() { Fire(kChangePosition); }
void ControlEvents::EndPlay() { Fire(kEndPlay); }
void ControlEvents::ChangePlayPosition() { Fire(kChangePlayPosition); }
void ControlEvents::Error(int32_t code) { Fire(kError, {Variant::I4(code)}); }
void ControlEvents::EndOperation() { Fire(kEndOperation); }
void ControlEvents::MarkerClick(int32_t number) { Fire(kMarkerClick, {Variant::I4(number)}); }
void ControlEvents::NewMarker(int32_t number) { Fire(kNewMarker, {Variant::I4(number)}); }
void ControlEvents::ChangeMarker(int32_t number) { Fire(kChangeMarker, {Variant::I4(number)}); }
void ControlEvents::GainChange(int32_t newVolume) { Fire(kGainChange, {Variant::I4(newVolume)}); }

}  // namespace vesk
