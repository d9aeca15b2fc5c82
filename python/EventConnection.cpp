#include "EventConnection.h"

#include <string_view>

#include "ComError.h"
#include "EventSink.h"
#include "objects/typelib/TypeLibrary.h"

namespace py = pybind11;

namespace vesk::python {

namespace {

// The event interface a class of the library fires, found by its default interface's name.
const InterfaceInfo* DefaultSourceOf(const InterfaceInfo* described) {
    if (!described) return nullptr;
    for (const ClassDescription& cls : VeskClasses()) {
        if (cls.defaultSource && described->name == cls.defaultInterface) {
            return VeskTypeLibrary().FindInterface(cls.defaultSource);
        }
    }
    return nullptr;
}

}  // namespace

EventConnection::EventConnection(const DispatchObject& source, py::handle target) {
    events_ = DefaultSourceOf(source.Describe());
    if (!events_) ComError::Raise(CONNECT_E_NOCONNECTION);
    ComPtr<IConnectionPointContainer> container;
    ComError::Check(source.get()->QueryInterface(IConnectionPointContainer::kIid, container.put_void()));
    ComError::Check(container->FindConnectionPoint(events_->iid, point_.put()));
    auto sink = MakeCom<EventSink>(*events_, target);
    ComError::Check(point_->Advise(sink.get(), &cookie_));
    source_ = ComPtr<IUnknown>(container.get());
}

void EventConnection::Close() {
    if (cookie_ == 0) return;
    point_->Unadvise(cookie_);
    cookie_ = 0;
    point_.reset();
    source_.reset();
}

void EventConnection::Bind(py::module_& module) {
    py::class_<EventConnection>(module, "EventConnection",
                                "An event sink advised on an object's event source; close() unadvises it.")
        .def(py::init<const DispatchObject&, py::handle>(), py::arg("source"), py::arg("target"),
             "Advises a sink that calls target.On<EventName>(*args) for each event of source.\n"
             "target is held weakly.")
        .def("close", &EventConnection::Close, "Stops the events (also done when the connection is freed).")
        .def_property_readonly("connected", &EventConnection::IsConnected)
        .def_property_readonly("interface", &EventConnection::InterfaceName);
}

}  // namespace vesk::python
