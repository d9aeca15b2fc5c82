// The progress of a long operation (the control's BlockOperation event) with a Cancel button;
// hidden while nothing runs.
#pragma once

#include <gtkmm/box.h>
#include <gtkmm/button.h>
#include <gtkmm/progressbar.h>

#include <functional>

namespace vesk::editor {

class ProgressPanel : public Gtk::Box {
public:
    // cancel: what the Cancel button does (the window stops the control).
    explicit ProgressPanel(std::function<void()> cancel);

    // Shows percent done and lets the main loop draw it and see a click on Cancel: the
    // control works inside the call that fires the event, so nothing else would run meanwhile.
    void Show(int percent);
    void Finish();

private:
    Gtk::ProgressBar bar_;
    Gtk::Button cancel_;
};

}  // namespace vesk::editor
