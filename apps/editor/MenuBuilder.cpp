#include "MenuBuilder.h"

#include "CommandTable.h"

namespace vesk::editor {

Glib::RefPtr<Gio::Menu> MenuBuilder::MenuBar(const EffectTable& effects, const Glib::RefPtr<Gio::Menu>& recent) {
    auto bar = Gio::Menu::create();
    for (const std::string& name : MenuNames()) {
        auto menu = name == "Effects" ? EffectMenu(effects) : CommandMenu(name);
        if (name == "File") menu->insert_submenu(2, "Open _Recent", recent);
        bar->append_submenu("_" + name, menu);
    }
    return bar;
}

Glib::RefPtr<Gio::Menu> MenuBuilder::CommandMenu(const std::string& menu) {
    auto model = Gio::Menu::create();
    for (const Command& command : Commands()) {
        if (command.menu != menu) continue;
        auto item = Gio::MenuItem::create(command.label, "win." + command.action);
        // Shown also for the keys only the sound view answers (they are no window accelerators).
        if (!command.accelerators.empty()) {
            item->set_attribute_value("accel", Glib::Variant<Glib::ustring>::create(command.accelerators.front()));
        }
        model->append_item(item);
    }
    return model;
}

Glib::RefPtr<Gio::Menu> MenuBuilder::EffectMenu(const EffectTable& effects) {
    auto model = Gio::Menu::create();
    Glib::RefPtr<Gio::Menu> section;
    std::string sectionName;
    for (const Effect& effect : effects.Effects()) {
        if (!section || effect.section != sectionName) {
            section = Gio::Menu::create();
            sectionName = effect.section;
            model->append_submenu(sectionName, section);
        }
        const std::string label = effect.member + (effect.parameters.empty() ? "" : "\u2026");
        section->append(label, "win.effect::" + effect.member);
    }
    // The commands the table places in this menu (sample type conversion).
    auto commands = CommandMenu("Effects");
    model->append_section(commands);
    return model;
}

}  // namespace vesk::editor
