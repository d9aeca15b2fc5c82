#include "EditorWindow.h"

#include <gdkmm/contentformats.h>
#include <giomm/simpleaction.h>
#include <gtkmm/droptarget.h>
#include <gtkmm/messagedialog.h>
#include <gtkmm/popovermenubar.h>
#include <glibmm/convert.h>
#include <glibmm/main.h>
#include <glibmm/miscutils.h>
#include <gtkmm/recentmanager.h>
#include <gtkmm/shortcutcontroller.h>

#include "EditorApplication.h"
#include "MemberDialog.h"
#include "MenuBuilder.h"
#include "StatusText.h"
#include "WindowLifetime.h"
#include "objects/typelib/TypeLibrary.h"

namespace vesk::editor {

namespace {

constexpr int kRecentFiles = 8;
constexpr int kDefaultWidth = 1180;
constexpr int kDefaultHeight = 560;
constexpr int kMarkerPanelWidth = 250;

}  // namespace

EditorWindow::EditorWindow(EditorApplication& application, const EffectTable& effects)
    : application_(application), effects_(effects), file_(calls_),
      files_(*this, calls_, file_, errorContext_, [this](const std::string& path) { OpenHere(path); },
             [this] { ScheduleRefresh(); }),
      markers_(calls_, [this] { ScheduleRefresh(); }), progress_([this] { calls_->Stop(); }) {
    set_default_size(kDefaultWidth, kDefaultHeight);
    events_ = std::make_unique<EventConnection>(
        calls_.get(), [this](AudioEditorEvent event, const std::vector<Variant>& arguments) { OnEvent(event, arguments); });
    view_ = std::make_unique<ControlView>(calls_.get(), [this] { ScheduleRefresh(); });
    ComPtr<IAudioEditorColors> colors;
    calls_->get_Colors(colors.put());
    startColours_ = ColourScheme::Read(*colors);
    handlers_ = Handlers();
    BuildLayout();
    AddActions();
    signal_close_request().connect(sigc::mem_fun(*this, &EditorWindow::OnCloseRequest), false);
    Refresh();
}

void EditorWindow::BuildLayout() {
    recent_ = Gio::Menu::create();
    RefreshRecent();
    auto* box = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL);
    box->append(*Gtk::make_managed<Gtk::PopoverMenuBar>(MenuBuilder::MenuBar(effects_, recent_)));
    box->append(transport_);
    paned_.set_start_child(*view_);
    paned_.set_end_child(markers_);
    paned_.set_resize_end_child(false);
    paned_.set_shrink_end_child(false);
    paned_.set_vexpand(true);
    paned_.set_position(kDefaultWidth - kMarkerPanelWidth);
    box->append(paned_);
    auto* bottom = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::HORIZONTAL, 12);
    bottom->set_margin(4);
    status_.set_xalign(0);
    status_.set_hexpand(true);
    status_.set_ellipsize(Pango::EllipsizeMode::END);
    bottom->append(status_);
    bottom->append(progress_);
    box->append(*bottom);
    set_child(*box);

    // A file dropped on the window opens like one chosen in the Open dialog.
    auto drop = Gtk::DropTarget::create(GDK_TYPE_FILE_LIST, Gdk::DragAction::COPY);
    drop->signal_drop().connect(
        [this](const Glib::ValueBase& value, double, double) {
            const auto* files = static_cast<GSList*>(g_value_get_boxed(value.gobj()));
            for (const GSList* item = files; item; item = item->next) {
                if (char* path = g_file_get_path(static_cast<GFile*>(item->data))) {
                    OpenHere(path);
                    g_free(path);
                }
            }
            return files != nullptr;
        },
        false);
    add_controller(drop);
    AddTypingShortcuts();
}

