#include "ProgressPanel.h"

#include <glibmm/main.h>

#include <algorithm>

namespace vesk::editor {

ProgressPanel::ProgressPanel(std::function<void()> cancel)
    : Gtk::Box(Gtk::Orientation::HORIZONTAL, 6), cancel_("Cancel") {
    bar_.set_show_text(true);
    bar_.set_hexpand(true);
    cancel_.signal_clicked().connect(std::move(cancel));
    append(bar_);
    append(cancel_);
    set_visible(false);
}

void ProgressPanel::Show(int percent) {
    set_visible(true);
    bar_.set_fraction(std::clamp(percent, 0, 100) / 100.0);
    auto context = Glib::MainContext::get_default();
    while (context->pending()) context->iteration(false);
}

void ProgressPanel::Finish() { set_visible(false); }

}  // namespace vesk::editor
