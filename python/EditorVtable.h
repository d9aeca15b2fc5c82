// The members of the control's interface that have no dispatch identifier (PutSampleArray,
// GetSelectionArray, ClearSystemClipboard): reachable only through the vtable, so the
// late-bound wrapper of a control exposes them through this object.
#pragma once

#include <pybind11/pybind11.h>

#include "DispatchObject.h"
#include "objects/typelib/AudioEditorInterface.h"

namespace vesk::python {

class EditorVtable {
public:
    explicit EditorVtable(ComPtr<IAudioEditor> editor) : editor_(std::move(editor)) {}

    // Adds the class EditorVtable to `module`.
    static void Bind(pybind11::module_& module);

    // The control interface of `object`, or None when it is not a control.
    static pybind11::object Query(const DispatchObject& object);

    // samples: a sequence of 16-bit sample values, channels interleaved (OverflowError for a
    // value outside -32768..32767).
    void PutSampleArray(pybind11::handle samples);
    // The selection's samples as a tuple of ints, or None when the control returns no array.
    pybind11::object GetSelectionArray();
    void ClearSystemClipboard();

private:
    ComPtr<IAudioEditor> editor_;
};

}  // namespace vesk::python
