// The side panel of the markers: one row per marker with its time, label and note. A
// double-click on a row goes to the marker, the label and note are edited in place (Enter or
// leaving the field stores them) and a button deletes the marker.
#pragma once

#include <gtkmm/box.h>
#include <gtkmm/listbox.h>
#include <gtkmm/scrolledwindow.h>

#include <functional>

#include "ControlCalls.h"

namespace vesk::editor {

class MarkerPanel : public Gtk::Box {
public:
    // changed: runs after the panel changed the document (to refresh the window).
    MarkerPanel(const ControlCalls& calls, std::function<void()> changed);
    ~MarkerPanel() override { rebuild_.disconnect(); }

    // Reads the markers again (after an edit, an open, a marker event) once the main loop is
    // idle: the request may come from inside a row's own handler, which must not be destroyed
    // under it.
    void Refresh();

    // No more rebuilding: the window is closing and its widgets go away with it.
    void Detach() { rebuild_.disconnect(); }

private:
    void Rebuild();
    Gtk::Widget* MakeRow(int32_t number);
    // Selects marker number (1-based) as the current one of the Markers object.
    ComPtr<IAudioEditorMarkers> Select(int32_t number) const;

    const ControlCalls& calls_;
    std::function<void()> changed_;
    Gtk::ScrolledWindow scroller_;
    Gtk::ListBox list_;
    sigc::connection rebuild_;  // the pending rebuild, if any
};

}  // namespace vesk::editor
