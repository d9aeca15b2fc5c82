// Puts the companion components that the control creates at start-up into a class registry,
// under the names the control asks for (ComponentNames.h). WmaCodec and CdReader are not
// registered: without them the operations that want them do nothing, as on a system where
// they are not installed.
#pragma once

#include "platform/automation/ClassRegistry.h"

namespace vesk {

void RegisterStockComponents(ClassRegistry& registry);

}  // namespace vesk
