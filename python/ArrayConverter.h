// Sequences <-> one-dimensional SAFEARRAYs of numbers: how sound (16-bit samples) and
// parameter lists (32-bit floats) cross between Python and the control.
#pragma once

#include <pybind11/pybind11.h>

#include "platform/automation/SafeArray.h"

namespace vesk::python {

class ArrayConverter {
public:
    // True for the element types this class converts (VT_I2, VT_I4, VT_UI1, VT_R4, VT_R8, VT_BOOL).
    static bool IsNumeric(VARTYPE elementType);

    // A new array of `elementType` (IsNumeric) with the items of `sequence`, lower bound 0.
    // Raises TypeError for an item that is not a number of the kind needed and OverflowError
    // for one outside the element type's range (e.g. a 16-bit sample beyond -32768..32767).
    static SafeArrayPtr FromSequence(pybind11::handle sequence, VARTYPE elementType);

    // The elements of a numeric array as a tuple of ints (floats for VT_R4/VT_R8, bools for
    // VT_BOOL). The array stays the caller's.
    static pybind11::tuple ToTuple(SAFEARRAY* array);
};

}  // namespace vesk::python
