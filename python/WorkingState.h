// Puts sound into a control's document from a script while the control has no edit command
// for it yet: writes the samples into a new working file and commits it as the newest history
// state, the way an edit does (the previous state stays available to Undo).
#pragma once

#include <pybind11/pybind11.h>

#include "DispatchObject.h"

namespace vesk::python {

struct WorkingState {
    static void Bind(pybind11::module_& module);
};

}  // namespace vesk::python
