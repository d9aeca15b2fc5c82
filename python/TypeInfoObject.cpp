#include "TypeInfoObject.h"

#include <cstdio>
#include <string>

#include <pybind11/stl.h>

#include "VariantConverter.h"

namespace py = pybind11;

namespace vesk::python {

namespace {

std::string GuidText(const GUID& g) {
    char text[40];
    std::snprintf(text, sizeof text, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}", g.data1, g.data2, g.data3,
                  g.data4[0], g.data4[1], g.data4[2], g.data4[3], g.data4[4], g.data4[5], g.data4[6], g.data4[7]);
    return text;
}

py::list Members(const TypeInfoObject& self) {
    py::list result;
    for (const MemberInfo& member : self.Info().members) result.append(py::cast(member));
    return result;
}

py::object FindMember(const TypeInfoObject& self, const std::string& name) {
    const MemberInfo* member = self.Info().FindByName(name);
    return member ? py::cast(*member) : py::none();
}

void BindParam(py::module_& module) {
    py::class_<ParamInfo>(module, "ParamDesc", "One parameter of a member: name, type, default.")
        .def_readonly("name", &ParamInfo::name)
        .def_readonly("vartype", &ParamInfo::type, "VT_* code; VT_ARRAY | element type for arrays.")
        .def_readonly("typeName", &ParamInfo::typeName, "The type as the library writes it.")
        .def_readonly("byRef", &ParamInfo::byRef)
        .def_readonly("optional", &ParamInfo::optional)
        .def_property_readonly(
            "default", [](const ParamInfo& p) { return p.optional ? VariantConverter::ToPython(p.defaultValue) : py::none(); },
            "The value used when the argument is left out (None for required parameters).")
        .def("__repr__", [](const ParamInfo& p) {
            std::string text = p.typeName + " " + p.name;
            if (p.optional) text += "=" + std::string(py::repr(VariantConverter::ToPython(p.defaultValue)));
            return text;
        });
}

void BindMember(py::module_& module) {
    py::class_<MemberInfo>(module, "MemberDesc", "One member of an interface.")
        .def_readonly("dispid", &MemberInfo::id)
        .def_readonly("name", &MemberInfo::name)
        .def_readonly("invkind", &MemberInfo::invokeKinds,
                      "DISPATCH_METHOD, or a mix of DISPATCH_PROPERTYGET / PUT / PUTREF.")
        .def_readonly("params", &MemberInfo::params)
        .def_readonly("valueType", &MemberInfo::valueType, "VT_* code of the result; VT_EMPTY: nothing returned.")
        .def_readonly("valueTypeName", &MemberInfo::valueTypeName)
        .def_property_readonly("isMethod", &MemberInfo::IsMethod)
        .def_property_readonly("requiredParams", &MemberInfo::RequiredParams)
        .def("__repr__", [](const MemberInfo& m) { return "<MemberDesc " + m.name + " " + std::to_string(m.id) + ">"; });
}

}  // namespace

void TypeInfoObject::Bind(py::module_& module) {
    BindParam(module);
    BindMember(module);
    py::class_<TypeInfoObject>(module, "TypeInfo", "The description of an automation interface.")
        .def_property_readonly("name", [](const TypeInfoObject& self) { return self.Info().name; })
        .def_property_readonly("iid", [](const TypeInfoObject& self) { return GuidText(self.Info().iid); })
        .def_property_readonly("members", &Members, "Every member, in table order (a list of MemberDesc).")
        .def("find", &FindMember, py::arg("name"), "The member called `name` (any case), or None.")
        .def("__repr__", [](const TypeInfoObject& self) { return "<TypeInfo " + self.Info().name + ">"; });
}

}  // namespace vesk::python
