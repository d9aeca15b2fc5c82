// The container side of a control in a window: the site gives the in-place active control its
// window (a drawing surface of the window's size), learns when the control's view changed while
// it could not draw itself, shows the pointer the control chooses, and holds the mouse capture
// for it (all mouse messages go to the control until it releases the capture).
#pragma once

#include "platform/drawing/Bitmap.h"
#include "platform/window/Pointer.h"

namespace vesk {

class ControlSite {
public:
    virtual ~ControlSite() = default;

    // The window surface the control draws into, or nullptr when it has none (not active).
    virtual Bitmap* Window() = 0;
    // The control's view changed and it could not draw: the container repaints it later by
    // calling the control's Paint.
    virtual void OnViewChange() = 0;
    // The control drew into Window() by itself (outside a Paint of the container): a site whose
    // window is a buffer shows the buffer again.
    virtual void OnWindowDrawn() {}
    // The pointer to show while the mouse is over the control.
    virtual void ShowPointer(const Pointer& pointer) = 0;
    // Takes (true) or releases (false) the mouse capture.
    virtual void SetCapture(bool captured) = 0;
};

// A site without a screen: its window is an off-screen bitmap. Tests, scripts and the picture
// export use it.
class HeadlessSite : public ControlSite {
public:
    HeadlessSite(int32_t width, int32_t height) : window_(width, height) {}

    Bitmap* Window() override { return &window_; }
    void OnViewChange() override { ++viewChanges_; }
    void OnWindowDrawn() override { ++windowDraws_; }
    void ShowPointer(const Pointer& pointer) override { pointer_ = pointer; }
    void SetCapture(bool captured) override { captured_ = captured; }

    void Resize(int32_t width, int32_t height) { window_ = Bitmap(width, height); }
    int ViewChanges() const { return viewChanges_; }
    int WindowDraws() const { return windowDraws_; }
    const Pointer& ShownPointer() const { return pointer_; }
    bool Captured() const { return captured_; }

private:
    Bitmap window_;
    int viewChanges_ = 0;
    int windowDraws_ = 0;
    Pointer pointer_;
    bool captured_ = false;
};

}  // namespace vesk
