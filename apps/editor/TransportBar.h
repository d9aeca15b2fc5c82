// The tool bar: the transport buttons (each bound to a window action) and the level meter the
// control's Meter event drives (levels 0 for silence to 90 for full scale).
#pragma once

#include <gtkmm/box.h>
#include <gtkmm/levelbar.h>

namespace vesk::editor {

class TransportBar : public Gtk::Box {
public:
    TransportBar();

    // Levels as the Meter event gives them.
    void ShowLevels(int32_t left, int32_t right);

private:
    void AddButton(const char* icon, const char* tooltip, const char* action);

    Gtk::LevelBar left_;
    Gtk::LevelBar right_;
};

}  // namespace vesk::editor
