// The File menu's dialogs: choosing files to open, paste or save, asking the settings of the
// format a file is saved in (the form of its SetFormat member), and keeping the desktop's list
// of recent files.
#pragma once

#include <gtkmm/filechooserdialog.h>
#include <gtkmm/window.h>

#include <functional>
#include <string>

#include "ControlCalls.h"
#include "DocumentFile.h"

namespace vesk::editor {

// What the window is doing, for the message of an Error event.
struct ErrorContext {
    std::string verb = "complete the operation on";
    std::string file;
};

class FileCommands {
public:
    // open: opens a path (the window decides whether here or in a new window).
    // changed: runs after a command changed the document or its file.
    FileCommands(Gtk::Window& window, const ControlCalls& calls, DocumentFile& file, ErrorContext& context,
                 std::function<void(const std::string&)> open, std::function<void()> changed);

    void ChooseAndOpen();
    // Opens path into this window's control.
    void Open(const std::string& path);
    // Saves to the document's file in its own format, or asks like SaveAs without one. done
    // gets whether the sound was saved.
    void Save(std::function<void(bool saved)> done = {});
    void SaveAs(bool selectionOnly, std::function<void(bool saved)> done = {});
    void ChooseAndPaste();

private:
    using Chosen = std::function<void(const std::string& path)>;
    void Choose(const std::string& title, Gtk::FileChooser::Action action, Chosen chosen);
    void AskFormatThenSave(const std::string& path, bool selectionOnly, std::function<void(bool)> done);
    bool SaveTo(const std::string& path, bool selectionOnly);
    void Remember(const std::string& path);

    Gtk::Window& window_;
    const ControlCalls& calls_;
    DocumentFile& file_;
    ErrorContext& context_;
    std::function<void(const std::string&)> open_;
    std::function<void()> changed_;
};

}  // namespace vesk::editor
