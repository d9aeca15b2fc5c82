// A set of the view's main colours (0x00BBGGRR, as the Colors object takes them): the one the
// control starts with, read back from it, and a light one for bright rooms and printouts.
#pragma once

#include "objects/typelib/SubObjectInterfaces.h"

namespace vesk::editor {

struct ColourScheme {
    OLE_COLOR background = 0;
    OLE_COLOR waveform = 0;
    OLE_COLOR selectBackground = 0;
    OLE_COLOR selectWaveform = 0;
    OLE_COLOR centerLine = 0;
    OLE_COLOR selectCenterLine = 0;
    OLE_COLOR scales = 0;
    OLE_COLOR font = 0;
    OLE_COLOR grid = 0;

    static ColourScheme Read(IAudioEditorColors& colors);
    static ColourScheme Light();
    void Apply(IAudioEditorColors& colors) const;
    bool operator==(const ColourScheme&) const = default;
};

}  // namespace vesk::editor
