// A dialog for one member form: a labelled input per field (spin button, drop-down, check box
// or text entry), OK and Cancel. OK calls back with the call's arguments; a field that holds
// no valid value keeps the dialog open and says which.
#pragma once

#include <gtkmm/dialog.h>
#include <gtkmm/grid.h>
#include <gtkmm/label.h>

#include <functional>
#include <memory>
#include <vector>

#include "MemberForm.h"

namespace vesk::editor {

class MemberDialog : public Gtk::Dialog {
public:
    using Accept = std::function<void(const std::vector<Variant>& arguments)>;

    // Shows the dialog (modal to parent); it deletes itself when closed.
    static void Ask(Gtk::Window& parent, const std::string& title, MemberForm form, Accept accept);

private:
    MemberDialog(Gtk::Window& parent, const std::string& title, MemberForm form, Accept accept);
    void AddField(const FormField& field, int row);
    void OnResponse(int response);

    MemberForm form_;
    Accept accept_;
    std::vector<std::function<std::string()>> readers_;  // the text of each field's widget
    Gtk::Grid grid_;
    Gtk::Label problem_;
};

}  // namespace vesk::editor
