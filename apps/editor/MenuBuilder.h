// Builds the menu bar's model from the command table and the effect table: one submenu per
// menu, effects grouped by the section of the table that lists them, and the recent files.
#pragma once

#include <giomm/menu.h>

#include "EffectTable.h"

namespace vesk::editor {

class MenuBuilder {
public:
    // recent: the submenu the window fills with its recent files (kept by the caller).
    static Glib::RefPtr<Gio::Menu> MenuBar(const EffectTable& effects, const Glib::RefPtr<Gio::Menu>& recent);

private:
    static Glib::RefPtr<Gio::Menu> CommandMenu(const std::string& menu);
    static Glib::RefPtr<Gio::Menu> EffectMenu(const EffectTable& effects);
};

}  // namespace vesk::editor
