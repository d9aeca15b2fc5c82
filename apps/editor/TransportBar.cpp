#include "TransportBar.h"

#include <gtkmm/button.h>

#include <algorithm>

namespace vesk::editor {

namespace {

constexpr double kFullScaleLevel = 90;

}  // namespace

TransportBar::TransportBar() : Gtk::Box(Gtk::Orientation::HORIZONTAL, 2) {
    set_margin(4);
    AddButton("media-playback-start-symbolic", "Play (Space)", "win.play");
    AddButton("media-playlist-repeat-symbolic", "Play looped (Shift+Space)", "win.play-looped");
    AddButton("media-playback-pause-symbolic", "Pause or continue", "win.pause");
    AddButton("media-playback-stop-symbolic", "Stop (Esc)", "win.stop");
    AddButton("media-record-symbolic", "Record over the sound (Ctrl+R)", "win.record");
    auto* meters = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL, 2);
    for (Gtk::LevelBar* bar : {&left_, &right_}) {
        bar->set_min_value(0);
        bar->set_max_value(kFullScaleLevel);
        bar->set_size_request(200, 6);
        meters->append(*bar);
    }
    meters->set_valign(Gtk::Align::CENTER);
    meters->set_margin_start(12);
    meters->set_tooltip_text("Level of the sound playing or recorded (left above right)");
    append(*meters);
}

void TransportBar::AddButton(const char* icon, const char* tooltip, const char* action) {
    auto* button = Gtk::make_managed<Gtk::Button>();
    button->set_icon_name(icon);
    button->set_tooltip_text(tooltip);
    button->set_action_name(action);
    // Space is the play shortcut: a focused button would take it for a click.
    button->set_focusable(false);
    append(*button);
}

void TransportBar::ShowLevels(int32_t left, int32_t right) {
    left_.set_value(std::clamp<double>(left, 0, kFullScaleLevel));
    right_.set_value(std::clamp<double>(right, 0, kFullScaleLevel));
}

}  // namespace vesk::editor
