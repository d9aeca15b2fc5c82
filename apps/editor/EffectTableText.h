// The text of docs/effects.md, built into the program so that the editor needs no data files.
#pragma once

#include <string_view>

namespace vesk::editor {

std::string_view EffectTableMarkdown();

}  // namespace vesk::editor