void EditorWindow::AddTypingShortcuts() {
    auto shortcuts = Gtk::ShortcutController::create();
    shortcuts->set_scope(Gtk::ShortcutScope::LOCAL);
    for (const Command& command : Commands()) {
        for (const std::string& accelerator : command.accelerators) {
            if (!IsTypingKey(accelerator)) continue;
            shortcuts->add_shortcut(Gtk::Shortcut::create(Gtk::ShortcutTrigger::parse_string(accelerator),
                                                          Gtk::NamedAction::create("win." + command.action)));
        }
    }
    view_->add_controller(shortcuts);
    set_focus(*view_);
}

void EditorWindow::AddActions() {
    for (const Command& command : Commands()) {
        add_action(command.action, [this, &command] { Run(command); });
    }
    add_action_with_parameter("effect", Glib::VARIANT_TYPE_STRING, [this](const Glib::VariantBase& parameter) {
        ApplyEffect(Glib::VariantBase::cast_dynamic<Glib::Variant<Glib::ustring>>(parameter).get());
    });
    add_action_with_parameter("open-recent", Glib::VARIANT_TYPE_STRING, [this](const Glib::VariantBase& parameter) {
        OpenHere(Glib::VariantBase::cast_dynamic<Glib::Variant<Glib::ustring>>(parameter).get());
    });
}

void EditorWindow::Run(const Command& command) {
    switch (command.kind) {
        case Command::Kind::Call: {
            std::vector<Variant> arguments;
            for (int32_t value : command.arguments) arguments.push_back(Variant::I4(value));
            Call(command.member, arguments, command.verb);
            if (command.member == "Record") file_.Recorded();
            break;
        }
        case Command::Kind::Form:
            // One window per document: a new sound beside an open one gets a window of its own.
            if (command.member == "New" && HasDocument()) return application_.NewWindow().AskNew();
            AskForm(command.member, command.startValues, command.verb, command.label);
            break;
        case Command::Kind::Handler:
            if (auto handler = handlers_.find(command.action); handler != handlers_.end()) handler->second();
            break;
    }
}

std::map<std::string, std::function<void()>> EditorWindow::Handlers() {
    return {
        {"open", [this] { files_.ChooseAndOpen(); }},
        {"save", [this] { files_.Save(); }},
        {"save-as", [this] { files_.SaveAs(false); }},
        {"save-selection", [this] { files_.SaveAs(true); }},
        {"close", [this] { CloseAsking(); }},
        {"quit", [this] { application_.QuitAsking(); }},
        {"paste-file", [this] { files_.ChooseAndPaste(); }},
        {"select-all", [this] { SelectAll(); }},
        {"view-waveform", [this] { calls_->put_TypeView(0); }},
        {"view-spectral", [this] { calls_->put_TypeView(1); }},
        {"toggle-scales", [this] { ToggleScales(); }},
        {"colours-dark", [this] { UseColours(true); }},
        {"colours-light", [this] { UseColours(false); }},
        {"pause", [this] { TogglePause(); }},
        {"marker-add", [this] { AddMarker(); }},
        {"marker-panel", [this] { markers_.set_visible(!markers_.get_visible()); }},
    };
}

void EditorWindow::Call(const std::string& member, const std::vector<Variant>& arguments, const std::string& verb) {
    errorContext_ = {verb, file_.Path()};
    calls_.Call(member, arguments);
    if (member == "New") {
        file_.MatchesFile("");
        markers_.Refresh();
    }
    ScheduleRefresh();
}

void EditorWindow::AskNew() {
    present();
    Run(*FindCommand("new"));
}

void EditorWindow::AskForm(const std::string& member, const std::map<std::string, std::string>& startValues,
                           const std::string& verb, const std::string& title) {
    const MemberInfo* method = EditorMethod(member);
    if (!method) return;
    const DocumentSnapshot document = calls_.Snapshot();
    std::map<std::string, std::string> values = startValues;
    if (member == "ConvertSampleType") {
        values = {{"Frequency", std::to_string(document.sampleRateHz)}, {"Channels", std::to_string(document.channels)}};
    }
    std::string plainTitle;
    for (char c : title) {
        if (c != '_') plainTitle += c;
    }
    MemberForm form = MemberForm::For(*method, effects_.Find(member), VeskTypeLibrary(), document.sampleRateHz, values);
    if (form.fields.empty()) return Call(member, {}, verb);
    MemberDialog::Ask(*this, plainTitle, std::move(form), [this, member, verb](const std::vector<Variant>& arguments) {
        Call(member, arguments, verb);
    });
}

