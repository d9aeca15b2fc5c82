// One document's window: the control filling it, the menu bar, the transport bar, the marker
// panel and the status bar. The window wires menus and dialogs to the control's members and
// shows what its events report; everything about the sound is the control's.
#pragma once

#include <giomm/menu.h>
#include <gtkmm/applicationwindow.h>
#include <gtkmm/box.h>
#include <gtkmm/label.h>
#include <gtkmm/paned.h>

#include <functional>
#include <map>
#include <memory>

#include "ColourScheme.h"
#include "CommandTable.h"
#include "ControlCalls.h"
#include "ControlEventSink.h"
#include "ControlView.h"
#include "DocumentFile.h"
#include "EffectTable.h"
#include "FileCommands.h"
#include "MarkerPanel.h"
#include "ProgressPanel.h"
#include "TransportBar.h"

namespace vesk::editor {

class EditorApplication;

class EditorWindow : public Gtk::ApplicationWindow {
public:
    EditorWindow(EditorApplication& application, const EffectTable& effects);
    ~EditorWindow() override { refresh_.disconnect(); }

    // Opens path into this window.
    void Open(const std::string& path) { files_.Open(path); }
    bool HasDocument() const { return calls_.Snapshot().open; }
    // Asks for the format of a new sound (File > New) in this window.
    void AskNew();
    // Closes after asking to save a changed document; done(true) once closed.
    void CloseAsking();

private:
    void BuildLayout();
    void AddActions();
    // The typing keys (IsTypingKey) of the commands, answered while the sound has the focus.
    void AddTypingShortcuts();
    void Run(const Command& command);
    void Call(const std::string& member, const std::vector<Variant>& arguments, const std::string& verb);
    void AskForm(const std::string& member, const std::map<std::string, std::string>& startValues,
                 const std::string& verb, const std::string& title);
    void ApplyEffect(const std::string& member);
    std::map<std::string, std::function<void()>> Handlers();

    void OnEvent(AudioEditorEvent event, const std::vector<Variant>& arguments);
    void ShowError(int32_t code);
    // Status bar, title, enabled commands: refreshed once the main loop is idle again.
    void ScheduleRefresh();
    void Refresh();
    void RefreshRecent();

    void SelectAll();
    void TogglePause();
    void AddMarker();
    void ToggleScales();
    void UseColours(bool dark);
    void OpenHere(const std::string& path);
    bool OnCloseRequest();

    EditorApplication& application_;
    const EffectTable& effects_;
    ControlCalls calls_;
    DocumentFile file_;
    ErrorContext errorContext_;
    FileCommands files_;
    std::unique_ptr<ControlView> view_;
    std::unique_ptr<EventConnection> events_;
    MarkerPanel markers_;
    TransportBar transport_;
    ProgressPanel progress_;
    Gtk::Paned paned_;
    Gtk::Label status_;
    ColourScheme startColours_;
    Glib::RefPtr<Gio::Menu> recent_;
    std::map<std::string, std::function<void()>> handlers_;  // of the Handler commands, by action
    sigc::connection refresh_;  // the pending refresh, if any (disconnected when the window goes)
    bool closing_ = false;      // the window is going: nothing is scheduled on it any more
    bool closeConfirmed_ = false;
};

}  // namespace vesk::editor
