// Registers the control's classes by name: the control under its two ProgIDs, the sub-object
// classes it creates at start-up, and the stock companion components.
#pragma once

#include "platform/automation/ClassRegistry.h"

namespace vesk {

void RegisterAudioEditorClasses(ClassRegistry& registry);

}  // namespace vesk
