#include "EditorApplication.h"

#include <glibmm/main.h>

#include "CommandTable.h"
#include "EditorWindow.h"
#include "EffectTableText.h"

namespace vesk::editor {

Glib::RefPtr<EditorApplication> EditorApplication::Create() {
    return Glib::make_refptr_for_instance<EditorApplication>(new EditorApplication());
}

// Every run is its own instance (NON_UNIQUE): a second editor started by a script or a test
// must not hand its files to one already running.
EditorApplication::EditorApplication()
    : Gtk::Application("org.vesk.AudioEditor", Gio::Application::Flags::HANDLES_OPEN |
                                                   Gio::Application::Flags::NON_UNIQUE),
      effects_(EffectTable::Parse(EffectTableMarkdown())) {}

EditorApplication::~EditorApplication() = default;

void EditorApplication::on_startup() {
    Gtk::Application::on_startup();
    // The shortcuts that work anywhere in a window; each window's sound view holds the
    // typing keys (IsTypingKey) itself.
    for (const Command& command : Commands()) {
        std::vector<Glib::ustring> accelerators;
        for (const std::string& accelerator : command.accelerators) {
            if (!IsTypingKey(accelerator)) accelerators.emplace_back(accelerator);
        }
        if (!accelerators.empty()) set_accels_for_action("win." + command.action, accelerators);
    }
}

void EditorApplication::on_activate() { NewWindow().present(); }

void EditorApplication::on_open(const type_vec_files& files, const Glib::ustring&) {
    for (const auto& file : files) OpenInNewWindow(file->get_path());
}

void EditorApplication::OpenInNewWindow(const std::string& path) {
    EditorWindow& window = NewWindow();
    window.present();
    window.Open(path);
}

void EditorApplication::QuitAsking() {
    for (Gtk::Window* window : get_windows()) {
        if (auto* editor = dynamic_cast<EditorWindow*>(window)) editor->CloseAsking();
    }
}

EditorWindow& EditorApplication::NewWindow() {
    auto owned = std::make_unique<EditorWindow>(*this, effects_);
    EditorWindow* window = owned.get();
    windows_[window] = std::move(owned);
    add_window(*window);
    // Deleted once the hide that closes it has returned, not inside its own signal.
    window->signal_hide().connect([this, window] {
        Glib::signal_idle().connect_once([this, window] { windows_.erase(window); });
    });
    return *window;
}

}  // namespace vesk::editor
