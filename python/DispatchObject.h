// PyIDispatch: one reference to an automation object, with the dispatch-identifier level calls
// of the usual Python automation bindings (GetIDsOfNames, Invoke) and its type information.
// The late-bound wrapper of the package (CDispatch) is built on it.
#pragma once

#include <pybind11/pybind11.h>

#include <vector>

#include "platform/automation/Dispatch.h"
#include "platform/automation/TypeInfo.h"

namespace vesk::python {

class DispatchObject {
public:
    // Holds a reference to `object` (not null).
    explicit DispatchObject(ComPtr<IDispatch> object);

    // Adds the class PyIDispatch to `module`.
    static void Bind(pybind11::module_& module);

    IDispatch* get() const { return object_.get(); }

    // GetIDsOfNames(name) -> dispid; GetIDsOfNames(member, param, ...) -> tuple of ids (the
    // parameters' ids are their positions). com_error DISP_E_UNKNOWNNAME for an unknown name.
    pybind11::object GetIDsOfNames(const pybind11::args& names) const;

    // Invoke(dispid, lcid, flags, wantResult, *args): positional arguments in call order. For a
    // property put the last argument is the new value. Returns the result (None when not
    // wanted or when nothing is returned); com_error when Invoke fails.
    pybind11::object Invoke(DISPID id, LCID lcid, uint16_t flags, bool wantResult, const pybind11::args& args) const;

    // Like Invoke, plus named arguments: `named` maps parameter ids (from GetIDsOfNames) to values.
    pybind11::object InvokeNamed(DISPID id, uint16_t flags, const pybind11::sequence& args,
                                 const pybind11::dict& named) const;

    // The interface description (a TypeInfo object), or None when the object has none.
    pybind11::object GetTypeInfo() const;

    // The object's interface table, or nullptr when it gives no type information.
    const InterfaceInfo* Describe() const;

    // The object's IUnknown pointer: equal for two references to the same object.
    const void* Identity() const;

private:
    // Declared type of positional argument `index` of member `id` for a call of kind `flags`
    // (VT_EMPTY when unknown); guides the conversion of sequences.
    VARTYPE ArgumentHint(DISPID id, uint16_t flags, size_t index, size_t count) const;
    VARTYPE NamedHint(DISPID id, DISPID param) const;
    pybind11::object InvokeWith(DISPID id, uint16_t flags, bool wantResult, const pybind11::sequence& args,
                                const pybind11::dict& named) const;
    pybind11::object Call(DISPID id, uint16_t flags, std::vector<Variant>& reversedArgs,
                          std::vector<DISPID>& namedIds, bool wantResult) const;

    ComPtr<IDispatch> object_;
    mutable ComPtr<ITypeInfo> typeInfo_;  // fetched on first use
    mutable bool typeInfoFetched_ = false;
};

}  // namespace vesk::python
