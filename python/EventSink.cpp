#include "EventSink.h"

#include "VariantConverter.h"
#include "platform/automation/DispatchImpl.h"

namespace py = pybind11;

namespace vesk::python {

namespace {

// Arguments in call order: DISPPARAMS stores them last to first.
py::tuple CallArguments(const DISPPARAMS* params) {
    uint32_t count = params ? params->cArgs : 0;
    py::tuple args(count);
    for (uint32_t i = 0; i < count; ++i) args[i] = VariantConverter::ToPython(params->rgvarg[count - 1 - i]);
    return args;
}

void PrintHandlerError(py::error_already_set& error) {
    // traceback.print_exception rather than PyErr_Print: the latter keeps the traceback (and so
    // the script's object) alive in sys.last_traceback.
    try {
        py::module_::import("traceback").attr("print_exception")(error.type(), error.value(), error.trace());
    } catch (py::error_already_set&) {
        PyErr_Clear();
    }
}

}  // namespace

EventSink::EventSink(const InterfaceInfo& events, py::handle target) : events_(events), target_(target) {
    for (const MemberInfo& member : events.members) handlers_[member.id] = "On" + member.name;
}

EventSink::~EventSink() {
    // The control may release its sinks late; the weak reference needs the interpreter.
    if (Py_IsInitialized()) {
        py::gil_scoped_acquire gil;
        target_ = py::weakref();
    } else {
        target_.release();
    }
}

HRESULT EventSink::GetTypeInfoCount(uint32_t* count) {
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
}

HRESULT EventSink::GetTypeInfo(uint32_t, LCID, ITypeInfo**) { return DISP_E_BADINDEX; }

HRESULT EventSink::GetIDsOfNames(const IID&, const OLECHAR* const* names, uint32_t count, LCID, DISPID* ids) {
    return GetIDsOfNamesFromTable(events_, names, count, ids);
}

HRESULT EventSink::Invoke(DISPID id, const IID&, LCID, uint16_t, DISPPARAMS* params, VARIANT*, EXCEPINFO*,
                          uint32_t*) {
    auto handler = handlers_.find(id);
    if (handler == handlers_.end()) return S_OK;
    py::gil_scoped_acquire gil;
    Dispatch(handler->second, params);
    return S_OK;
}

void EventSink::Dispatch(const std::string& handlerName, const DISPPARAMS* params) {
    try {
        py::object target = target_();
        if (target.is_none()) return;  // the script has dropped its object
        py::object handler = py::getattr(target, handlerName.c_str(), py::none());
        if (handler.is_none()) return;
        handler(*CallArguments(params));
    } catch (py::error_already_set& error) {
        PrintHandlerError(error);
    } catch (const std::exception& error) {
        PySys_WriteStderr("audioeditor: event %s failed: %s\n", handlerName.c_str(), error.what());
    }
}

}  // namespace vesk::python