void EditorWindow::ApplyEffect(const std::string& member) {
    AskForm(member, {}, "apply " + member + " to", member);
}

void EditorWindow::OnEvent(AudioEditorEvent event, const std::vector<Variant>& arguments) {
    auto argument = [&arguments](size_t index) { return index < arguments.size() ? arguments[index].ToInt() : 0; };
    switch (event) {
        case kError: ShowError(argument(0)); break;
        case kMeter: transport_.ShowLevels(argument(0), argument(1)); break;
        case kBlockOperation: progress_.Show(argument(0)); break;
        case kEndOperation:
            progress_.Finish();
            markers_.Refresh();
            break;
        case kNewMarker:
        case kChangeMarker: markers_.Refresh(); break;
        case kEndPlay: transport_.ShowLevels(0, 0); break;
        default: break;
    }
    ScheduleRefresh();
}

void EditorWindow::ShowError(int32_t code) {
    auto* dialog = new Gtk::MessageDialog(*this, ErrorMessage(code, errorContext_.verb, errorContext_.file), false,
                                          Gtk::MessageType::ERROR, Gtk::ButtonsType::OK, true);
    if (!errorContext_.file.empty()) dialog->set_secondary_text(errorContext_.file);
    dialog->signal_response().connect([dialog](int) {
        CloseAndDelete(dialog);
    });
    dialog->show();
}

void EditorWindow::ScheduleRefresh() {
    if (closing_ || refresh_.connected()) return;
    refresh_ = Glib::signal_idle().connect([this] {
        Refresh();
        return false;  // once
    });
}

void EditorWindow::Refresh() {
    const DocumentSnapshot document = calls_.Snapshot();
    status_.set_text(StatusLine(document));
    set_title(WindowTitle(file_.Path(), document.open && file_.Changed()));
    VARIANT_BOOL undo = VARIANT_FALSE, redo = VARIANT_FALSE;
    calls_->get_UndoEnabled(&undo);
    calls_->get_RedoEnabled(&redo);
    auto enable = [this](const char* action, bool enabled) {
        if (auto simple = std::dynamic_pointer_cast<Gio::SimpleAction>(lookup_action(action))) simple->set_enabled(enabled);
    };
    enable("undo", undo != VARIANT_FALSE);
    enable("redo", redo != VARIANT_FALSE);
    for (const char* action : {"save", "save-as", "play", "play-looped", "select-all", "marker-add"}) {
        enable(action, document.open);
    }
    // The control leaves these alone without a selection: say so by greying them.
    for (const char* action : {"save-selection", "effect", "cut", "copy", "delete", "copy-clipboard", "zoom-in"}) {
        enable(action, document.open && document.selected);
    }
}

void EditorWindow::RefreshRecent() {
    recent_->remove_all();
    int listed = 0;
    for (const auto& info : Gtk::RecentManager::get_default()->get_items()) {
        if (listed == kRecentFiles) break;
        if (!info->is_local() || info->get_mime_type().find("audio") == std::string::npos) continue;
        const std::string path = Glib::filename_from_uri(info->get_uri());
        auto item = Gio::MenuItem::create(info->get_display_name(), "");
        item->set_action_and_target("win.open-recent", Glib::Variant<Glib::ustring>::create(path));
        recent_->append_item(item);
        ++listed;
    }
}

void EditorWindow::OpenHere(const std::string& path) {
    if (HasDocument()) {
        application_.OpenInNewWindow(path);
    } else {
        files_.Open(path);
        markers_.Refresh();
        RefreshRecent();
    }
}

