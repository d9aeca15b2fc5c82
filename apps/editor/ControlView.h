// The control's window in a GTK window: a drawing area that is the control's site. It gives
// the control a buffer of its own size to draw into, shows that buffer, turns pointer input
// into the control's window messages and shows the pointer the control chooses.
#pragma once

#include <gtkmm/drawingarea.h>
#include <gtkmm/eventcontrollerlegacy.h>

#include <functional>

#include "MouseTranslator.h"
#include "control/EditorControl.h"

namespace vesk::editor {

class ControlView : public Gtk::DrawingArea, public ControlSite {
public:
    // Activates control in this view; afterInput runs after every message the control handled
    // (the window refreshes its status from it).
    ControlView(IUnknown* control, std::function<void()> afterInput);
    ~ControlView() override;

    Bitmap* Window() override { return window_.Empty() ? nullptr : &window_; }
    void OnViewChange() override { queue_draw(); }
    void OnWindowDrawn() override { queue_draw(); }
    void ShowPointer(const Pointer& pointer) override;
    // GTK keeps sending the pointer to the widget a button was pressed in until it is released
    // (an implicit grab), which is the capture the control asks for.
    void SetCapture(bool) override {}

private:
    void Draw(const Cairo::RefPtr<Cairo::Context>& cairo, int width, int height);
    void Resize(int width, int height);
    bool OnEvent(const Glib::RefPtr<const Gdk::Event>& event);
    bool WidgetPosition(const Gdk::Event& event, double& x, double& y);
    void Send(const WindowMessage& message);

    ComPtr<IEditorControl> control_;
    std::function<void()> afterInput_;
    Bitmap window_;
    MouseTranslator translator_;
};

}  // namespace vesk::editor
