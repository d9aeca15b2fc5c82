// A headless container for the control: activates it in place with an off-screen window of a
// given size, paints it, and reads or saves the painted pixels. Scripts and tests use it to see
// what the control shows.
#pragma once

#include <pybind11/pybind11.h>

#include <memory>
#include <string>

#include "DispatchObject.h"
#include "control/EditorControl.h"

namespace vesk::python {

class Container {
public:
    // com_error E_NOINTERFACE when the object is not a control.
    Container(const DispatchObject& control, int32_t width, int32_t height);
    ~Container();
    Container(const Container&) = delete;
    Container& operator=(const Container&) = delete;

    static void Bind(pybind11::module_& module);

    // Paints the control into the window with the window's bounds.
    void Paint();
    // A new window size; the next paint lays the control out again.
    void Resize(int32_t width, int32_t height);
    // 0x00RRGGBB of the last painted window at (x, y); IndexError outside it.
    uint32_t Pixel(int32_t x, int32_t y) const;
    // Writes the window as a bitmap file, or PNG when the name ends in ".png".
    void Save(const std::string& path) const;
    // Sends a window message to the control; the handler's answer.
    intptr_t SendMessage(uint32_t message, uintptr_t wParam, intptr_t lParam);
    // The name of the pointer the control shows now ("arrow", "grab", "custom", ...).
    std::string PointerName() const { return vesk::PointerName(site_.ShownPointer().shape); }
    // Whether the control holds the mouse capture.
    bool Captured() const { return site_.Captured(); }
    int32_t Width() const { return site_.Window()->Width(); }
    int32_t Height() const { return site_.Window()->Height(); }

private:
    ComPtr<IEditorControl> control_;
    // Not movable: the control keeps a plain pointer to the site while it is active.
    std::unique_ptr<HeadlessSite> siteStorage_;
    HeadlessSite& site_;
};

}  // namespace vesk::python
