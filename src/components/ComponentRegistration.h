// Puts the companion components into a class registry under the names the control asks for
// (ComponentNames.h): the five it creates at start-up, and WmaCodec and CdReader, which it
// creates on demand. Unregistering one of the last two makes the operations that want it do
// nothing, as on a system where it is not installed.
#pragma once

#include "platform/automation/ClassRegistry.h"

namespace vesk {

void RegisterStockComponents(ClassRegistry& registry);

}  // namespace vesk
