// The window side of the control, as a container uses it: in-place activation with a site that
// gives the control its window, and painting into a target with given bounds. (The automation
// side is IAudioEditor.)
#pragma once

#include "platform/automation/Unknown.h"
#include "platform/drawing/Bitmap.h"
#include "platform/window/ControlSite.h"
#include "view/ViewTypes.h"

namespace vesk {

struct IEditorControl : IUnknown {
    // {5645534B-0003-4E00-A000-000000000001}
    static constexpr IID kIid{0x5645534B, 0x0003, 0x4E00, {0xA0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x01}};

    // The site outlives the activation; InPlaceDeactivate ends it.
    virtual HRESULT InPlaceActivate(ControlSite* site) = 0;
    virtual HRESULT InPlaceDeactivate() = 0;
    // Draws the control into target at bounds (the container's paint).
    virtual HRESULT Paint(Bitmap& target, const ClientRect& bounds) = 0;
    // A message of the control's window (the mouse, size, erase, destroy; see
    // platform/window/WindowMessages.h). *result is the handler's answer; *passOn tells whether
    // the container's default handling should see the message too.
    virtual HRESULT WindowMessage(uint32_t message, uintptr_t wParam, intptr_t lParam, intptr_t* result,
                                  bool* passOn) = 0;
};

}  // namespace vesk