void EditorWindow::SelectAll() {
    ComPtr<IAudioEditorPosition> position = calls_.Position();
    int32_t total = 0;
    position->get_TotalSamples(&total);
    // Selected first: without a selection a start only moves the cursor.
    position->put_Selected(VARIANT_TRUE);
    position->put_StartSelect(0);
    position->put_EndSelect(total);
    ScheduleRefresh();
}

void EditorWindow::TogglePause() {
    errorContext_ = {"pause", file_.Path()};
    if (calls_.Status() == 5) {
        calls_->Continue();
    } else {
        calls_->Pause();
    }
    ScheduleRefresh();
}

void EditorWindow::AddMarker() {
    const DocumentSnapshot document = calls_.Snapshot();
    if (!document.open) return;
    const int32_t start = document.selected ? document.selectionStartFrame : document.cursorFrame;
    const int32_t length = document.selected ? document.selectionEndFrame - document.selectionStartFrame : 0;
    ComPtr<IAudioEditorMarkers> markers = calls_.Markers();
    int32_t count = 0;
    markers->get_Count(&count);
    const Bstr label("Marker " + std::to_string(count + 1)), none("");
    markers->Insert(start, length, label.get(), none.get(), none.get(), 0, 0, 0, 0);
    markers_.Refresh();
    ScheduleRefresh();
}

void EditorWindow::ToggleScales() {
    ComPtr<IAudioEditorScale> time, amplitude;
    calls_->get_ScaleX(time.put());
    calls_->get_ScaleY(amplitude.put());
    VARIANT_BOOL visible = VARIANT_FALSE;
    time->get_Visible(&visible);
    const VARIANT_BOOL next = visible ? VARIANT_FALSE : VARIANT_TRUE;
    time->put_Visible(next);
    amplitude->put_Visible(next);
    calls_->Refresh();
}

void EditorWindow::UseColours(bool dark) {
    ComPtr<IAudioEditorColors> colors;
    calls_->get_Colors(colors.put());
    (dark ? startColours_ : ColourScheme::Light()).Apply(*colors);
    calls_->Refresh();
}

void EditorWindow::CloseAsking() { close(); }

bool EditorWindow::OnCloseRequest() {
    // While the progress shows, this window is inside a call of the control (the progress lets
    // the main loop run): cancel the operation and stay until it has returned.
    if (progress_.get_visible()) {
        calls_->Stop();
        return true;
    }
    if (closeConfirmed_ || !HasDocument() || !file_.Changed()) {
        // GTK takes the window apart once this returns; the object itself goes when idle.
        calls_->Stop();
        closing_ = true;
        events_.reset();
        refresh_.disconnect();
        markers_.Detach();
        return false;
    }
    const std::string name = file_.Path().empty() ? "Untitled" : Glib::path_get_basename(file_.Path());
    auto* dialog = new Gtk::MessageDialog(*this, "Save the changes to \u201c" + name + "\u201d before closing?", false,
                                          Gtk::MessageType::QUESTION, Gtk::ButtonsType::NONE, true);
    dialog->set_secondary_text("Without saving, the changes are lost.");
    dialog->add_button("Close _without Saving", Gtk::ResponseType::REJECT);
    dialog->add_button("_Cancel", Gtk::ResponseType::CANCEL);
    dialog->add_button("_Save", Gtk::ResponseType::ACCEPT);
    dialog->set_default_response(Gtk::ResponseType::ACCEPT);
    dialog->signal_response().connect([this, dialog](int response) {
        CloseAndDelete(dialog);
        if (response == Gtk::ResponseType::REJECT) {
            closeConfirmed_ = true;
            close();
        } else if (response == Gtk::ResponseType::ACCEPT) {
            files_.Save([this](bool saved) {
                if (saved) close();
            });
        }
    });
    dialog->show();
    return true;
}

}  // namespace vesk::editor
