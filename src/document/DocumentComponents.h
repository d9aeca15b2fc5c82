// The companion components the document's operations use. The control creates them at start-up
// and owns them; the document only borrows them (they outlive every operation).
#pragma once

#include "components/VeskAudioFile.h"
#include "components/VeskAudioInformation.h"
#include "components/VeskAudioTransform.h"
#include "platform/automation/ClassRegistry.h"

namespace vesk {

struct DocumentComponents {
    // Creates the components made on demand: a fresh file component for one decode, the WMA
    // codec, the CD reader.
    ClassRegistry* registry = nullptr;
    IVeskAudioFile* file = nullptr;
    IVeskAudioTransform* transform = nullptr;
    // Tags and markers of files (held by the FileInfo sub-object).
    IVeskAudioInformation* information = nullptr;
};

}  // namespace vesk
