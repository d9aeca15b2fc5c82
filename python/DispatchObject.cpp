#include "DispatchObject.h"

#include <string>

#include "ComError.h"
#include "StringConverter.h"
#include "TypeInfoObject.h"
#include "VariantConverter.h"

namespace py = pybind11;

namespace vesk::python {

namespace {

const MemberInfo* FindMember(const InterfaceInfo* info, DISPID id) {
    return info ? info->Find(id) : nullptr;
}

// Frees what a callee may have put into an exception record.
void ClearExcepInfo(EXCEPINFO& info) {
    SysFreeString(info.bstrSource);
    SysFreeString(info.bstrDescription);
    SysFreeString(info.bstrHelpFile);
}

}  // namespace

DispatchObject::DispatchObject(ComPtr<IDispatch> object) : object_(std::move(object)) {}

const void* DispatchObject::Identity() const {
    // An object's identity is its IUnknown pointer, whichever interface one holds.
    ComPtr<IUnknown> unknown;
    object_->QueryInterface(IUnknown::kIid, unknown.put_void());
    return unknown.get();
}

const InterfaceInfo* DispatchObject::Describe() const {
    if (!typeInfoFetched_) {
        typeInfoFetched_ = true;
        uint32_t count = 0;
        if (Succeeded(object_->GetTypeInfoCount(&count)) && count > 0) {
            object_->GetTypeInfo(0, 0, typeInfo_.put());
        }
    }
    return typeInfo_ ? &typeInfo_->Describe() : nullptr;
}

py::object DispatchObject::GetTypeInfo() const {
    if (!Describe()) return py::none();
    return py::cast(TypeInfoObject(typeInfo_));
}

py::object DispatchObject::GetIDsOfNames(const py::args& names) const {
    if (names.empty()) throw py::type_error("GetIDsOfNames needs at least one name");
    std::vector<std::u16string> texts;
    for (py::handle name : names) texts.push_back(StringConverter::ToUtf16(name));
    std::vector<const OLECHAR*> pointers;
    for (const auto& text : texts) pointers.push_back(text.c_str());
    std::vector<DISPID> ids(texts.size(), DISPID_UNKNOWN);
    ComError::Check(object_->GetIDsOfNames(GUID_NULL, pointers.data(), static_cast<uint32_t>(pointers.size()), 0,
                                           ids.data()));
    if (ids.size() == 1) return py::int_(ids[0]);
    py::tuple result(ids.size());
    for (size_t i = 0; i < ids.size(); ++i) result[i] = py::int_(ids[i]);
    return result;
}

VARTYPE DispatchObject::ArgumentHint(DISPID id, uint16_t flags, size_t index, size_t count) const {
    const MemberInfo* member = FindMember(Describe(), id);
    if (!member) return VT_EMPTY;
    bool isPutValue = (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) && index + 1 == count;
    if (isPutValue) return member->valueType;
    return index < member->params.size() ? member->params[index].type : VARTYPE{VT_EMPTY};
}

VARTYPE DispatchObject::NamedHint(DISPID id, DISPID param) const {
    const MemberInfo* member = FindMember(Describe(), id);
    if (!member || param < 0 || static_cast<size_t>(param) >= member->params.size()) return VT_EMPTY;
    return member->params[param].type;
}

py::object DispatchObject::Invoke(DISPID id, LCID, uint16_t flags, bool wantResult, const py::args& args) const {
    return InvokeWith(id, flags, wantResult, args, py::dict());
}

py::object DispatchObject::InvokeNamed(DISPID id, uint16_t flags, const py::sequence& args,
                                       const py::dict& named) const {
    bool isPut = flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF);
    return InvokeWith(id, flags, !isPut, args, named);
}

py::object DispatchObject::InvokeWith(DISPID id, uint16_t flags, bool wantResult, const py::sequence& args,
                                      const py::dict& named) const {
    // rgvarg holds the named arguments first, then the positional ones last to first. The
    // value of a property put travels as the named argument DISPID_PROPERTYPUT.
    std::vector<Variant> reversed;
    std::vector<DISPID> namedIds;
    size_t count = args.size();
    bool isPut = flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF);
    if (isPut && count == 0) throw py::type_error("a property put needs a value");
    if (isPut) {
        reversed.push_back(VariantConverter::FromPython(args[count - 1], ArgumentHint(id, flags, count - 1, count)));
        namedIds.push_back(DISPID_PROPERTYPUT);
    }
    for (auto [param, value] : named) {
        DISPID paramId = py::cast<DISPID>(param);
        reversed.push_back(VariantConverter::FromPython(value, NamedHint(id, paramId)));
        namedIds.push_back(paramId);
    }
    size_t positional = isPut ? count - 1 : count;
    for (size_t i = positional; i-- > 0;) {
        reversed.push_back(VariantConverter::FromPython(args[i], ArgumentHint(id, flags, i, count)));
    }
    return Call(id, flags, reversed, namedIds, wantResult);
}

py::object DispatchObject::Call(DISPID id, uint16_t flags, std::vector<Variant>& reversedArgs,
                                std::vector<DISPID>& namedIds, bool wantResult) const {
    DISPPARAMS params{reversedArgs.empty() ? nullptr : reversedArgs.data(),
                      namedIds.empty() ? nullptr : namedIds.data(), static_cast<uint32_t>(reversedArgs.size()),
                      static_cast<uint32_t>(namedIds.size())};
    Variant result;
    EXCEPINFO exception{};
    uint32_t argError = 0;
    HRESULT hr = object_->Invoke(id, GUID_NULL, 0, flags, &params, wantResult ? &result : nullptr, &exception,
                                 &argError);
    ClearExcepInfo(exception);
    if (Failed(hr)) ComError::Raise(hr, argError);
    return wantResult ? VariantConverter::ToPython(result) : py::none();
}

void DispatchObject::Bind(py::module_& module) {
    py::class_<DispatchObject>(module, "PyIDispatch",
                               "A reference to an automation object: dispatch-identifier level access.")
        .def("GetIDsOfNames", &DispatchObject::GetIDsOfNames,
             "GetIDsOfNames(name, *paramNames) -> dispid, or a tuple of ids when parameter names are given.\n"
             "Names compare without regard to case.")
        .def("Invoke", &DispatchObject::Invoke, py::arg("dispid"), py::arg("lcid"), py::arg("flags"),
             py::arg("wantResult"),
             "Invoke(dispid, lcid, flags, wantResult, *args) -> result\n"
             "flags: DISPATCH_METHOD, DISPATCH_PROPERTYGET or DISPATCH_PROPERTYPUT (the last argument\n"
             "is then the new value). Raises com_error when the call fails.")
        .def("InvokeNamed", &DispatchObject::InvokeNamed, py::arg("dispid"), py::arg("flags"), py::arg("args"),
             py::arg("named"),
             "InvokeNamed(dispid, flags, args, named) -> result\n"
             "named maps parameter ids (from GetIDsOfNames(member, *params)[1:]) to values.")
        .def("GetTypeInfo", &DispatchObject::GetTypeInfo,
             "The object's interface description (TypeInfo), or None.")
        .def("__eq__", [](const DispatchObject& a, const DispatchObject& b) { return a.Identity() == b.Identity(); })
        .def("__hash__", [](const DispatchObject& self) { return std::hash<const void*>()(self.Identity()); })
        .def("__repr__", [](const DispatchObject& self) {
            const InterfaceInfo* info = self.Describe();
            return "<PyIDispatch " + (info ? info->name : std::string("object")) + ">";
        });
}

}  // namespace vesk::python
