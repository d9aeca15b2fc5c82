#include "MemberDialog.h"

#include "WindowLifetime.h"

#include <glibmm/main.h>
#include <gtkmm/adjustment.h>
#include <gtkmm/button.h>
#include <gtkmm/checkbutton.h>
#include <gtkmm/dropdown.h>
#include <gtkmm/entry.h>
#include <gtkmm/filechooserdialog.h>
#include <gtkmm/spinbutton.h>
#include <gtkmm/stringlist.h>

#include <cmath>
#include <cstdio>

namespace vesk::editor {

namespace {

Gtk::Widget* NumberInput(const FormField& field, std::function<std::string()>& reader) {
    const bool whole = field.kind == FormField::Kind::WholeNumber;
    const double step = whole ? 1 : std::max((field.maximum - field.minimum) / 1000, 0.001);
    auto* spin = Gtk::make_managed<Gtk::SpinButton>(Gtk::Adjustment::create(0, field.minimum, field.maximum, step, step * 10),
                                                    step, whole ? 0 : 4);
    auto initial = ParseNumberList(field.initial);
    spin->set_value(initial && initial->size() == 1 ? initial->front() : field.minimum);
    reader = [spin] {
        spin->update();
        return NumberText(spin->get_value());
    };
    return spin;
}

Gtk::Widget* ChoiceInput(const FormField& field, std::function<std::string()>& reader) {
    std::vector<Glib::ustring> labels;
    for (const auto& choice : field.choices) labels.emplace_back(choice.first);
    auto* dropDown = Gtk::make_managed<Gtk::DropDown>(Gtk::StringList::create(labels));
    auto initial = ParseNumberList(field.initial);
    for (size_t i = 0; i < field.choices.size(); ++i) {
        if (initial && initial->size() == 1 && field.choices[i].second == initial->front()) dropDown->set_selected(i);
    }
    reader = [dropDown, &field] {
        const auto index = dropDown->get_selected();
        return index < field.choices.size() ? NumberText(field.choices[index].second) : std::string();
    };
    return dropDown;
}

Gtk::Widget* FlagInput(const FormField& field, std::function<std::string()>& reader) {
    auto* check = Gtk::make_managed<Gtk::CheckButton>();
    check->set_active(field.initial == "1");
    reader = [check] { return std::string(check->get_active() ? "1" : "0"); };
    return check;
}

Gtk::Widget* TextInput(Gtk::Window& dialog, const FormField& field, std::function<std::string()>& reader) {
    auto* entry = Gtk::make_managed<Gtk::Entry>();
    entry->set_text(field.initial);
    entry->set_activates_default(true);
    entry->set_hexpand(true);
    reader = [entry] { return std::string(entry->get_text()); };
    if (field.kind != FormField::Kind::Text) return entry;
    // A text parameter of a member is a file name: offer a chooser beside the entry.
    auto* box = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::HORIZONTAL, 4);
    auto* choose = Gtk::make_managed<Gtk::Button>("Choose\u2026");
    choose->signal_clicked().connect([&dialog, entry] {
        auto* chooser = new Gtk::FileChooserDialog(dialog, "Choose a file", Gtk::FileChooser::Action::OPEN, true);
        chooser->add_button("_Cancel", Gtk::ResponseType::CANCEL);
        chooser->add_button("_Open", Gtk::ResponseType::ACCEPT);
        chooser->signal_response().connect([chooser, entry](int response) {
            if (response == Gtk::ResponseType::ACCEPT && chooser->get_file()) entry->set_text(chooser->get_file()->get_path());
            delete chooser;
        });
        chooser->show();
    });
    box->append(*entry);
    box->append(*choose);
    return box;
}

}  // namespace

void MemberDialog::Ask(Gtk::Window& parent, const std::string& title, MemberForm form, Accept accept) {
    auto* dialog = new MemberDialog(parent, title, std::move(form), std::move(accept));
    dialog->show();
}

MemberDialog::MemberDialog(Gtk::Window& parent, const std::string& title, MemberForm form, Accept accept)
    : Gtk::Dialog(title, parent, true), form_(std::move(form)), accept_(std::move(accept)) {
    grid_.set_row_spacing(6);
    grid_.set_column_spacing(12);
    grid_.set_margin(12);
    for (size_t i = 0; i < form_.fields.size(); ++i) AddField(form_.fields[i], static_cast<int>(i));
    get_content_area()->append(grid_);
    get_content_area()->append(problem_);
    add_button("_Cancel", Gtk::ResponseType::CANCEL);
    auto* ok = add_button("_OK", Gtk::ResponseType::OK);
    set_default_response(Gtk::ResponseType::OK);
    signal_response().connect(sigc::mem_fun(*this, &MemberDialog::OnResponse));
    // Enter confirms at once, whatever kind the first field is.
    signal_show().connect([ok] { ok->grab_focus(); });
}

void MemberDialog::AddField(const FormField& field, int row) {
    std::function<std::string()> reader;
    Gtk::Widget* input = nullptr;
    switch (field.kind) {
        case FormField::Kind::Number:
        case FormField::Kind::WholeNumber: input = NumberInput(field, reader); break;
        case FormField::Kind::Choice: input = ChoiceInput(field, reader); break;
        case FormField::Kind::Flag: input = FlagInput(field, reader); break;
        default: input = TextInput(*this, field, reader); break;
    }
    auto* label = Gtk::make_managed<Gtk::Label>(field.label);
    label->set_xalign(0);
    label->set_tooltip_text(field.tooltip);
    input->set_tooltip_text(field.tooltip);
    grid_.attach(*label, 0, row);
    grid_.attach(*input, 1, row);
    readers_.push_back(std::move(reader));
}

void MemberDialog::OnResponse(int response) {
    if (response == Gtk::ResponseType::OK) {
        std::vector<std::string> texts;
        for (auto& read : readers_) texts.push_back(read());
        std::string invalid;
        auto arguments = form_.Arguments(texts, &invalid);
        if (!arguments) {
            problem_.set_text(invalid + " needs a value (numbers separated by commas for a list).");
            return;
        }
        hide();
        accept_(*arguments);
    }
    // Deleting inside the response handler is what a self-owned dialog does last.
    DeleteWhenIdle(this);
}

}  // namespace vesk::editor
