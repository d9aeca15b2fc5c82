#include "ComError.h"

#include <cstdio>
#include <utility>

namespace py = pybind11;

namespace vesk::python {

namespace {

constexpr std::pair<HRESULT, const char*> kMessages[] = {
    {E_NOTIMPL, "Not implemented."},
    {E_NOINTERFACE, "No such interface supported."},
    {E_POINTER, "Invalid pointer."},
    {E_FAIL, "Unspecified error."},
    {E_UNEXPECTED, "Catastrophic failure."},
    {E_OUTOFMEMORY, "Not enough memory."},
    {E_INVALIDARG, "The parameter is incorrect."},
    {CLASS_E_CLASSNOTAVAILABLE, "Class not available."},
    {REGDB_E_CLASSNOTREG, "Class not registered."},
    {CONNECT_E_NOCONNECTION, "No connection."},
    {CONNECT_E_CANNOTCONNECT, "Cannot connect."},
    {DISP_E_UNKNOWNINTERFACE, "Unknown interface."},
    {DISP_E_MEMBERNOTFOUND, "Member not found."},
    {DISP_E_PARAMNOTFOUND, "Parameter not found."},
    {DISP_E_TYPEMISMATCH, "Type mismatch."},
    {DISP_E_UNKNOWNNAME, "Unknown name."},
    {DISP_E_NONAMEDARGS, "No named arguments."},
    {DISP_E_BADVARTYPE, "Bad variable type."},
    {DISP_E_EXCEPTION, "Exception occurred."},
    {DISP_E_OVERFLOW, "Out of present range."},
    {DISP_E_BADINDEX, "Invalid index."},
    {DISP_E_BADPARAMCOUNT, "Invalid number of parameters."},
    {DISP_E_PARAMNOTOPTIONAL, "Parameter not optional."},
    {DISP_E_ARRAYISLOCKED, "Memory is locked."},
};

// Codes for which Invoke's argument index says which argument was at fault.
bool NamesArgument(HRESULT hr) {
    return hr == DISP_E_TYPEMISMATCH || hr == DISP_E_PARAMNOTFOUND || hr == DISP_E_OVERFLOW;
}

}  // namespace

py::object& ComError::Type() {
    // Lives as long as the interpreter; deliberately never destroyed so that no Python object
    // is released after the interpreter has gone.
    static auto* type = new py::object();
    return *type;
}

void ComError::Register(py::module_& module) {
    PyObject* type = PyErr_NewExceptionWithDoc(
        "audioeditor.com_error",
        "A failed automation call. args are (hresult, text, excepinfo, argerr); .hresult is the\n"
        "HRESULT as a signed 32-bit integer (for example -2147352562 for DISP_E_BADPARAMCOUNT).",
        PyExc_Exception, nullptr);
    if (!type) throw py::error_already_set();
    Type() = py::reinterpret_steal<py::object>(type);
    module.attr("com_error") = Type();
}

void ComError::Raise(HRESULT hr, std::optional<uint32_t> argError) {
    py::object argerr = py::none();
    if (argError && NamesArgument(hr)) argerr = py::int_(*argError);
    py::object error = Type()(hr, Text(hr), py::none(), argerr);
    error.attr("hresult") = hr;
    PyErr_SetObject(Type().ptr(), error.ptr());
    throw py::error_already_set();
}

std::string ComError::Text(HRESULT hr) {
    for (const auto& [code, text] : kMessages) {
        if (code == hr) return text;
    }
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "Error 0x%08X.", static_cast<uint32_t>(hr));
    return buffer;
}

}  // namespace vesk::python
