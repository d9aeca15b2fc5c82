// The editor's menu commands as data: where each sits, its shortcut and what it calls. Most
// call one automation member, with fixed arguments or with the arguments of the member's form;
// the rest (files, the view's toggles, the selection) are the window's own handlers.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace vesk::editor {

struct Command {
    enum class Kind {
        Call,     // calls member with arguments
        Form,     // asks the member's form, then calls it
        Handler,  // the window handles it itself (member names what it ends up calling, if one)
    };

    std::string action;  // the window action's name ("undo"), unique
    std::string menu;    // "File", "Edit", "View", "Transport", "Markers"
    std::string label;   // with a mnemonic
    std::vector<std::string> accelerators;  // GTK accelerator strings
    Kind kind = Kind::Call;
    std::string member;  // automation method called
    std::vector<int32_t> arguments;  // Call: the arguments in call order
    std::map<std::string, std::string> startValues;  // Form: starting values of parameters
    std::string verb;  // what the user asked, for error messages ("paste", "play")
};

// Every command in menu order; menus list their commands in this order.
const std::vector<Command>& Commands();
const Command* FindCommand(const std::string& action);
// Whether an accelerator is a key a text field takes for itself (a plain key such as space or
// Delete, or Ctrl with A, C, V, X, Y or Z): such shortcuts work only while the sound has the
// focus, so that typing a marker's label types.
bool IsTypingKey(const std::string& accelerator);
// The menus in the order of the menu bar (the effect menu, built from the effect table, comes
// after Edit).
const std::vector<std::string>& MenuNames();

}  // namespace vesk::editor
