// Dialogs the editor creates with new and that end themselves: hidden at once, deleted once the
// signal handler that closed them has returned (never inside it).
#pragma once

#include <glibmm/main.h>
#include <gtkmm/window.h>

namespace vesk::editor {

template <class Window>
void DeleteWhenIdle(Window* window) {
    Glib::signal_idle().connect_once([window] { delete window; });
}

template <class Window>
void CloseAndDelete(Window* window) {
    window->hide();
    DeleteWhenIdle(window);
}

}  // namespace vesk::editor
