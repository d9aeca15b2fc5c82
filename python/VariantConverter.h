// VARIANT <-> Python values, in the conventions scripts know from the usual automation
// bindings: integers, floats, bools, str, None for "nothing", tuples for arrays and
// PyIDispatch objects for dispatch pointers.
#pragma once

#include <pybind11/pybind11.h>

#include "platform/automation/Variant.h"

namespace vesk::python {

class VariantConverter {
public:
    // The Python value of v (not consumed). VT_EMPTY, VT_NULL, a null array or a null
    // dispatch pointer give None; VT_BYREF is read through.
    static pybind11::object ToPython(const VARIANT& v);

    // A VARIANT for `value`: bool -> VT_BOOL, int -> VT_I4 (VT_UI4 / VT_I8 when it does not
    // fit), float -> VT_R8, str -> VT_BSTR, None -> VT_EMPTY, a PyIDispatch or an object with
    // _oleobj_ -> VT_DISPATCH, any other sequence -> SAFEARRAY. `hint` is the type the callee
    // declares for the argument (VT_EMPTY when unknown); it picks a sequence's element type
    // (VT_ARRAY | VT_I2 or VT_R4 from the type info, VT_VARIANT otherwise).
    // Raises TypeError for values with no automation form, OverflowError for out-of-range ints.
    static Variant FromPython(pybind11::handle value, VARTYPE hint = VT_EMPTY);

private:
    static pybind11::object ArrayToPython(SAFEARRAY* array);
    static Variant SequenceToVariant(pybind11::handle sequence, VARTYPE hint);
    static Variant IntToVariant(pybind11::handle value);
};

}  // namespace vesk::python
