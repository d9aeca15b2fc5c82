#include "MarkerPanel.h"

#include <glibmm/main.h>
#include <gtkmm/button.h>
#include <gtkmm/entry.h>
#include <gtkmm/eventcontrollerfocus.h>
#include <gtkmm/gestureclick.h>
#include <gtkmm/label.h>

namespace vesk::editor {

namespace {

// An entry that stores its text through put when it is confirmed or left.
Gtk::Entry* EditableText(const std::string& text, const std::string& placeholder,
                         std::function<void(const std::string&)> put) {
    auto* entry = Gtk::make_managed<Gtk::Entry>();
    entry->set_text(text);
    entry->set_placeholder_text(placeholder);
    entry->set_width_chars(8);
    auto store = [entry, put] { put(entry->get_text()); };
    entry->signal_activate().connect(store);
    auto focus = Gtk::EventControllerFocus::create();
    focus->signal_leave().connect(store);
    entry->add_controller(focus);
    return entry;
}

}  // namespace

MarkerPanel::MarkerPanel(const ControlCalls& calls, std::function<void()> changed)
    : Gtk::Box(Gtk::Orientation::VERTICAL, 4), calls_(calls), changed_(std::move(changed)) {
    auto* title = Gtk::make_managed<Gtk::Label>("Markers");
    title->set_xalign(0);
    title->set_margin(4);
    append(*title);
    scroller_.set_child(list_);
    scroller_.set_vexpand(true);
    scroller_.set_size_request(200, -1);
    append(scroller_);
}

ComPtr<IAudioEditorMarkers> MarkerPanel::Select(int32_t number) const {
    ComPtr<IAudioEditorMarkers> markers = calls_.Markers();
    if (markers) markers->put_Num(number);
    return markers;
}

void MarkerPanel::Refresh() {
    if (rebuild_.connected()) return;
    rebuild_ = Glib::signal_idle().connect([this] {
        Rebuild();
        return false;  // once
    });
}

void MarkerPanel::Rebuild() {
    while (Gtk::Widget* row = list_.get_row_at_index(0)) list_.remove(*row);
    ComPtr<IAudioEditorMarkers> markers = calls_.Markers();
    int32_t count = 0;
    if (markers) markers->get_Count(&count);
    for (int32_t number = 1; number <= count; ++number) list_.append(*MakeRow(number));
}

Gtk::Widget* MarkerPanel::MakeRow(int32_t number) {
    ComPtr<IAudioEditorMarkers> markers = Select(number);
    int32_t position = 0;
    markers->get_Position(&position);
    Bstr label, note;
    markers->get_Label(label.put());
    markers->get_Note(note.put());
    const int32_t rate = calls_.Snapshot().sampleRateHz;

    auto* row = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::HORIZONTAL, 4);
    row->set_margin(2);
    auto* time = Gtk::make_managed<Gtk::Label>(FormatTime(rate > 0 ? int64_t{position} * 1000 / rate : 0));
    row->append(*time);
    auto* texts = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL, 2);
    texts->set_hexpand(true);
    texts->append(*EditableText(label.utf8(), "label", [this, number](const std::string& text) {
        Select(number)->put_Label(Bstr(text).get());
    }));
    texts->append(*EditableText(note.utf8(), "note", [this, number](const std::string& text) {
        Select(number)->put_Note(Bstr(text).get());
    }));
    row->append(*texts);
    auto* remove = Gtk::make_managed<Gtk::Button>();
    remove->set_icon_name("edit-delete-symbolic");
    remove->set_valign(Gtk::Align::CENTER);
    remove->set_tooltip_text("Delete the marker");
    remove->signal_clicked().connect([this, number] {
        Select(number)->Delete();
        changed_();
        Refresh();
    });
    row->append(*remove);

    auto click = Gtk::GestureClick::create();
    click->signal_pressed().connect([this, number](int presses, double, double) {
        if (presses != 2) return;
        calls_.Position()->GoToMarker(number);
        changed_();
    });
    row->add_controller(click);
    return row;
}

}  // namespace vesk::editor
