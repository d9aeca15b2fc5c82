// The application: one window per document, the shortcuts of the commands, opening the files
// named on the command line, and quitting after every window agreed to close.
#pragma once

#include <gtkmm/application.h>

#include <map>
#include <memory>

#include "EffectTable.h"

namespace vesk::editor {

class EditorWindow;

class EditorApplication : public Gtk::Application {
public:
    static Glib::RefPtr<EditorApplication> Create();
    ~EditorApplication() override;

    void OpenInNewWindow(const std::string& path);
    EditorWindow& NewWindow();
    // Asks every window with a changed document; quits when all are closed.
    void QuitAsking();

protected:
    EditorApplication();
    void on_startup() override;
    void on_activate() override;
    void on_open(const type_vec_files& files, const Glib::ustring& hint) override;

private:
    EffectTable effects_;
    // The open windows; a closed one is dropped once its closing has returned, the rest when
    // the application ends.
    std::map<EditorWindow*, std::unique_ptr<EditorWindow>> windows_;
};

}  // namespace vesk::editor
