// TypeInfo: the interface description an automation object hands out (GetTypeInfo(0)), as seen
// from Python: member names, dispatch identifiers, kinds, parameters with types and defaults.
// The late-bound wrapper reads it to tell properties from methods and to document members.
#pragma once

#include <pybind11/pybind11.h>

#include "platform/automation/Dispatch.h"
#include "platform/automation/TypeInfo.h"

namespace vesk::python {

class TypeInfoObject {
public:
    // Holds a reference to `info` (not null).
    explicit TypeInfoObject(ComPtr<ITypeInfo> info) : info_(std::move(info)) {}

    // Adds the classes TypeInfo, MemberDesc and ParamDesc to `module`.
    static void Bind(pybind11::module_& module);

    const InterfaceInfo& Info() const { return info_->Describe(); }

private:
    ComPtr<ITypeInfo> info_;
};

}  // namespace vesk::python
