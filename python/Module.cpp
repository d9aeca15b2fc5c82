// _audioeditor: the compiled half of the audioeditor package. It creates objects through the
// class registry and exposes PyIDispatch (GetIDsOfNames / Invoke), type information, event
// connections, the control's vtable-only members, the message pump and the enumerations.
// The late-bound wrapper itself (CDispatch, Dispatch, DispatchWithEvents) is Python.
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <string>

#include "ComError.h"
#include "Container.h"
#include "DispatchObject.h"
#include "EditorVtable.h"
#include "EventConnection.h"
#include "TypeInfoObject.h"
#include "control/Registration.h"
#include "objects/typelib/TypeLibrary.h"
#include "platform/automation/ClassRegistry.h"
#include "platform/automation/MessageQueue.h"
#include "platform/window/WindowMessages.h"

namespace py = pybind11;

namespace vesk::python {

namespace {

DispatchObject Create(const std::string& progId) {
    ComPtr<IDispatch> object;
    HRESULT hr = ClassRegistry::Default().CreateInstance(progId, IDispatch::kIid, object.put_void());
    if (Succeeded(hr) && !object) hr = E_NOINTERFACE;
    ComError::Check(hr);
    return DispatchObject(std::move(object));
}

// {enumeration name: {constant: value}}, in declaration order.
py::dict Enumerations() {
    py::dict result;
    for (const EnumInfo& info : VeskTypeLibrary().Enums()) {
        py::dict values;
        for (const auto& [name, value] : info.values) values[py::str(name)] = value;
        result[py::str(info.name)] = values;
    }
    return result;
}

void RegisterClassesOnce() {
    static bool registered = false;
    if (registered) return;
    RegisterAudioEditorClasses(ClassRegistry::Default());
    registered = true;
}

}  // namespace

}  // namespace vesk::python

PYBIND11_MODULE(_audioeditor, module) {
    using namespace vesk;
    using namespace vesk::python;
    module.doc() = "Compiled core of the audioeditor package (use the package, not this module).";

    ComError::Register(module);
    TypeInfoObject::Bind(module);
    DispatchObject::Bind(module);
    EventConnection::Bind(module);
    EditorVtable::Bind(module);
    Container::Bind(module);

    module.def("Create", &Create, py::arg("progid"),
               "Create(progid) -> PyIDispatch: a new object of the registered class (com_error if it\n"
               "is not registered or cannot be created).");
    module.def(
        "PumpWaitingMessages", [] { return MessageQueue::ForCurrentThread().PumpWaitingMessages(); },
        "Runs the notifications waiting in this thread's queue; returns how many ran.");
    module.def("Enumerations", &Enumerations,
               "The library's enumerations: {enumeration: {constant: value}} in declaration order.");

    // The window messages and key states of the mouse, for Container.send_message.
    module.attr("WM_MOUSEMOVE") = WM_MOUSEMOVE;
    module.attr("WM_LBUTTONDOWN") = WM_LBUTTONDOWN;
    module.attr("WM_LBUTTONUP") = WM_LBUTTONUP;
    module.attr("WM_LBUTTONDBLCLK") = WM_LBUTTONDBLCLK;
    module.attr("WM_RBUTTONDOWN") = WM_RBUTTONDOWN;
    module.attr("WM_RBUTTONUP") = WM_RBUTTONUP;
    module.attr("WM_RBUTTONDBLCLK") = WM_RBUTTONDBLCLK;
    module.attr("WM_MBUTTONDOWN") = WM_MBUTTONDOWN;
    module.attr("WM_MBUTTONUP") = WM_MBUTTONUP;
    module.attr("WM_MBUTTONDBLCLK") = WM_MBUTTONDBLCLK;
    module.attr("WM_MOUSEWHEEL") = WM_MOUSEWHEEL;
    module.attr("MK_LBUTTON") = MK_LBUTTON;
    module.attr("MK_RBUTTON") = MK_RBUTTON;
    module.attr("MK_SHIFT") = MK_SHIFT;
    module.attr("MK_CONTROL") = MK_CONTROL;
    module.attr("MK_MBUTTON") = MK_MBUTTON;
    module.attr("WHEEL_DELTA") = WHEEL_DELTA;
    module.def(
        "MAKELPARAM", [](int32_t x, int32_t y) { return MakeLParam(x, y); }, py::arg("x"), py::arg("y"),
        "The lParam of a mouse message at (x, y): x in the low word, y in the high word (signed 16-bit).");

    module.attr("DISPATCH_METHOD") = DISPATCH_METHOD;
    module.attr("DISPATCH_PROPERTYGET") = DISPATCH_PROPERTYGET;
    module.attr("DISPATCH_PROPERTYPUT") = DISPATCH_PROPERTYPUT;
    module.attr("DISPATCH_PROPERTYPUTREF") = DISPATCH_PROPERTYPUTREF;

    RegisterClassesOnce();
}
